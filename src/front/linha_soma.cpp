#include "linha_soma.h"

QString codigoSemBarras()
{
    return QString(44, QLatin1Char('0'));
}

QString textoTipo(int idTipo, const QString &descricao)
{
    return QStringLiteral("%1-%2").arg(idTipo, 2, 10, QLatin1Char('0')).arg(descricao);
}

LinhaSoma novaLinhaSoma(const SomaLista &atuais, int idTipo, const QString &descricao, Currency valor,
                        const QString &codBarra, const QString &vencimento, const QString &parcela,
                        const QString &obs)
{
    const Currency anterior = atuais.isEmpty() ? Currency() : atuais.last().saldo.roundedToCents();
    const Currency valorMostrado = valor.roundedToCents();
    LinhaSoma l;
    l.seq = QStringLiteral("%1").arg(atuais.size() + 1, 2, 10, QLatin1Char('0'));
    l.idTipo = idTipo;
    l.tipo = textoTipo(idTipo, descricao);
    l.valor = valorMostrado;
    l.saldo = anterior + valorMostrado;
    l.codBarra = codBarra.isEmpty() ? codigoSemBarras() : codBarra;
    l.vencimento = vencimento;
    l.parcela = parcela;
    l.obs = obs;
    return l;
}

bool somaContemCodigo(const SomaLista &linhas, const QString &codigo)
{
    for (const LinhaSoma &l : linhas)
        if (l.codBarra == codigo)
            return true;
    return false;
}
