#pragma once
#include "currency.h"

#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The typing rules the cash windows share.
namespace Caixa {

// An amount as the teller types it: "1.234,56", "1234,56", "1234", "R$ 10,00".
// Nothing for an empty text, for anything that is not money, and for more than
// two decimals (a point is never a decimal separator here).
std::optional<Currency> leValor(const QString &texto);

// "Você precisa informar um valor válido!!" (exclamation icon, "Aviso").
void avisaValorInvalido();

// Keys typed into the box pass only when Filtra_numero lets them (digits, the
// comma, Backspace); a letter A to Z moves the focus to `letras` when given.
void filtraNumero(QLineEdit *caixa, QWidget *letras = nullptr);

// When the focus leaves the box for another control, an amount in it is
// shown as "#,##0.00"; text that is not money stays as typed. Going to
// another window, or Enter pressing the default button, formats nothing.
void formataAoSair(QLineEdit *caixa);

// Pressing the right button on a row of the list hands that row to
// `escolhe`, as a click would, before the popup menu opens; a menu opened
// from the keyboard (the Menu key, Shift+F10) chooses nothing, whatever row
// is current.
void escolheComBotaoDireito(QTreeWidget *lista, std::function<void(QTreeWidgetItem *)> escolhe);

// Enter in the widget moves the focus on, like Tab.
void enterComoTab(QWidget *campo);

// Typed letters turn into capitals as they are typed; a multi-line box also
// keeps at most `limite` characters.
void maiusculas(QLineEdit *caixa);
void maiusculas(QPlainTextEdit *caixa, int limite);

} // namespace Caixa
