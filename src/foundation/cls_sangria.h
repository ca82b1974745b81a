#pragma once
#include "registro.h"

// Sangria: one cash entry, payment or withdrawal of a movement.
class clsSangria : public clsRegistro {
public:
    clsSangria() : clsRegistro(QStringLiteral("clsSangria")) {}

    QString DESCRICAO;
    QString TIPO; // "ENTRADA", "SAIDA" or "SANGRIA"
    int ID = 0;
    int IDMOVIMENTO = 0;
    QDate SDATA = dataZero();
    Currency ENTRADA;
    Currency SAIDA;

    // Mode 1 inserts and ID receives the new row's number; mode 2 updates the row of ID.
    bool SQLInsert(int modo);
    bool SQLDelete(int id = 0);
};
