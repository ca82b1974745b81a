#include "abre_bd.h"
#include "msg_box.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

namespace {

// Stands in for the start form until it is built.
QWidget *janelaInicial()
{
    auto *w = new QMainWindow;
    w->setObjectName(QStringLiteral("frmData"));
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(appTitle());
    auto *label = new QLabel(QStringLiteral("Caixa"), w);
    label->setAlignment(Qt::AlignCenter);
    w->setCentralWidget(label);
    w->resize(640, 480);
    return w;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("caixa"));
    QApplication::setApplicationVersion(QStringLiteral(CAIXA_VERSION));
    if (!AbreBD::Main(janelaInicial))
        return 0;
    return app.exec();
}
