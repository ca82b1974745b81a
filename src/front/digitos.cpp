#include "digitos.h"

#include <QRegularExpression>

namespace Aplicativos {

namespace {

int valorDigito(QChar c)
{
    return c.isDigit() ? c.digitValue() : 0;
}

// Sum of the modulo-10 products, right to left with weights 2, 1, 2, ...;
// a product above 9 counts as the sum of its digits. Non-digits count 0.
int somaModulo10(const QString &texto)
{
    int soma = 0;
    int peso = 2;
    for (qsizetype i = texto.size() - 1; i >= 0; --i) {
        int produto = valorDigito(texto.at(i)) * peso;
        if (produto > 9)
            produto = produto / 10 + produto % 10;
        soma += produto;
        peso = (peso == 2) ? 1 : 2;
    }
    return soma;
}

} // namespace

bool Le_como_numero(const QString &texto)
{
    static const QRegularExpression numero(
        QStringLiteral("^\\s*[+-]?\\s*(?=[\\d.,]*\\d)[\\d.]*(,\\d*)?\\s*$"));
    return numero.match(texto).hasMatch();
}

int Modulo11_barra(const QString &digitos)
{
    if (digitos.size() != 43)
        return 0;
    int soma = 0;
    int peso = 2;
    for (qsizetype i = digitos.size() - 1; i >= 0; --i) {
        const QChar c = digitos.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        if (peso > 9)
            peso = 2;
        soma += (c.unicode() - '0') * peso;
        ++peso;
    }
    const int resultado = 11 - soma % 11;
    return resultado >= 10 ? 1 : resultado;
}

QString Modulo10(const QString &texto)
{
    if (!Le_como_numero(texto))
        return QString();
    const int r = somaModulo10(texto) % 10;
    return QString::number(r == 0 ? 0 : 10 - r);
}

QString Modulo10_campo(const QString &texto)
{
    if (!Le_como_numero(texto))
        return QString();
    const int soma = somaModulo10(texto);
    const int dezenaSeguinte = (soma / 10 + 1) * 10;
    const int distancia = dezenaSeguinte - soma;
    return QString::number(distancia == 10 ? 0 : distancia);
}

QString Modulo11_arrecadacao(const QString &texto)
{
    if (!Le_como_numero(texto))
        return QString();
    int soma = 0;
    int peso = 2;
    for (qsizetype i = texto.size() - 1; i >= 0; --i) {
        soma += valorDigito(texto.at(i)) * peso;
        peso = (peso == 9) ? 2 : peso + 1;
    }
    const int r = soma % 11;
    if (r == 0 || r == 1)
        return QStringLiteral("0");
    if (r == 10)
        return QStringLiteral("1");
    return QString::number(11 - r);
}

int Meses_entre(const QDate &d0, const QDate &d1)
{
    int meses = 12 * (d1.year() - d0.year()) + (d1.month() - d0.month());
    if (d1.day() > d0.day())
        ++meses;
    return meses;
}

} // namespace Aplicativos
