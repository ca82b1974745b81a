#pragma once
#include <QDate>
#include <QDateTime>
#include <functional>

// The computer's date and time as the desk sees them. Tests fix them.
namespace Relogio {
QDateTime agora();
QDate hoje();
// Replaces the clock; an empty function brings back the real one.
void definir(std::function<QDateTime()> fonte);
void fixar(const QDateTime &momento);
}
