#pragma once
#include "currency.h"

#include <QString>

class QComboBox;
class QLineEdit;

// The movement's totals and the difference rule of the cash counts.
namespace Caixa {

// The kinds of money: document types marked PADRAO 'S'.
extern const QString kSqlEspecies;

// Fills the combo with the kinds of money (text DESCRICAO, data IDCOD). False,
// with the combo as it was, when there is none or the query failed.
bool preencheEspecies(QComboBox *combo);

// The sum of the movement's received items; 0 when there is none (a failed
// read has been reported).
Currency somaRecebimentos(int idMovimento);
// The movement's entries minus its payments and withdrawals.
Currency somaEntradasSaidas(int idMovimento);

// Counted plus supply, minus received plus entries and exits: positive when
// the box holds more than the movement accounts for.
inline Currency diferenca(Currency contado, Currency suprimento, Currency arrecadado, Currency entradasSaidas)
{
    return (contado + suprimento) - (arrecadado + entradasSaidas);
}

// A total's text colour: blue above zero, red at zero or below.
void pintaTotal(QLineEdit *caixa, Currency valor);

} // namespace Caixa
