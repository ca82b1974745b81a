#include "consultas.h"
#include "globals.h"

#include "error_report.h"
#include "network.h"
#include "servidor_rede.h"

#include <optional>

namespace Aplicativos {
namespace {

// Runs a look-up through gSQL and gRs and closes gRs again; the rows stay
// with the caller. Null when the query could not run.
RecordsetPtr consulta(const QString &sql, const QVariant &valor)
{
    AbreBD::gSQL = sql;
    AbreBD::gRs = AbreBD::gDataAccess ? AbreBD::gDataAccess->SQLSelect_ReadOnly(sql, {valor}) : nullptr;
    RecordsetPtr rs = std::move(AbreBD::gRs);
    AbreBD::gRs.reset();
    return rs;
}

// The look-up's row count; nothing when the query could not run.
std::optional<int> contaLinhas(const QString &sql, const QVariant &valor)
{
    if (const RecordsetPtr rs = consulta(sql, valor))
        return rs->RecordCount();
    return std::nullopt;
}

std::optional<int> feriadosNoDia(const QDate &data)
{
    return contaLinhas(QStringLiteral("SELECT * FROM Feriados where feriado = ?;"), data);
}

bool fimDeSemana(const QDate &data)
{
    return data.dayOfWeek() == Qt::Saturday || data.dayOfWeek() == Qt::Sunday;
}

} // namespace

QDate Proximo_dia_util(const QDate &data)
{
    QDate dia = data.addDays(1);
    for (;; dia = dia.addDays(1)) {
        if (fimDeSemana(dia))
            continue;
        const std::optional<int> feriados = feriadosNoDia(dia);
        // An unreadable holidays table would make every day a holiday.
        if (!feriados || *feriados == 0)
            return dia;
    }
}

bool E_feriado(const QDate &data)
{
    return feriadosNoDia(data).value_or(1) > 0;
}

QString Pega_codbanco(int idTipo)
{
    const RecordsetPtr rs = consulta(QStringLiteral("SELECT CODBANCO FROM CodBarra where IDCOD = ?"), idTipo);
    return rs && rs->RecordCount() == 1 ? rs->Fields(0).toString() : QString();
}

bool Existe_recebimento(const QString &codBarra)
{
    return contaLinhas(QStringLiteral("SELECT IDRECEBE FROM Recebimentos where CODBARRA = ?;"), codBarra)
               .value_or(1) > 0;
}

bool Existe_recebimentos1(const QString &codBarra)
{
    const QString sql = QStringLiteral("SELECT ID FROM RECEBIMENTOS1 where CODBARRA = ?;");
    if (!Platform::ServidorRede::servicoDefinido())
        return contaLinhas(sql, codBarra).value_or(1) > 0;
    AbreBD::gSQL = sql;
    AbreBD::gRs.reset();
    QSqlError erro;
    if (const auto linhas = Platform::ServidorRede::consulta(sql, {codBarra}, &erro))
        return !linhas->isEmpty();
    // Reported as the data-access object reports a failed look-up.
    bool numerico = false;
    const int numero = erro.nativeErrorCode().toInt(&numerico);
    // The server's first line says what failed; the rest quotes the statement.
    QString texto = (erro.databaseText().isEmpty() ? erro.text() : erro.databaseText()).section(QLatin1Char('\n'), 0, 0);
    if (!erro.nativeErrorCode().isEmpty())
        texto += QStringLiteral(" (SQLSTATE %1)").arg(erro.nativeErrorCode());
    Trata_erro(CaixaError(numerico ? numero : -1, texto, QStringLiteral("PostgreSQL")),
               QStringLiteral("Função sqlSelect_ReadyOnly em clsDataAccess"));
    return true;
}

bool Rede_ativa()
{
    if (Platform::ServidorRede::servicoDefinido())
        return Platform::ServidorRede::ativo();
    return Platform::networkAlive();
}

} // namespace Aplicativos
