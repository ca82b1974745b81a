#include "estado_movimento.h"

#include "frente_publica.h"
#include "globals.h"
#include "msg_box.h"

namespace Caixa {

int idMovimento()
{
    return AbreBD::gFrente ? AbreBD::gFrente->IdMovimento() : 0;
}

QString modoLancamento()
{
    return AbreBD::gFrente ? AbreBD::gFrente->txtstatus() : QString();
}

bool movimentoFechado(int id)
{
    if (!AbreBD::gDataAccess)
        return true;
    const RecordsetPtr rs =
        AbreBD::gDataAccess->SQLSelect_ReadOnly(QStringLiteral("SELECT STATUS FROM MOVIMENTO WHERE ID = ?"), {id});
    if (!rs)
        return true; // not knowing is no licence to write
    if (rs->RecordCount() != 1)
        return false;
    return rs->Fields(QStringLiteral("STATUS")).toString().trimmed().compare(QLatin1String("FECHADO"),
                                                                             Qt::CaseInsensitive)
           == 0;
}

bool recusaSeFechado(const QString &mensagem)
{
    if (!movimentoFechado(idMovimento()))
        return false;
    MsgBox(mensagem, Vb::vbExclamation, QStringLiteral("Aviso"));
    return true;
}

bool recusaAlteracaoSeFechado()
{
    return recusaSeFechado(QStringLiteral(
        "Você não pode efetuar nenhuma inclusão ou alteração de registro com o movimento fechado"));
}

bool recusaExclusaoSeFechado()
{
    return recusaSeFechado(QStringLiteral("Você não pode excluir!! O movimento desta data já foi fechado"));
}

} // namespace Caixa
