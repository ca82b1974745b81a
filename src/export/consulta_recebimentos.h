#pragma once
#include "item_exportacao.h"
#include "recordset.h"

#include <QList>
#include <QString>

// The movement's received items of one document type with one export flag
// (0 pending, 1 rejected): IDRECEBE, AUTENTICA, VALOR, CODBARRA, EXPORT, in
// the order they were received. Nothing when the query failed: the error is
// left pending (Aplicativos::Err) for the caller's report.
RecordsetPtr consultaRecebimentos(int idMovimento, int idTipo, int flagExport);

// The same items added to itens as the return files need them, without a
// copy of the rows in between. False when the query failed (error pending).
bool leItensRecebimentos(int idMovimento, int idTipo, int flagExport, QList<ItemExportacao> *itens);
