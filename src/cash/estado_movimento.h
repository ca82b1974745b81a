#pragma once
#include <QString>

// What the cash windows know of the main window's movement, and the one rule
// that no change is made to a closed day. Every cash window asks here, at the
// moment of the change, so a closing done while a window is open is seen.
namespace Caixa {

// The movement open or on view in the main window; 0 without a main window.
int idMovimento();
// The mode letter the main window left for the cash entries window.
QString modoLancamento();

// True when the movement's STATUS is "FECHADO", or when it cannot be read
// (the read failure has been reported). A movement without a row counts as
// open, as it always has.
bool movimentoFechado(int id);

// Shows the refusal (exclamation icon, "Aviso") and answers true when the
// main window's movement is closed; answers false, showing nothing, otherwise.
bool recusaSeFechado(const QString &mensagem);
// The two refusals every cash window gives: a change, and a deletion.
bool recusaAlteracaoSeFechado();
bool recusaExclusaoSeFechado();

} // namespace Caixa
