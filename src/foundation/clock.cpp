#include "clock.h"

namespace Relogio {
namespace {
std::function<QDateTime()> &fonte()
{
    static std::function<QDateTime()> f;
    return f;
}
} // namespace

QDateTime agora()
{
    return fonte() ? fonte()() : QDateTime::currentDateTime();
}

QDate hoje()
{
    return agora().date();
}

void definir(std::function<QDateTime()> f)
{
    fonte() = std::move(f);
}

void fixar(const QDateTime &momento)
{
    definir([momento] { return momento; });
}

} // namespace Relogio
