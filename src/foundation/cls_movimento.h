#pragma once
#include "registro.h"

// Movimento: one working day of the station.
class clsMovimento : public clsRegistro {
public:
    clsMovimento() : clsRegistro(QStringLiteral("clsMovimento")) {}

    int ID = 0;
    QDate MDATA = dataZero();
    int MOV = 0;
    QString STATUS;
    Currency VALOR_ARRECADADO;
    Currency ENTRADA;
    Currency SAIDA;
    Currency SUPRIMENTO;

    bool SQLSelect(int id = 0);
    // Without a key the database numbers the row and ID receives its number.
    bool SQLInsert(int id = 0);
    bool SQLUpdate(int id = 0);
    // The closing totals and status; MDATA and MOV stay as they are.
    bool SQLUpdate_Arrecadado(int id = 0);
    bool SQLDelete(int id = 0);
};
