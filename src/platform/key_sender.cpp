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
    QString text;
    if (qtKey >= '0' && qtKey <= '9')
        text = QChar(qtKey);
    else if (qtKey >= 'A' && qtKey <= 'Z')
        text = QChar(qtKey).toLower();
    else if (qtKey == Qt::Key_Space)
        text = QStringLiteral(" ");
    auto *ev = new QKeyEvent(pressed ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QCoreApplication::postEvent(target, ev);
}

} // namespace Platform
