#include "lancamentos.h"

#include "cls_itens.h"
#include "error_report.h"
#include "globals.h"

#include <QSqlDatabase>
#include <QSqlError>

namespace Lancamentos {

namespace {

const QString kPlaceGrava = QStringLiteral("Função Salvar");
const QString kPlaceExclui = QStringLiteral("Função Excluir");

CaixaError semConexao()
{
    return CaixaError(3709, QStringLiteral("A conexão com o banco de dados não está aberta."),
                      QStringLiteral("Lancamentos"));
}

// Whether the head row exists; nothing when the read failed (reported).
std::optional<bool> existe(int id, const QString &place)
{
    const RecordsetPtr rs = clsDataAccess::selectQuiet(QStringLiteral("SELECT ID FROM Sangria WHERE ID = ?"), {id});
    if (!rs) {
        Aplicativos::Trata_erro(place);
        return std::nullopt;
    }
    return rs->RecordCount() > 0;
}

// The statements ran: the commit decides, and its failure is reported here,
// since no statement of the data-access layer saw it.
bool confirma(Transacao &t, const QString &place)
{
    if (t.commit())
        return true;
    Aplicativos::Trata_erro(CaixaError(-1, Conexao::banco().lastError().text(), QStringLiteral("SQLite")), place);
    return false;
}

bool gravaCabeca(clsSangria &cabeca)
{
    return cabeca.SQLInsert(cabeca.ID == 0 ? 1 : 2);
}

bool gravaItens(int idSangria, const QList<ItemLancamento> &itens, const QList<int> &excluidos)
{
    clsItens item;
    for (const int id : excluidos) {
        // Only a line of this head row can go.
        if (!clsDataAccess().SQLExecute(QStringLiteral("DELETE FROM Itens WHERE ID = ? AND IDSANGRIA = ?"),
                                        {id, idSangria}))
            return false;
    }
    for (const ItemLancamento &i : itens) {
        if (i.ID != 0)
            continue;
        item.IDSANGRIA = idSangria;
        item.ESPECIE = i.ESPECIE;
        item.NUMERO = i.NUMERO;
        item.VALOR = i.VALOR;
        if (!item.SQLInsert(1))
            return false;
    }
    return true;
}

} // namespace

QString tipoDoModo(const QString &modo)
{
    if (modo == QLatin1String("A"))
        return QStringLiteral("ENTRADA");
    if (modo == QLatin1String("P"))
        return QStringLiteral("SAIDA");
    if (modo == QLatin1String("S"))
        return QStringLiteral("SANGRIA");
    return QString();
}

std::optional<clsSangria> carrega(int id)
{
    if (!AbreBD::gDataAccess)
        return std::nullopt;
    const RecordsetPtr rs = AbreBD::gDataAccess->SQLSelect_ReadOnly(
        QStringLiteral("SELECT * FROM Sangria WHERE ID = ?"), {id});
    if (!clsDataAccess::CheckValidRecordset(rs))
        return std::nullopt;
    clsSangria s;
    s.ID = rs->Fields(QStringLiteral("ID")).toInt();
    s.IDMOVIMENTO = rs->Fields(QStringLiteral("IDMOVIMENTO")).toInt();
    s.SDATA = QDate::fromString(rs->Fields(QStringLiteral("SDATA")).toString().left(10), Qt::ISODate);
    s.TIPO = rs->Fields(QStringLiteral("TIPO")).toString();
    s.ENTRADA = Currency::fromRaw(rs->Fields(QStringLiteral("ENTRADA")).toLongLong());
    s.SAIDA = Currency::fromRaw(rs->Fields(QStringLiteral("SAIDA")).toLongLong());
    s.DESCRICAO = rs->Fields(QStringLiteral("DESCRICAO")).toString();
    return s;
}

std::optional<QList<ItemLancamento>> itens(int idSangria)
{
    if (!AbreBD::gDataAccess)
        return std::nullopt;
    // A line whose kind was removed from CodBarra still counts in the amount.
    AbreBD::gSQL = QStringLiteral("SELECT Itens.ID, Itens.IDSANGRIA, Itens.NUMERO, Itens.VALOR, CodBarra.DESCRICAO, "
                                  "Itens.ESPECIE FROM Itens LEFT JOIN CodBarra ON CodBarra.IDCOD = Itens.ESPECIE "
                                  "WHERE IDSANGRIA = ? ORDER BY Itens.ID");
    const RecordsetPtr rs = AbreBD::gDataAccess->SQLSelect_ReadOnly(AbreBD::gSQL, {idSangria});
    if (!rs)
        return std::nullopt;
    QList<ItemLancamento> out;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        ItemLancamento i;
        i.ID = rs->Fields(QStringLiteral("ID")).toInt();
        i.ESPECIE = rs->Fields(QStringLiteral("ESPECIE")).toInt();
        i.especie = rs->Fields(QStringLiteral("DESCRICAO")).toString();
        i.NUMERO = rs->Fields(QStringLiteral("NUMERO")).toString();
        i.VALOR = Currency::fromRaw(rs->Fields(QStringLiteral("VALOR")).toLongLong());
        out << i;
    }
    return out;
}

Currency soma(const QList<ItemLancamento> &itens)
{
    Currency total;
    for (const ItemLancamento &i : itens)
        total += i.VALOR;
    return total;
}

Resultado grava(clsSangria &cabeca, const QList<ItemLancamento> &itens, const QList<int> &excluidos)
{
    const int idAntes = cabeca.ID;
    Resultado r = Resultado::Falhou;
    try {
        Transacao t;
        if (!t.ativa())
            throw semConexao();
        const std::optional<bool> haLinha = idAntes == 0 ? std::optional<bool>(true) : existe(idAntes, kPlaceGrava);
        if (haLinha && !*haLinha)
            r = Resultado::NaoEncontrado;
        else if (haLinha && gravaCabeca(cabeca) && gravaItens(cabeca.ID, itens, excluidos) && confirma(t, kPlaceGrava))
            r = Resultado::Gravado;
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, kPlaceGrava);
    }
    if (r != Resultado::Gravado)
        cabeca.ID = idAntes;
    return r;
}

Resultado exclui(int id)
{
    try {
        Transacao t;
        if (!t.ativa())
            throw semConexao();
        const std::optional<bool> haLinha = existe(id, kPlaceExclui);
        if (!haLinha)
            return Resultado::Falhou;
        if (!*haLinha)
            return Resultado::NaoEncontrado;
        clsSangria cabeca;
        if (clsDataAccess().SQLExecute(QStringLiteral("DELETE FROM Itens WHERE IDSANGRIA = ?"), {id})
            && cabeca.SQLDelete(id) && confirma(t, kPlaceExclui))
            return Resultado::Gravado;
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, kPlaceExclui);
    }
    return Resultado::Falhou;
}

} // namespace Lancamentos
