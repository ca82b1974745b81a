#pragma once
#include <QString>

class QTabWidget;
class QWidget;

// Shared procedures that many windows use.
namespace Aplicativos {

// One key of an INI file; "" when the file, section or key is missing; at most 254 characters.
QString Le_ini(const QString &section, const QString &key, const QString &file);
// Writes one key, creating file and section when missing. False when the file
// could not be written (the old file is then left whole).
bool Grava_ini(const QString &section, const QString &key, const QString &value, const QString &file);

// The key-press filter of the amount boxes: Backspace, the comma and digits pass
// (answered as the key code's decimal text), anything else answers "0".
QString Filtra_numero(int keyCode);
// Qt flavour of the same filter for a typed text: true when it may pass.
bool Filtra_numero_texto(const QString &typed);

// Number of separators in a non-empty text; -1 for an empty text; 0 for an empty separator.
int Conta_separador(const QString &text, const QString &separator);

// Closes and releases the first top-level window whose objectName is exactly the name.
bool Descarrega_form(const QString &name);

// Empties the typing boxes, check boxes and option buttons of a window and
// sets its date pickers to today.
void Limpa_campos(QWidget *window);

// Swaps the enabled page of a two-page tab control and selects it.
void Alterna_aba(QTabWidget *tabs);

// True when a required box is empty (property "Tag" 1, or not a number); every
// such box receives the focus in turn.
bool Verifica_campos(QWidget *window);

} // namespace Aplicativos

namespace mdTab {
// Sends one key event (a Windows virtual-key code) to the focused widget.
void Envia_tecla(int virtualKey, bool pressed);
}
