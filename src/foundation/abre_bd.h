#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace AbreBD {

// The program's start: refuses a second instance (answers false, shows
// nothing), creates gDataAccess, opens the database, loads the settings and
// shows the window the factory makes. Answers true when the program goes on.
bool Main(const std::function<QWidget *()> &formInicial);

// Opens caixa.db in the program's folder; on failure the error report names "Função Open".
bool Abre_conexao();
// Closes the one connection, and the one to the treasury's server (start form
// exit, main window unload).
void Fecha_conexao();

// caixa.db in the program's folder.
QString arquivoBanco();

// Releases the single-instance lock (tests that start the program twice in one process).
void liberaInstancia();

} // namespace AbreBD
