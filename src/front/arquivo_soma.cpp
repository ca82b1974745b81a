#include "arquivo_soma.h"

#include "text_file.h"

#include <QFile>

namespace ArquivoSoma {

QString linha(const LinhaSoma &l)
{
    return QStringList{l.seq, l.tipo, l.valor.format(), l.saldo.format(), l.codBarra, l.vencimento, l.parcela, l.obs}
        .join(QLatin1Char(';'));
}

bool grava(const QString &arquivo, const SomaLista &linhas, QString *erro)
{
    QStringList texto;
    for (const LinhaSoma &l : linhas)
        texto << linha(l);
    return TextFile::writeLines(arquivo, texto, erro);
}

namespace {

bool leLinha(const QString &texto, LinhaSoma *l, QString *erro)
{
    const QStringList p = texto.split(QLatin1Char(';'));
    if (p.size() < 8) {
        *erro = QStringLiteral("a linha tem %1 campos, são precisos 8").arg(p.size());
        return false;
    }
    l->seq = p.at(0);
    l->tipo = p.at(1);
    bool ok = false;
    l->idTipo = p.at(1).section(QLatin1Char('-'), 0, 0).trimmed().toInt(&ok);
    if (!ok) {
        *erro = QStringLiteral("tipo inválido \"%1\"").arg(p.at(1));
        return false;
    }
    const auto valor = Currency::parse(p.at(2));
    const auto saldo = Currency::parse(p.at(3));
    if (!valor || !saldo) {
        *erro = QStringLiteral("valor inválido \"%1\"").arg(!valor ? p.at(2) : p.at(3));
        return false;
    }
    // The list shows, authenticates and records the amounts in cents.
    l->valor = valor->roundedToCents();
    l->saldo = saldo->roundedToCents();
    l->codBarra = p.at(4);
    l->vencimento = p.at(5);
    l->parcela = p.at(6);
    l->obs = p.mid(7).join(QLatin1Char(';'));
    return true;
}

} // namespace

Carga carrega(const QString &arquivo, bool renumerar)
{
    Carga c;
    c.existe = QFile::exists(arquivo);
    if (!c.existe)
        return c;
    bool lido = false;
    const QStringList texto = TextFile::readLines(arquivo, &lido);
    if (!lido) {
        c.erro = QStringLiteral("o arquivo não pôde ser lido");
        return c;
    }
    SomaLista linhas;
    for (int i = 0; i < texto.size(); ++i) {
        LinhaSoma l;
        if (!leLinha(texto.at(i), &l, &c.erro)) {
            c.linhaErro = i + 1;
            return c;
        }
        linhas << l;
    }
    c.linhas = renumerar ? renumera(linhas) : linhas;
    c.ok = true;
    return c;
}

SomaLista renumera(const SomaLista &linhas)
{
    SomaLista out;
    for (const LinhaSoma &l : linhas) {
        LinhaSoma n = novaLinhaSoma(out, l.idTipo, QString(), l.valor, l.codBarra, l.vencimento, l.parcela, l.obs);
        n.tipo = l.tipo;
        out << n;
    }
    return out;
}

} // namespace ArquivoSoma
