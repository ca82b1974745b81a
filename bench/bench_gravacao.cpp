// Recording one item as the desk does it (next authentication number and row
// in one transaction with synchronous=FULL, then the receipt-file lines),
// against a bare insert-and-commit of one row timed in the same run.
#include "comum.h"
#include "massa.h"

#include "arquivo_recebimentos.h"
#include "cls_recebimentos.h"
#include "data_access.h"
#include "globals.h"
#include "grava_recebimento.h"

#include <QApplication>
#include <QSqlQuery>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QList<int> tamanhos = Bench::tamanhos();
    const int vezes = Bench::ajuste("CAIXA_BENCH_GRAVACOES", 300);
    QList<double> medianas, p99s, nuasMed, nuasP99, razoes;
    for (int n : tamanhos) {
        Bench::nota(QStringLiteral("gravação: %1 recebimentos").arg(n));
        Massa::Pasta pasta(n);
        const int idMov = pasta.abreDia(0);
        const QString arquivo = ArquivoRecebimentos::nome(AbreBD::gCaminhoRecebimentos, AbreBD::gGuiche,
                                                          Massa::diaMedido());
        clsRecebimentos recebimentos;
        QSqlQuery nua(Conexao::banco());
        nua.prepare(QStringLiteral("INSERT INTO Recebimentos (AUTENTICA, CODBARRA, IDMOVIMENTO, TIPO, INTEGRA, EXPORT, "
                                   "VALOR, VENCIMENTO, PARCELA, OBS) VALUES (0, ?, ?, 1, 0, 0, ?, '', '', '')"));
        Bench::Medidas m, mNua;
        for (int i = 0; i < vezes; ++i) {
            const qint64 centavos = 1000 + i;
            const LinhaSoma linha = novaLinhaSoma({}, 1, QStringLiteral("IPTU"), Currency::fromCents(centavos),
                                                  Massa::codigo(1, 800000000LL + i, centavos, Massa::diaMedido()));
            bool ok = false;
            m.acrescenta(Bench::cronometra([&] {
                const auto numero = GravaRecebimento::proximaAutenticacao(idMov);
                ok = numero && GravaRecebimento::grava(recebimentos, linha, idMov, *numero);
                ArquivoRecebimentos::Item item{linha.seq, numero.value_or(0), linha.tipo, linha.valor.format(),
                                               linha.vencimento, linha.parcela, linha.obs, linha.codBarra};
                ok = ok && ArquivoRecebimentos::acrescenta(
                               arquivo, ArquivoRecebimentos::blocoItem(item, QStringLiteral("09/12/2026"),
                                                                       QStringLiteral("10:30"), AbreBD::gUsuario,
                                                                       linha.valor.format(), QStringLiteral("0,00")));
            }));
            if (!ok)
                qFatal("recording failed");
            const QString codigo = Massa::codigo(2, 810000000LL + i, centavos, Massa::diaMedido());
            mNua.acrescenta(Bench::cronometra([&] {
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
        Bench::nota(QStringLiteral("  item %1 / %2 ms, insert nu %3 / %4 ms")
                        .arg(m.medianaMs()).arg(m.p99Ms()).arg(mNua.medianaMs()).arg(mNua.p99Ms()));
        medianas << m.medianaMs();
        p99s << m.p99Ms();
        nuasMed << mNua.medianaMs();
        nuasP99 << mNua.p99Ms();
        razoes << m.medianaMs() / mNua.medianaMs();
    }
    const QString nome = QStringLiteral("Gravação de um item");
    Bench::publicaTamanhos(tamanhos);
    Bench::publica(nome, QStringLiteral("mediana"), QStringLiteral("ms"), QString(), medianas);
    Bench::publica(nome, QStringLiteral("p99"), QStringLiteral("ms"), QString(), p99s);
    Bench::publica(nome, QStringLiteral("insert nu: mediana"), QStringLiteral("ms"), QString(), nuasMed);
    Bench::publica(nome, QStringLiteral("insert nu: p99"), QStringLiteral("ms"), QString(), nuasP99);
    Bench::publica(nome, QStringLiteral("item / insert nu (medianas)"), QStringLiteral("x"), QStringLiteral("<= 1,5"),
                   razoes);
    return 0;
}
