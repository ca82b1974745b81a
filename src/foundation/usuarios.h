#pragma once
#include "data_access.h"

#include <QString>

class QComboBox;

namespace AbreBD {

// The login check: true when exactly one user has this password (compared
// exactly, case included) and that user is active; gUsuario and gTipoUsuario
// then name the user. A refused password changes neither.
bool Valida_senha(const QString &senha);

// The type of the password's owner ("ADM" for an administrator, active or
// not); "USER" when no single user has it.
QString Tipo_usuario(const QString &senha);

// Fills the combo box from a query of two columns, id and text: the text is
// shown, the id kept as the item's data. False (the box keeps its earlier
// items) when the query gives no row or fails.
bool Preenche_lista(const QString &sql, QComboBox *lista, const SqlParams &params = {});

// Asks for a password in the masked input box; "" when cancelled.
QString PedeSenha(const QString &prompt);

} // namespace AbreBD
