#include "consulta_recebimentos.h"
#include "data_access.h"
#include "error_report.h"
#include "globals.h"

#include <QSqlQuery>

namespace {

QString sqlRecebimentos()
{
    return QStringLiteral("SELECT Recebimentos.IDRECEBE, Recebimentos.AUTENTICA, Recebimentos.VALOR, "
                          "Recebimentos.CODBARRA, Recebimentos.EXPORT FROM Recebimentos, CodBarra "
                          "WHERE Recebimentos.TIPO = CodBarra.IDCOD and Recebimentos.IDMOVIMENTO = ? "
                          "and Recebimentos.TIPO = ? AND Recebimentos.EXPORT = ? "
                          "ORDER BY Recebimentos.IDRECEBE");
}

} // namespace

RecordsetPtr consultaRecebimentos(int idMovimento, int idTipo, int flagExport)
{
    return clsDataAccess::selectQuiet(sqlRecebimentos(), {idMovimento, idTipo, flagExport});
}

bool leItensRecebimentos(int idMovimento, int idTipo, int flagExport, QList<ItemExportacao> *itens)
{
    return clsDataAccess::percorreQuiet(sqlRecebimentos(), {idMovimento, idTipo, flagExport},
                                        [itens](const QSqlQuery &linha) {
                                            itens->append({linha.value(1).toString(), linha.value(3).toString(),
                                                           Currency::fromRaw(linha.value(2).toLongLong())});
                                        });
}
