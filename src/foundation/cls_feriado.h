#pragma once
#include "registro.h"

// Feriados: one row per holiday.
class clsFeriado : public clsRegistro {
public:
    clsFeriado() : clsRegistro(QStringLiteral("clsFeriado")) {}

    QDate FERIADO = dataZero();
    int ID = 0;

    bool SQLInsert();
    // With a key, deletes that row; with 0 or none, empties the table (the
    // holidays screen rewrites the whole list that way).
    bool SQLDelete(int id = 0);
};
