#pragma once
#include "registro.h"

// Usuarios: who may log in. The password is stored as typed.
class clsUsuarios : public clsRegistro {
public:
    clsUsuarios() : clsRegistro(QStringLiteral("clsUsuarios")) {}

    int ID = 0;
    QString NOME;
    QString SENHA;
    QString TIPO; // "ADM" or "USER"
    int ATIVO = 0; // 1 when the user may log in

    // Mode 1 inserts (ID receives the new row's number when it was 0), mode 2
    // updates the row of ID.
    bool SQLInsert(int modo);
    bool SQLDelete(int id = 0);
};
