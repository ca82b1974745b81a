#pragma once
#include "recordset.h"

#include <QString>

// The movement's received items of one document type with one export flag
// (0 pending, 1 rejected): IDRECEBE, AUTENTICA, VALOR, CODBARRA, EXPORT, in
// the order they were received. Nothing when the query failed: the error is
// left pending (Aplicativos::Err) for the caller's report.
RecordsetPtr consultaRecebimentos(int idMovimento, int idTipo, int flagExport);

