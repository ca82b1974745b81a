// Start-up: from the process start to the start form shown (offscreen), with
// the year's data in caixa.db. The program's own start is run in a child
// process, timed from its launch to its word that the form is on screen.
#include "comum.h"
#include "massa.h"

#include "abre_bd.h"
#include "frm_data.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <cstdio>

namespace {

// The child: what app/main.cpp does, then "mostrado" once the form is exposed.
int filho(int argc, char **argv)
{
    QApplication app(argc, argv);
    QPointer<frmData> inicio;
    if (!AbreBD::Main([&inicio]() -> QWidget * {
            inicio = new frmData;
            return inicio.data();
        }))
        return 1;
    QTimer::singleShot(0, [&inicio] {
        const bool visivel = inicio && inicio->isVisible();
        std::printf("%s\n", visivel ? "mostrado" : "ausente");
        std::fflush(stdout);
        QCoreApplication::exit(visivel ? 0 : 2);
    });
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (argc > 1 && qstrcmp(argv[1], "--filho") == 0)
        return filho(argc, argv);
    QApplication app(argc, argv);
    const QList<int> tamanhos = Bench::tamanhos();
    const int vezes = Bench::ajuste("CAIXA_BENCH_INICIOS", 20);
    QList<double> medianas, p99s;
    for (int n : tamanhos) {
        Bench::nota(QStringLiteral("início: %1 recebimentos").arg(n));
        Massa::Pasta pasta(n);
        AbreBD::Fecha_conexao();
        Bench::Medidas m;
        for (int i = -2; i < vezes; ++i) {
            QProcess p;
            p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QElapsedTimer t;
            t.start();
            p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--filho")});
            bool mostrado = false;
            while (!mostrado && p.waitForReadyRead(10000))
                mostrado = p.readAll().contains("mostrado");
            const qint64 ns = t.nsecsElapsed();
            p.waitForFinished(10000);
            if (!mostrado)
                qFatal("the start form was not shown");
            if (i >= 0)
                m.acrescenta(ns);
        }
        Bench::nota(QStringLiteral("  mediana %1 ms, p99 %2 ms").arg(m.medianaMs()).arg(m.p99Ms()));
        medianas << m.medianaMs();
        p99s << m.p99Ms();
    }
    const QString nome = QStringLiteral("Início até o formulário de entrada");
    Bench::publicaTamanhos(tamanhos);
    Bench::publica(nome, QStringLiteral("mediana"), QStringLiteral("ms"), QStringLiteral("< 300 ms a 1 milhão"), medianas);
    Bench::publica(nome, QStringLiteral("p99"), QStringLiteral("ms"), QString(), p99s);
    return 0;
}
