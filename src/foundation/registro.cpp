#include "registro.h"
#include "error_report.h"

#include <limits>

namespace {

// A text never given is written as an empty text, not as Null.
SqlParams semNulos(SqlParams params)
{
    for (QVariant &p : params)
        if (p.userType() == QMetaType::QString && p.toString().isNull())
            p = QVariant(QStringLiteral(""));
    return params;
}

CaixaError erroNulo(const QString &campo)
{
    return CaixaError(94, QStringLiteral("Uso inválido de Null"), campo);
}

CaixaError erroTipo(const QString &campo)
{
    return CaixaError(13, QStringLiteral("Tipos incompatíveis"), campo);
}

} // namespace

QVariant LinhaRegistro::valor(const QString &campo) const
{
    const QVariant v = m_rs.Fields(campo);
    if (!v.isValid() || v.isNull())
        throw erroNulo(campo);
    return v;
}

int LinhaRegistro::inteiro(const QString &campo) const
{
    bool ok = false;
    const qlonglong n = valor(campo).toLongLong(&ok);
    if (!ok)
        throw erroTipo(campo);
    if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        throw CaixaError(6, QStringLiteral("Estouro"), campo);
    return int(n);
}

QString LinhaRegistro::texto(const QString &campo) const
{
    return valor(campo).toString();
}

Currency LinhaRegistro::moeda(const QString &campo) const
{
    bool ok = false;
    const qlonglong raw = valor(campo).toLongLong(&ok);
    if (!ok)
        throw erroTipo(campo);
    return Currency::fromRaw(raw);
}

QDate LinhaRegistro::data(const QString &campo) const
{
    const QDate d = QDate::fromString(valor(campo).toString().left(10), Qt::ISODate);
    if (!d.isValid())
        throw erroTipo(campo);
    return d;
}

clsRegistro::clsRegistro(QString nomeClasse)
    : m_classe(std::move(nomeClasse)), m_dados(std::make_shared<clsDataAccess>())
{
}

std::shared_ptr<clsDataAccess> clsRegistro::DataObject()
{
    if (!m_dados)
        m_dados = std::make_shared<clsDataAccess>();
    return m_dados;
}

void clsRegistro::setDataObject(std::shared_ptr<clsDataAccess> dados)
{
    m_dados = std::move(dados);
}

clsDataAccess &clsRegistro::dados() const
{
    if (!m_dados)
        throw CaixaError(91, QStringLiteral("Variável de objeto ou variável do bloco With não definida"), m_classe);
    return *m_dados;
}

bool clsRegistro::roda(const QString &operacao, const QString &sql, const SqlParams &params, qint64 *novaChave)
{
    try {
        clsDataAccess &d = dados();
        // Without a connection nothing can be written or rolled back: the
        // caller's own error handling decides what the user sees.
        if (!Conexao::aberta())
            throw CaixaError(3709, QStringLiteral("A conexão com o banco de dados não está aberta."), m_classe);
        return d.SQLExecute(sql, semNulos(params), novaChave);
    } catch (const CaixaError &e) {
        throw e.withOperation(operacao);
    }
}

bool clsRegistro::executa(const QString &operacao, const QString &sql, const SqlParams &params)
{
    return roda(operacao, sql, params, nullptr);
}

bool clsRegistro::insereNumerado(const QString &sql, const SqlParams &params, int &chave)
{
    const QString operacao = QStringLiteral("SQLInsert");
    qint64 nova = 0;
    if (!roda(operacao, sql, params, &nova))
        return false;
    if (nova <= 0)
        throw CaixaError(3021, QStringLiteral("Não há registro atual."), m_classe).withOperation(operacao);
    if (nova > std::numeric_limits<int>::max())
        throw CaixaError(6, QStringLiteral("Estouro"), m_classe).withOperation(operacao);
    chave = int(nova);
    return true;
}

bool clsRegistro::le(const QString &sql, const SqlParams &params,
                     const std::function<void(const LinhaRegistro &)> &copia)
{
    if (!m_dados)
        return false;
    const RecordsetPtr rs = m_dados->SQLSelect_ReadOnly(sql, semNulos(params));
    if (!clsDataAccess::CheckValidRecordset(rs))
        return false;
    try {
        copia(LinhaRegistro(*rs));
        return true;
    } catch (const CaixaError &) {
        return false;
    }
}
