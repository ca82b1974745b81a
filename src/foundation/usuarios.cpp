#include "usuarios.h"
#include "error_report.h"
#include "globals.h"

#include "msg_box.h"

#include <QComboBox>
#include <limits>

namespace AbreBD {
namespace {

// The users that have this password, into gSQL and gRs; null when the query
// could not run (reported by the data-access object).
RecordsetPtr usuariosComSenha(const QString &senha)
{
    gSQL = QStringLiteral("SELECT * FROM Usuarios WHERE SENHA = ?;");
    gRs = gDataAccess ? gDataAccess->SQLSelect_ReadOnly(gSQL, {senha}) : nullptr;
    return gRs;
}

bool umUsuario(const RecordsetPtr &rs)
{
    return rs && rs->RecordCount() == 1;
}

} // namespace

bool Valida_senha(const QString &senha)
{
    if (senha.trimmed().isEmpty())
        return false;
    const RecordsetPtr rs = usuariosComSenha(senha);
    if (!umUsuario(rs) || rs->Fields(QStringLiteral("ativo")).toInt() != 1)
        return false;
    gUsuario = rs->Fields(QStringLiteral("nome")).toString();
    gTipoUsuario = rs->Fields(QStringLiteral("tipo")).toString();
    return true;
}

QString Tipo_usuario(const QString &senha)
{
    QString tipo = QStringLiteral("USER");
    if (senha.trimmed().isEmpty())
        return tipo;
    if (const RecordsetPtr rs = usuariosComSenha(senha); umUsuario(rs))
        tipo = rs->Fields(QStringLiteral("tipo")).toString();
    gRs.reset();
    return tipo;
}

bool Preenche_lista(const QString &sql, QComboBox *lista, const SqlParams &params)
{
    if (!lista || !gDataAccess)
        return false;
    const std::optional<SqlArray> linhas = gDataAccess->SQLSelectAllArray(sql, params);
    if (!linhas || linhas->size() < 2)
        return false;
    const QVector<QVariant> &ids = linhas->at(0);
    const QVector<QVariant> &textos = linhas->at(1);
    lista->clear();
    for (qsizetype i = 0; i < ids.size(); ++i) {
        lista->addItem(textos.at(i).toString());
        bool ok = false;
        const qlonglong id = ids.at(i).isNull() ? 0 : ids.at(i).toLongLong(&ok);
        // A row without a usable id ends the list there.
        if (!ok || id < std::numeric_limits<int>::min() || id > std::numeric_limits<int>::max())
            return false;
        lista->setItemData(lista->count() - 1, int(id));
    }
    return true;
}

QString PedeSenha(const QString &prompt)
{
    return InputBoxSenha(prompt);
}

} // namespace AbreBD
