#pragma once
#include "registro.h"

// ConfCaixa: one counted line of a movement's closing cash count.
class clsConfCaixa : public clsRegistro {
public:
    clsConfCaixa() : clsRegistro(QStringLiteral("clsConfCaixa")) {}

    int ESPECIE = 0; // CodBarra.IDCOD of the kind of money
    int ID = 0;
    int IDMOVIMENTO = 0;
    QString NUMERO;
    Currency VALOR;

    // With a key the row gets that ID; without one the database numbers it
    // (ID is not read back).
    bool SQLInsert(int id = 0);
    bool SQLUpdate(int id = 0);
    bool SQLDelete(int id = 0);
};
