#pragma once
#include "registro.h"

// Suprimentos: supplies.
class clsSuprimentos : public clsRegistro {
public:
    clsSuprimentos() : clsRegistro(QStringLiteral("clsSuprimentos")) {}

    int ID = 0;
    QString DESCRICAO;
    int TIPO = 0;
    Currency VALOR;

    // Mode 1 inserts (ID receives the new row's number when it was 0), mode 2
    // updates the row of ID.
    bool SQLInsert(int modo);
    bool SQLDelete(int id = 0);
};
