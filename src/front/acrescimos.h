#pragma once
#include "currency.h"

#include <QDate>

// Interest and fine of an overdue document, by the rule of the setting
// [Opcoes] juros: 1 = 1 % a month plus 0,33 % a day (at most 10 %);
// 2 = a 2 % fine plus 1 % a month; any other rule adds nothing.
struct Acrescimos {
    QDate vencimento;
    Currency mora;   // "(+) Mora / Multa"
    Currency outros; // "(+) Outros Acrescimos"
    Currency total;  // "(=) Valor à Cobrar": amount + mora + outros
};

Acrescimos Calcula_acrescimos(const QDate &vencimento, const QDate &dataCaixa, Currency valor, int regra);
