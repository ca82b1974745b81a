#pragma once
#include "cls_recebimentos.h"
#include "currency.h"

#include <QString>

// The changes a supervisor makes to an item already received: its type and
// value altered, or the item reversed (deleted). Only an item of the given
// movement is touched, and each change is one transaction.
namespace CorrecaoItem {

enum class Resultado { Gravado, Falhou, NaoEncontrado };

// Sets TIPO and VALOR of the item and leaves every other column as stored.
// `antes` receives the row as it was.
Resultado altera(int idMovimento, int idRecebe, int tipo, Currency valor, clsRecebimentos *antes = nullptr);

// Deletes the item; `removido` receives the row as it was. An item that is
// gone already answers NaoEncontrado, so a reversal never happens twice.
Resultado exclui(int idMovimento, int idRecebe, clsRecebimentos *removido = nullptr);

// The tape notes (40-column lines joined by LF) for the authentication printer.
QString notaValor(const QString &aut, Currency novo);
QString notaTipo(const QString &aut, const QString &tipoNovo);
// An amount wider than its 12 columns is printed whole.
QString notaEstorno(const QString &aut, Currency valor);

} // namespace CorrecaoItem
