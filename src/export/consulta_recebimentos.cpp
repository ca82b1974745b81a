#include "consulta_recebimentos.h"
#include "error_report.h"
#include "globals.h"

RecordsetPtr consultaRecebimentos(int idMovimento, int idTipo, int flagExport)
{
    return clsDataAccess::selectQuiet(
        QStringLiteral("SELECT Recebimentos.IDRECEBE, Recebimentos.AUTENTICA, Recebimentos.VALOR, "
                       "Recebimentos.CODBARRA, Recebimentos.EXPORT FROM Recebimentos, CodBarra "
                       "WHERE Recebimentos.TIPO = CodBarra.IDCOD and Recebimentos.IDMOVIMENTO = ? "
                       "and Recebimentos.TIPO = ? AND Recebimentos.EXPORT = ? "
                       "ORDER BY Recebimentos.IDRECEBE"),
        {idMovimento, idTipo, flagExport});
}
