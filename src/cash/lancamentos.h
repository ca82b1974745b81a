#pragma once
#include "cls_sangria.h"
#include "currency.h"

#include <QList>
#include <QString>
#include <optional>

// One line of the breakdown of a cash entry by kind of money.
struct ItemLancamento {
    int ID = 0; // 0 while the line is not stored
    int ESPECIE = 0;
    QString especie; // the kind's DESCRICAO
    QString NUMERO;
    Currency VALOR;
};

// The head rows of table Sangria with their Itens lines, which are written and
// deleted together: no line without its head row, no head row half written.
namespace Lancamentos {

// The TIPO of a mode letter: "A" ENTRADA, "P" SAIDA, "S" SANGRIA, else "".
QString tipoDoModo(const QString &modo);

// The head row of the ID; nothing when there is none or the read failed.
std::optional<clsSangria> carrega(int id);
// The head row's lines in the order they were stored; nothing when the read
// failed (reported).
std::optional<QList<ItemLancamento>> itens(int idSangria);
Currency soma(const QList<ItemLancamento> &itens);

enum class Resultado { Gravado, Falhou, NaoEncontrado };

// In one transaction: the head row is inserted (ID 0; ID then receives the new
// number) or updated, the lines of `excluidos` are deleted and the lines of
// `itens` that have no ID are inserted under it. On any failure nothing is
// written and cabeca.ID is what it was. NaoEncontrado: the row to update no
// longer exists.
Resultado grava(clsSangria &cabeca, const QList<ItemLancamento> &itens, const QList<int> &excluidos);

// Deletes the head row and every line of it in one transaction.
Resultado exclui(int id);

} // namespace Lancamentos
