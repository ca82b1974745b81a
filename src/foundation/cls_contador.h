#pragma once
#include "registro.h"

// Contador: the last movement number given out in each year.
class clsContador : public clsRegistro {
public:
    clsContador() : clsRegistro(QStringLiteral("clsContador")) {}

    int ANO = 0;
    int CONTADOR = 0;

    bool SQLSelect(int ano = 0);
    bool SQLInsert(int ano = 0);
    bool SQLUpdate(int ano = 0);
    bool SQLDelete(int ano = 0);
};
