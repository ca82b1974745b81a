// Recording one item as the desk does it (next authentication number and row
// in one transaction with synchronous=FULL, then the receipt-file lines),
// against a bare insert-and-commit of one row timed in the same run: onto an
// empty receipt file and onto one that already holds a busy day's items.
#include "comum.h"
#include "massa.h"

#include "arquivo_recebimentos.h"
#include "cls_recebimentos.h"
#include "data_access.h"
#include "globals.h"
#include "grava_recebimento.h"
#include "text_file.h"

#include <QApplication>
#include <QSqlQuery>

namespace {

struct Rodada {
    Bench::Medidas item, nua, acrescimo; // acrescimo: the receipt-file append inside item
};

QStringList blocoDa(const LinhaSoma &linha, int numero)
{
    const ArquivoRecebimentos::Item item{linha.seq, numero, linha.tipo, linha.valor.format(), linha.vencimento,
                                         linha.parcela, linha.obs, linha.codBarra};
    return ArquivoRecebimentos::blocoItem(item, QStringLiteral("09/12/2026"), QStringLiteral("10:30"),
                                          AbreBD::gUsuario, linha.valor.format(), QStringLiteral("0,00"));
}

LinhaSoma linhaDe(int tipo, qint64 sequencial, qint64 centavos)
{
    return novaLinhaSoma({}, 1, QStringLiteral("IPTU"), Currency::fromCents(centavos),
                         Massa::codigo(tipo, sequencial, centavos, Massa::diaMedido()));
}

// A day's receipt file already holding `itens` items.
void preencheArquivo(const QString &arquivo, int itens)
{
    QByteArray bytes;
    for (int i = 0; i < itens; ++i)
        bytes += TextFile::linesToBytes(blocoDa(linhaDe(1, 700000000LL + i, 1000 + i), i + 1));
    if (!TextFile::writeAll(arquivo, bytes))
        qFatal("could not fill the receipt file");
}

// `vezes` items recorded onto the file as it stands, each against a bare
// insert-and-commit; `base` keeps the bar codes of each round apart.
Rodada grava(int idMov, const QString &arquivo, int vezes, qint64 base)
{
    clsRecebimentos recebimentos;
    QSqlQuery nua(Conexao::banco());
    nua.prepare(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, INTEGRA, EXPORT, "
                               "VALOR, VENCIMENTO, PARCELA, OBS) VALUES (0, ?, ?, 1, 0, 0, ?, '', '', '')"));
    Rodada r;
    for (int i = 0; i < vezes; ++i) {
        const qint64 centavos = 1000 + i;
        const LinhaSoma linha = linhaDe(1, 800000000LL + base + i, centavos);
        bool ok = false;
        r.item.acrescenta(Bench::cronometra([&] {
            const auto numero = GravaRecebimento::proximaAutenticacao(idMov);
            ok = numero && GravaRecebimento::grava(recebimentos, linha, idMov, *numero);
            if (ok)
                r.acrescimo.acrescenta(Bench::cronometra([&] {
                    ok = ArquivoRecebimentos::acrescenta(arquivo, blocoDa(linha, *numero));
                }));
        }));
        if (!ok)
            qFatal("recording failed");
        const QString codigo = Massa::codigo(2, 810000000LL + base + i, centavos, Massa::diaMedido());
        r.nua.acrescenta(Bench::cronometra([&] {
            QSqlDatabase db = Conexao::banco();
            db.transaction();
            nua.bindValue(0, codigo);
            nua.bindValue(1, idMov + 1000000);
            nua.bindValue(2, centavos * 100);
            ok = nua.exec() && db.commit();
        }));
        if (!ok)
            qFatal("bare insert failed");
    }
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QList<int> tamanhos = Bench::tamanhos();
    const int vezes = Bench::ajuste("CAIXA_BENCH_GRAVACOES", 300);
    const int itensCheio = Bench::ajuste("CAIXA_BENCH_ARQUIVO_CHEIO", 5000);
    QList<double> medianas, p99s, nuasMed, nuasP99, razoes, cheiaMed, razoesCheio, cheioSobreVazio, acrescimoVazio,
        acrescimoCheio;
    for (int n : tamanhos) {
        Bench::nota(QStringLiteral("gravação: %1 recebimentos").arg(n));
        Massa::Pasta pasta(n);
        const int idMov = pasta.abreDia(0);
        const QString arquivo = ArquivoRecebimentos::nome(AbreBD::gCaminhoRecebimentos, AbreBD::gGuiche,
                                                          Massa::diaMedido());
        const Rodada vazio = grava(idMov, arquivo, vezes, 0);
        preencheArquivo(arquivo, itensCheio);
        const Rodada cheio = grava(idMov, arquivo, vezes, 100000000LL);
        Bench::nota(QStringLiteral("  item %1 / %2 ms, insert nu %3 / %4 ms; com %5 itens no arquivo: item %6 ms, "
                                   "insert nu %7 ms")
                        .arg(vazio.item.medianaMs()).arg(vazio.item.p99Ms()).arg(vazio.nua.medianaMs())
                        .arg(vazio.nua.p99Ms()).arg(itensCheio).arg(cheio.item.medianaMs()).arg(cheio.nua.medianaMs()));
        medianas << vazio.item.medianaMs();
        p99s << vazio.item.p99Ms();
        nuasMed << vazio.nua.medianaMs();
        nuasP99 << vazio.nua.p99Ms();
        const double razao = vazio.item.medianaMs() / vazio.nua.medianaMs();
        const double razaoCheio = cheio.item.medianaMs() / cheio.nua.medianaMs();
        razoes << razao;
        cheiaMed << cheio.item.medianaMs();
        acrescimoVazio << vazio.acrescimo.medianaMs();
        acrescimoCheio << cheio.acrescimo.medianaMs();
        razoesCheio << razaoCheio;
        cheioSobreVazio << qMax(razao, razaoCheio) / qMin(razao, razaoCheio);
    }
    // "vazio": the day's receipt file starts empty; "cheio": it already holds
    // CAIXA_BENCH_ARQUIVO_CHEIO items (5,000), and an append must cost the same.
    const QString nome = QStringLiteral("Gravação de um item");
    Bench::publicaTamanhos(tamanhos);
    Bench::publica(nome, QStringLiteral("mediana"), QStringLiteral("ms"), QString(), medianas);
    Bench::publica(nome, QStringLiteral("p99"), QStringLiteral("ms"), QString(), p99s);
    Bench::publica(nome, QStringLiteral("insert nu: mediana"), QStringLiteral("ms"), QString(), nuasMed);
    Bench::publica(nome, QStringLiteral("insert nu: p99"), QStringLiteral("ms"), QString(), nuasP99);
    Bench::publica(nome, QStringLiteral("mediana cheio"), QStringLiteral("ms"), QString(), cheiaMed);
    Bench::publica(nome, QStringLiteral("acréscimo ao arquivo: mediana vazio"), QStringLiteral("ms"), QString(),
                   acrescimoVazio);
    Bench::publica(nome, QStringLiteral("acréscimo ao arquivo: mediana cheio"), QStringLiteral("ms"), QString(),
                   acrescimoCheio);
    Bench::publica(nome, QStringLiteral("item / insert nu (medianas) vazio"), QStringLiteral("x"),
                   QStringLiteral("<= 1,5"), razoes);
    Bench::publica(nome, QStringLiteral("item / insert nu (medianas) cheio"), QStringLiteral("x"),
                   QStringLiteral("<= 1,5"), razoesCheio);
    Bench::publica(nome, QStringLiteral("maior / menor das razões vazio e cheio"), QStringLiteral("x"),
                   QStringLiteral("<= 1,2"), cheioSobreVazio);
    return 0;
}
