// Bar code to sum-list item: the whole reading of a 44-digit code with the
// real look-ups (sum list, both receipt tables, document types, holidays),
// check digit, due date, interest and fine; no window is painted.
#include "comum.h"
#include "massa.h"

#include "consultas.h"
#include "globals.h"
#include "leitor_codigo_barras.h"

#include <QApplication>
#include <QRandomGenerator>

namespace {

// Every warning answered at once; an overdue document is received.
class AvisosCalados : public AvisosPagamento {
public:
    void contaLancada(const QString &) override {}
    void bloqueia() override {}
    void contaVencida() override {}
    bool guiaVencida() override { return true; }
    void acrescimos(const Acrescimos &) override {}
};

// New documents of every type, some overdue or due on a weekend, and a share
// of codes already received.
QStringList codigosParaLer(const Massa::Pasta &pasta, int quantos)
{
    QRandomGenerator g(44);
    const QStringList recebidos = pasta.amostraCodigos(quantos / 10);
    QStringList out;
    for (int i = 0; i < quantos; ++i) {
        if (i % 10 == 9 && !recebidos.isEmpty()) {
            out << recebidos.at(i / 10 % recebidos.size());
            continue;
        }
        const QDate venc = Massa::diaMedido().addDays(g.bounded(-40, 40));
        out << Massa::codigo(1 + i % 5, 700000000LL + i, 1000 + g.bounded(90000), venc);
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QList<int> tamanhos = Bench::tamanhos();
    const int leituras = Bench::ajuste("CAIXA_BENCH_LEITURAS", 3000);
    QList<double> medianas, p99s;
    for (int n : tamanhos) {
        Bench::nota(QStringLiteral("leitura: %1 recebimentos").arg(n));
        Massa::Pasta pasta(n, {QStringLiteral("[Export]"), QStringLiteral("rede=1")});
        AbreBD::gRede = 1;
        AbreBD::gJuros = 1;
        AvisosCalados avisos;
        LeitorCodigoBarras leitor({Aplicativos::Existe_recebimento, Aplicativos::Existe_recebimentos1,
                                   Aplicativos::Rede_ativa, Aplicativos::Proximo_dia_util, Aplicativos::E_feriado},
                                  avisos);
        const AjustesLeitura ajustes = AjustesLeitura::dosGlobais();
        const QStringList codigos = codigosParaLer(pasta, leituras);
        SomaLista soma;
        Bench::Medidas m;
        int aceitos = 0;
        for (int i = -200; i < codigos.size(); ++i) {
            const QString &c = codigos.at(i < 0 ? -i : i);
            if (soma.size() >= 5)
                soma.clear();
            ResultadoLeitura r;
            const qint64 ns = Bench::cronometra([&] { r = leitor.VerificaLeituraCodigoBarras(c, soma, ajustes); });
            if (i < 0)
                continue; // warm-up
            m.acrescenta(ns);
            if (r.linha) {
                soma << *r.linha;
                ++aceitos;
            }
        }
        Bench::nota(QStringLiteral("  %1 de %2 aceitos, mediana %3 ms, p99 %4 ms")
                        .arg(aceitos).arg(codigos.size()).arg(m.medianaMs()).arg(m.p99Ms()));
        medianas << m.medianaMs();
        p99s << m.p99Ms();
    }
    Bench::publicaTamanhos(tamanhos);
    Bench::publica(QStringLiteral("Leitura do código de barras"), QStringLiteral("mediana"), QStringLiteral("ms"),
                   QString(), medianas);
    Bench::publica(QStringLiteral("Leitura do código de barras"), QStringLiteral("p99"), QStringLiteral("ms"),
                   QStringLiteral("< 2 ms a 1 milhão; maior/menor <= 1,5"), p99s);
    return 0;
}
