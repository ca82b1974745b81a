#include "codigo_barras.h"

#include <cstdlib>

namespace CodigoBarras {

namespace {
const QDate dataBase(1997, 10, 7);
// Days from one cycle of factors to the next (1000 of the new cycle = 10000 of the old).
constexpr int diasPorCiclo = 9000;
constexpr int menorFatorDeCiclo = 1000;
} // namespace

QString posicoes(const QString &codigo, int de, int ate)
{
    return codigo.mid(de - 1, ate - de + 1);
}

bool soDigitos(const QString &codigo)
{
    if (codigo.size() != Tamanho)
        return false;
    for (const QChar c : codigo)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QDate vencimentoFator(int fator, const QDate &dataCaixa)
{
    QDate data = dataBase.addDays(fator);
    if (fator < menorFatorDeCiclo || !dataCaixa.isValid())
        return data;
    for (;;) {
        const QDate seguinte = data.addDays(diasPorCiclo);
        if (std::abs(seguinte.daysTo(dataCaixa)) >= std::abs(data.daysTo(dataCaixa)))
            return data;
        data = seguinte;
    }
}

} // namespace CodigoBarras
