#pragma once
#include <QDate>
#include <QString>

// Check digits of the FEBRABAN bar codes and typed lines, and the month
// count of the interest rules. Pure functions: no state, no database.
namespace Aplicativos {

// General check digit of a bank-document bar code (its position 5), over the
// 43 other digits: 1 to 9. Answers 0, which no code carries, for anything that
// is not exactly 43 digits.
int Modulo11_barra(const QString &digitos);

// Modulo 10 of a collection code (value identifier 6 or 7) and of the blocks
// of a collection typed line. "" when the text does not read as a number.
QString Modulo10(const QString &texto);

// Modulo 10 of the fields of a bank typed line; the same digit as Modulo10.
QString Modulo10_campo(const QString &texto);

// Modulo 11 of a collection code (value identifier 8 or 9) and of its typed
// blocks. "" when the text does not read as a number.
QString Modulo11_arrecadacao(const QString &texto);

// Months of delay from d0 to d1; a started month counts whole. Negative when
// d1 comes first.
int Meses_entre(const QDate &d0, const QDate &d1);

// True when the text reads as a number the Brazilian way ("1.234,5", " 12 ", "-3").
bool Le_como_numero(const QString &texto);

} // namespace Aplicativos
