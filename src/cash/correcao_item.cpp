#include "correcao_item.h"

#include "cls_autenticadora.h"
#include "data_access.h"
#include "error_report.h"

namespace CorrecaoItem {

namespace {

// The item as stored, read inside the caller's transaction. A column left
// Null reads as empty, so an item written by other means can be corrected too.
Resultado le(int idMovimento, int idRecebe, clsRecebimentos &item)
{
    const RecordsetPtr rs = item.DataObject()->SQLSelect_ReadOnly(
        QStringLiteral("SELECT AUTENTICA, CODBARRA, IDMOVIMENTO, IDRECEBE, TIPO, INTEGRA, EXPORT, VALOR, VENCIMENTO, "
                       "PARCELA, OBS FROM Recebimentos WHERE IDRECEBE = ? AND IDMOVIMENTO = ?"),
        {idRecebe, idMovimento});
    if (!rs)
        return Resultado::Falhou;
    if (rs->RecordCount() != 1)
        return Resultado::NaoEncontrado;
    const auto inteiro = [&](const char *campo) { return rs->Fields(QString::fromLatin1(campo)).toInt(); };
    const auto texto = [&](const char *campo) { return rs->Fields(QString::fromLatin1(campo)).toString(); };
    item.AUTENTICA = inteiro("AUTENTICA");
    item.CodBarra = texto("CODBARRA");
    item.IDMOVIMENTO = inteiro("IDMOVIMENTO");
    item.IDRECEBE = inteiro("IDRECEBE");
    item.TIPO = inteiro("TIPO");
    item.INTEGRA = inteiro("INTEGRA");
    item.EXPORT = inteiro("EXPORT");
    item.VALOR = Currency::fromRaw(rs->Fields(QStringLiteral("VALOR")).toLongLong());
    item.vencimento = texto("VENCIMENTO");
    item.PARCELA = texto("PARCELA");
    item.OBS = texto("OBS");
    return Resultado::Gravado;
}

template <class Muda>
Resultado emTransacao(int idMovimento, int idRecebe, clsRecebimentos *antes, Muda muda)
{
    try {
        Transacao t;
        clsRecebimentos item;
        const Resultado lido = le(idMovimento, idRecebe, item);
        if (lido != Resultado::Gravado)
            return lido;
        if (antes)
            *antes = item;
        if (!muda(item) || !t.commit())
            return Resultado::Falhou;
        return Resultado::Gravado;
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, QStringLiteral("frmCorrigeGuia"));
        return Resultado::Falhou;
    }
}

QString nota(const QString &mensagem)
{
    clsAutenticadora a;
    a.setMENSAGEM(mensagem);
    a.OperacaoCaixa(); // printed whatever its width
    return a.AbreFita();
}

} // namespace

Resultado altera(int idMovimento, int idRecebe, int tipo, Currency valor, clsRecebimentos *antes)
{
    return emTransacao(idMovimento, idRecebe, antes, [&](clsRecebimentos &item) {
        item.TIPO = tipo;
        item.VALOR = valor;
        return item.SQLUpdate();
    });
}

Resultado exclui(int idMovimento, int idRecebe, clsRecebimentos *removido)
{
    return emTransacao(idMovimento, idRecebe, removido, [](clsRecebimentos &item) { return item.SQLDelete(); });
}

QString notaValor(const QString &aut, Currency novo)
{
    return nota(QStringLiteral("(*) ALT. ITEM: ") + aut + QStringLiteral(" NOVO VALOR: ") + novo.format());
}

QString notaTipo(const QString &aut, const QString &tipoNovo)
{
    return nota(QStringLiteral("(*) ALT. ITEM: ") + aut + QStringLiteral(" NOVO TIPO: ")
                + tipoNovo.left(10).rightJustified(10, QLatin1Char(' ')));
}

QString notaEstorno(const QString &aut, Currency valor)
{
    return nota(QStringLiteral("(-)  ESTORNO ITEM: ") + aut + QStringLiteral(" ---> ")
                + valor.format().rightJustified(12, QLatin1Char(' ')));
}

} // namespace CorrecaoItem
