#pragma once
#include "linha_soma.h"

#include <optional>

class clsRecebimentos;

// The database side of recording one item of the sum list: the movement's
// next authentication number and the row, in one transaction.
namespace GravaRecebimento {

// The movement's highest authentication number plus one (1 for none);
// nothing when the look-up failed (the error is left pending).
std::optional<int> proximaAutenticacao(int idMovimento);

// Writes the row with the number, in one transaction, only while the number is
// still the next one. True when committed. Errors of the record class are
// reported under "Função Grava_item_recebido".
bool grava(clsRecebimentos &recebimentos, const LinhaSoma &linha, int idMovimento, int numero);

} // namespace GravaRecebimento
