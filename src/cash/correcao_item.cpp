#include "correcao_item.h"

#include "cls_autenticadora.h"
#include "data_access.h"
#include "error_report.h"

namespace CorrecaoItem {

namespace {

// The item as stored, read inside the caller's transaction; false when the
// movement has no such item (or it could not be read).
bool le(int idMovimento, int idRecebe, clsRecebimentos &item)
{
    return item.SQLSelect(idRecebe) && item.IDRECEBE == idRecebe && item.IDMOVIMENTO == idMovimento;
}

template <class Muda>
Resultado emTransacao(int idMovimento, int idRecebe, clsRecebimentos *antes, Muda muda)
{
    try {
        Transacao t;
        clsRecebimentos item;
        if (!le(idMovimento, idRecebe, item))
            return Resultado::NaoEncontrado;
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
