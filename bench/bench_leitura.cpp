// Bar code to sum-list item: the whole reading of a 44-digit code with the
// real look-ups (sum list, both receipt tables, document types, holidays),
// check digit, due date, interest and fine; no window is painted. Measured
// with the other desks' receipts in caixa.db, then on a local PostgreSQL
// server reached through the service "caixa" (as many rows as the size).
#include "comum.h"
#include "massa.h"

#include "consultas.h"
#include "globals.h"
#include "leitor_codigo_barras.h"
#include "servidor_postgres.h"
#include "servidor_rede.h"

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

// Every code read once (after a warm-up), the sum list recorded every five items.
Bench::Medidas mede(const QStringList &codigos)
{
    AbreBD::gRede = 1;
    AbreBD::gJuros = 1;
    AvisosCalados avisos;
    LeitorCodigoBarras leitor({Aplicativos::Existe_recebimento, Aplicativos::Existe_recebimentos1,
                               Aplicativos::Rede_ativa, Aplicativos::Proximo_dia_util, Aplicativos::E_feriado},
                              avisos);
    const AjustesLeitura ajustes = AjustesLeitura::dosGlobais();
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
    return m;
}

// The server's table holds `linhas` codes of other desks, among them one in
// seven of the new codes read.
void encheServidor(TestSupport::ServidorPostgres &servidor, int linhas, const QStringList &codigos)
{
    QStringList daRede;
    for (int i = 3; i < codigos.size(); i += 7)
        daRede << codigos.at(i);
    const bool ok =
        servidor.sql(QStringLiteral("TRUNCATE RECEBIMENTOS1; INSERT INTO RECEBIMENTOS1 (CODBARRA) "
                                    "SELECT '9' || lpad(i::text, 43, '0') FROM generate_series(1, %1) i")
                         .arg(qMax(0, linhas - int(daRede.size()))))
        && servidor.copia(QStringLiteral("RECEBIMENTOS1 (CODBARRA)"), daRede)
        && servidor.sql(QStringLiteral("VACUUM ANALYZE RECEBIMENTOS1"));
    if (!ok)
        qFatal("could not fill the server: %s", qPrintable(servidor.erro()));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QList<int> tamanhos = Bench::tamanhos();
    const int leituras = Bench::ajuste("CAIXA_BENCH_LEITURAS", 3000);
    QList<double> medianas, p99s, medianasRede, p99sRede;
    for (int n : tamanhos) {
        Bench::nota(QStringLiteral("leitura: %1 recebimentos").arg(n));
        Massa::Pasta pasta(n, {QStringLiteral("[Export]"), QStringLiteral("rede=1")});
        const Bench::Medidas m = mede(codigosParaLer(pasta, leituras));
        medianas << m.medianaMs();
        p99s << m.p99Ms();
    }

    TestSupport::ServidorPostgres servidor;
    if (!servidor.ok() || !servidor.arquivoSql(TestSupport::sourceDir() + QStringLiteral("/db/rede.sql")))
        qFatal("no PostgreSQL server: %s", qPrintable(servidor.erro()));
    for (int n : tamanhos) {
        Bench::nota(QStringLiteral("leitura com o servidor da rede: %1 recebimentos, %1 no servidor").arg(n));
        Massa::Pasta pasta(n, {QStringLiteral("[Export]"), QStringLiteral("rede=1")});
        if (!servidor.escreveServico(pasta.folder->file(QStringLiteral("pg_service.conf"))))
            qFatal("could not write the service file");
        const QStringList codigos = codigosParaLer(pasta, leituras);
        encheServidor(servidor, n, codigos);
        const Bench::Medidas m = mede(codigos);
        if (!Platform::ServidorRede::ativo() || Platform::ServidorRede::tentativas() != 1)
            qFatal("the server was not reached as it should: %s", qPrintable(Platform::ServidorRede::ultimaFalha()));
        medianasRede << m.medianaMs();
        p99sRede << m.p99Ms();
    }

    Bench::publicaTamanhos(tamanhos);
    Bench::publica(QStringLiteral("Leitura do código de barras"), QStringLiteral("mediana"), QStringLiteral("ms"),
                   QString(), medianas);
    Bench::publica(QStringLiteral("Leitura do código de barras"), QStringLiteral("p99"), QStringLiteral("ms"),
                   QStringLiteral("< 2 ms a 1 milhão; maior/menor <= 1,5"), p99s);
    Bench::publica(QStringLiteral("Leitura com o servidor da rede"), QStringLiteral("mediana"),
                   QStringLiteral("ms"), QString(), medianasRede);
    Bench::publica(QStringLiteral("Leitura com o servidor da rede"), QStringLiteral("p99"), QStringLiteral("ms"),
                   QStringLiteral("< 2 ms a 1 milhão no servidor"), p99sRede);
    return 0;
}
