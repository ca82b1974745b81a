#include "grava_recebimento.h"

#include "cls_recebimentos.h"
#include "data_access.h"
#include "error_report.h"

namespace GravaRecebimento {

std::optional<int> proximaAutenticacao(int idMovimento)
{
    const RecordsetPtr rs = clsDataAccess::selectQuiet(
        QStringLiteral("SELECT MAX(AUTENTICA) as MaxAUT FROM Recebimentos WHERE IDMOVIMENTO = ?"), {idMovimento});
    if (!rs || rs->RecordCount() != 1)
        return std::nullopt;
    const QVariant maior = rs->Fields(0);
    return maior.isNull() ? 1 : maior.toInt() + 1;
}

bool grava(clsRecebimentos &recebimentos, const LinhaSoma &linha, int idMovimento, int numero)
{
    try {
        Transacao t;
        // The number printed on the document is the one stored, or nothing is.
        if (!t.ativa() || proximaAutenticacao(idMovimento) != numero)
            return false;
        recebimentos.IDMOVIMENTO = idMovimento;
        recebimentos.TIPO = linha.idTipo;
        recebimentos.VALOR = linha.valor;
        recebimentos.CodBarra = linha.codBarra;
        recebimentos.vencimento = linha.vencimento;
        recebimentos.PARCELA = linha.parcela;
        recebimentos.OBS = linha.obs;
        recebimentos.AUTENTICA = numero;
        recebimentos.INTEGRA = 0;
        recebimentos.EXPORT = 0;
        return recebimentos.SQLInsert() && t.commit();
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, QStringLiteral("Função Grava_item_recebido"));
    }
    return false;
}

} // namespace GravaRecebimento
