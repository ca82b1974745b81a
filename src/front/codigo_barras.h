#pragma once
#include <QDate>
#include <QString>

// The 44-digit bar code of the payment documents: what its positions carry.
// Positions are counted from 1, as the banks print them.
namespace CodigoBarras {

constexpr int Tamanho = 44;

// The text of positions [de, ate] of the code.
QString posicoes(const QString &codigo, int de, int ate);

// True for exactly 44 decimal digits.
bool soDigitos(const QString &codigo);

// Due date of a bank document's factor (days after 7 October 1997). The factor
// ran out at 9999 (21/02/2025) and started again at 1000 on 22/02/2025; a factor
// from 1000 up is read as the date of the cycle nearest the cash day, so a slip
// of either cycle gets its own date. Factors below 1000, and any factor when the
// cash day is unknown, read in the first cycle.
QDate vencimentoFator(int fator, const QDate &dataCaixa);

} // namespace CodigoBarras
