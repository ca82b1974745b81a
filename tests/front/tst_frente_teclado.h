#pragma once
// The teller's keys on the main window: codes read into the bar-code box, "-"
// for the change, Enter to record, and the authentication dialog driven
// through the window's hook.
#include "frm_frente.h"

#include "frm_autenticar.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace Teclado {

// A key typed in the bar-code box, the window active as at the desk.
inline void tecla(frmFrente *w, Qt::Key k)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->txtValorCodBarra->setFocus();
    QTest::keyClick(w->txtValorCodBarra, k);
}

inline void digita(frmFrente *w, const QString &texto)
{
    w->activateWindow();
    w->txtValorCodBarra->setFocus();
    QTest::keyClicks(w->txtValorCodBarra, texto);
}

inline void le(frmFrente *w, const QString &codigo)
{
    digita(w, codigo);
    tecla(w, Qt::Key_Return);
}

// The amount tendered and "-".
inline void troco(frmFrente *w, const QString &pago)
{
    digita(w, pago);
    tecla(w, Qt::Key_Minus);
}

// Each following dialog is authenticated `vezes` times, then left with Esc;
// `abertos` (when given) counts the dialogs shown.
inline void autenticaCom(frmFrente *w, int vezes, int *abertos = nullptr)
{
    w->aoAutenticar = [vezes, abertos](frmAutenticar &d) {
        if (abertos)
            ++*abertos;
        QTimer::singleShot(0, &d, [&d, vezes] {
            for (int i = 0; i < vezes; ++i)
                QTest::keyClick(&d, Qt::Key_Return);
            QTest::keyClick(&d, Qt::Key_Escape);
        });
    };
}

// Enter with the given number of authentications.
inline void grava(frmFrente *w, int vezes, int *abertos = nullptr)
{
    autenticaCom(w, vezes, abertos);
    tecla(w, Qt::Key_Return);
}

} // namespace Teclado
