// The day's list: filling the main window's list of the day (lstLancado) for
// a day of many items, in a database holding the year's data.
#include "comum.h"
#include "massa.h"

#include "frm_frente.h"
#include "globals.h"
#include "printers.h"
#include "recording_printer.h"

#include <QApplication>
#include <QTreeWidget>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QList<int> tamanhos = Bench::tamanhos();
    const int itens = Bench::ajuste("CAIXA_BENCH_LISTA", 10000);
    const int vezes = Bench::ajuste("CAIXA_BENCH_LISTAS", 15);
    QList<double> medianas, p99s;
    for (int n : tamanhos) {
        Bench::nota(QStringLiteral("lista do dia: %1 recebimentos, dia de %2 itens").arg(n).arg(itens));
        Massa::Pasta pasta(n);
        pasta.abreDia(itens);
        Platform::printers().setRecording(std::make_shared<RecordingPrinter>());
        auto *janela = new frmFrente;
        janela->show();
        QCoreApplication::processEvents();
        if (janela->lstLancado->topLevelItemCount() != itens)
            qFatal("the day's list has %d rows", janela->lstLancado->topLevelItemCount());
        Bench::Medidas m;
        for (int i = 0; i < vezes; ++i) {
            m.acrescenta(Bench::cronometra([&] { janela->Lista_Movimento_dia(); }));
            QCoreApplication::processEvents();
        }
        Bench::nota(QStringLiteral("  mediana %1 ms, p99 %2 ms").arg(m.medianaMs()).arg(m.p99Ms()));
        medianas << m.medianaMs();
        p99s << m.p99Ms();
        janela->close();
        delete janela;
        Platform::printers().reset();
    }
    const QString nome = QStringLiteral("Lista do dia (%1 itens)").arg(itens);
    Bench::publicaTamanhos(tamanhos);
    Bench::publica(nome, QStringLiteral("mediana"), QStringLiteral("ms"), QStringLiteral("< 200 ms"), medianas);
    Bench::publica(nome, QStringLiteral("p99"), QStringLiteral("ms"), QString(), p99s);
    return 0;
}
