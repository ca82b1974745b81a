#include "key_sender.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace Platform {

void sendKey(int qtKey, bool pressed)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    auto *ev = new QKeyEvent(pressed ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier);
    QCoreApplication::postEvent(target, ev);
}

} // namespace Platform
