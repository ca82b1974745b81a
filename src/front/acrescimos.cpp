#include "acrescimos.h"
#include "digitos.h"

namespace {

// An amount times a percentage, divided by 100 and rounded to whole cents with
// halves away from zero (the desk rounds by showing two decimals). The product
// is kept in ten-thousandths times the percentage's ten-thousandths, so no
// binary fraction enters.
Currency percentual(Currency valor, qint64 percentualDezMilesimos)
{
    // Ten-thousandths of a real times ten-thousandths of a percent: 10^8 of
    // them make one cent.
    constexpr __int128 porCentavo = 100'000'000;
    const __int128 produto = static_cast<__int128>(valor.raw()) * percentualDezMilesimos;
    const __int128 absoluto = produto < 0 ? -produto : produto;
    const __int128 centavos = (absoluto + porCentavo / 2) / porCentavo;
    return Currency::fromCents(static_cast<qint64>(produto < 0 ? -centavos : centavos));
}

} // namespace

Acrescimos Calcula_acrescimos(const QDate &vencimento, const QDate &dataCaixa, Currency valor, int regra)
{
    Acrescimos a;
    a.vencimento = vencimento;
    const int meses = Aplicativos::Meses_entre(vencimento, dataCaixa);
    const qint64 dias = vencimento.daysTo(dataCaixa);
    const qint64 umPorCento = Currency::Scale;
    if (regra == 1) {
        a.mora = percentual(valor, meses * umPorCento);
        // The daily rate is held in single precision and then taken to four
        // decimals, as the rate always was.
        float p = static_cast<float>(0.33 * static_cast<double>(dias));
        if (p > 10.0f)
            p = 10.0f;
        a.outros = percentual(valor, Currency::fromDouble(static_cast<double>(p)).raw());
    } else if (regra == 2) {
        a.mora = percentual(valor, 2 * umPorCento);
        a.outros = percentual(valor, meses * umPorCento);
    }
    a.total = (valor + a.mora + a.outros).roundedToCents();
    return a;
}
