#include "abre_bd.h"
#include "frm_data.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("caixa"));
    QApplication::setApplicationVersion(QStringLiteral(CAIXA_VERSION));
    QPointer<frmData> inicio;
    if (!AbreBD::Main([&inicio]() -> QWidget * { inicio = new frmData;
        return inicio.data();
    }))
        return 0;
    // A newer version offered and accepted: the updater takes over.
    QTimer::singleShot(0, [&inicio] {
        if (inicio && inicio->Verifica_atualizacao())
            QCoreApplication::quit();
    });
    return app.exec();
}
