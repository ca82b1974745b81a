#include "totais_movimento.h"

#include "globals.h"
#include "usuarios.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

namespace Caixa {

const QString kSqlEspecies = QStringLiteral("Select IDCOD, DESCRICAO FROM CodBarra where PADRAO = 'S';");

bool preencheEspecies(QComboBox *combo)
{
    return AbreBD::Preenche_lista(kSqlEspecies, combo);
}

namespace {

// The first field of the query's single row as money; 0 for no row, a Null
// sum or a failed read.
Currency somaUnica(const QString &sql, const QString &campo, int id)
{
    if (!AbreBD::gDataAccess)
        return {};
    const RecordsetPtr rs = AbreBD::gDataAccess->SQLSelect_ReadOnly(sql, {id});
    if (!rs || rs->RecordCount() != 1)
        return {};
    bool ok = false;
    const qlonglong raw = rs->Fields(campo).toLongLong(&ok);
    return ok ? Currency::fromRaw(raw) : Currency();
}

} // namespace

Currency somaRecebimentos(int idMovimento)
{
    return somaUnica(QStringLiteral("SELECT SUM(VALOR) as VALOR FROM RECEBIMENTOS WHERE IDMOVIMENTO = ?"),
                     QStringLiteral("VALOR"), idMovimento);
}

Currency somaEntradasSaidas(int idMovimento)
{
    return somaUnica(QStringLiteral("SELECT Sangria.IDMOVIMENTO, (Sum(Sangria.ENTRADA) - Sum(Sangria.SAIDA)) AS SOMA "
                                    "From Sangria GROUP BY Sangria.IDMOVIMENTO HAVING Sangria.IDMOVIMENTO = ?"),
                     QStringLiteral("SOMA"), idMovimento);
}

void pintaTotal(QLineEdit *caixa, Currency valor)
{
    QPalette p = caixa->palette();
    p.setColor(QPalette::Text, valor > Currency() ? QColor(0, 0, 255) : QColor(255, 0, 0));
    caixa->setPalette(p);
}

} // namespace Caixa
