#pragma once
#include "registro.h"

// Itens: one line of the breakdown of a Sangria row by kind of money.
class clsItens : public clsRegistro {
public:
    clsItens() : clsRegistro(QStringLiteral("clsItens")) {}

    int ESPECIE = 0; // CodBarra.IDCOD of the kind of money
    int ID = 0;
    int IDSANGRIA = 0;
    QString NUMERO;
    Currency VALOR;

    // Mode 1 inserts (ID is not read back), mode 2 updates the row of ID.
    bool SQLInsert(int modo);
    bool SQLDelete(int id = 0);
};
