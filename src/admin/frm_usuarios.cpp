#include "frm_usuarios.h"
#include "comum.h"

#include "globals.h"

#include "msg_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {

const QString kAutNum = QStringLiteral("Aut.Num.");
const QString kAdm = QStringLiteral("ADM");

// The one number a query answers; nothing when it could not run (reported).
std::optional<int> numero(const QString &sql, const SqlParams &params)
{
    if (!AbreBD::gDataAccess)
        return std::nullopt;
    const auto linhas = AbreBD::gDataAccess->SQLSelectAllArray(sql, params);
    if (!linhas || linhas->isEmpty() || linhas->first().isEmpty())
        return std::nullopt;
    return linhas->first().first().toInt();
}

bool administradorAtivo(int id)
{
    return numero(QStringLiteral("SELECT COUNT(*) FROM Usuarios WHERE ID = ? AND TIPO = ? AND ATIVO = 1"),
                  {id, kAdm})
               .value_or(1) > 0;
}

// Whether the user is the only active administrator, the one who can still
// open these windows; when unsure, it is taken to be.
bool ultimoAdministrador(int id)
{
    return administradorAtivo(id)
           && numero(QStringLiteral("SELECT COUNT(*) FROM Usuarios WHERE ID <> ? AND TIPO = ? AND ATIVO = 1"),
                     {id, kAdm})
                      .value_or(0) == 0;
}

} // namespace

QPointer<frmUsuarios> frmUsuarios::s_instancia;

frmUsuarios *frmUsuarios::instancia()
{
    return Admin::instanciaPadrao(s_instancia);
}

void frmUsuarios::abre()
{
    instancia()->exec();
}

bool frmUsuarios::abreComoAdministrador()
{
    if (!Admin::senhaDeAdministrador())
        return false;
    abre();
    return true;
}

frmUsuarios::frmUsuarios(QWidget *parent)
    : frmCadastro({QStringLiteral("frmUsuarios"), QStringLiteral("Usuários"),
                   QStringLiteral("SELECT * from usuarios ORDER BY NOME"),
                   QStringLiteral("SELECT * FROM Usuarios WHERE ID = ?;"), QStringLiteral("ID"), 4,
                   {QStringLiteral("ID"), QStringLiteral("NOME"), QStringLiteral("STATUS")},
                   {QStringLiteral("NOME"), QStringLiteral("TIPO")}, QStringLiteral("mnuop"),
                   QStringLiteral("Excluir usuário"), QStringLiteral("Função Lista_users")},
                  parent)
{
    txtordem->setReadOnly(true);
    txtordem->setProperty("Tag", QStringLiteral("0"));
    txtnome = new QLineEdit(Frame);
    txtnome->setObjectName(QStringLiteral("txtnome"));
    txtnome->setMaxLength(30);
    txtnome->setProperty("Tag", QStringLiteral("1"));
    Admin::maiusculas(txtnome);
    txtsenha = new QLineEdit(Frame);
    txtsenha->setObjectName(QStringLiteral("txtsenha"));
    txtsenha->setMaxLength(30);
    mascaraSenha(txtsenha);
    txtsenha->setProperty("Tag", QStringLiteral("1"));
    Combo = new QComboBox(Frame);
    Combo->setObjectName(QStringLiteral("Combo"));
    Combo->addItems({QStringLiteral("USER"), kAdm});
    Combo->setProperty("Tag", QStringLiteral("0"));
    Admin::somenteEscolha(Combo);
    Check = new QCheckBox(QStringLiteral("Ativo"), Frame);
    Check->setObjectName(QStringLiteral("Check"));

    campos->addRow(QString(), txtordem);
    campos->addRow(QStringLiteral("Nome"), txtnome);
    campos->addRow(QStringLiteral("Senha"), txtsenha);
    campos->addRow(QStringLiteral("Status"), Combo);
    campos->addRow(QString(), Check);
    Form_Load();
}

void frmUsuarios::novo()
{
    txtordem->setText(kAutNum);
    Combo->setCurrentIndex(0);
    txtnome->setFocus();
}

void frmUsuarios::mostra(const Recordset &linha)
{
    txtnome->setText(linha.Fields(QStringLiteral("nome")).toString());
    txtsenha->setText(linha.Fields(QStringLiteral("senha")).toString());
    Combo->setCurrentText(linha.Fields(QStringLiteral("tipo")).toString());
    Check->setChecked(linha.Fields(QStringLiteral("ativo")).toInt() == 1);
}

bool frmUsuarios::confere()
{
    const QString senha = txtsenha->text().trimmed();
    if (senha.isEmpty()) {
        txtsenha->setFocus();
        recusa(QStringLiteral("Todos os campos obrigatórios devem ser preenchidos!!"));
        return false;
    }
    const QString confirmacao = InputBoxSenha(QStringLiteral("Confirme a senha!!")).trimmed();
    if (confirmacao.isEmpty())
        return false;
    if (confirmacao != senha) {
        recusa(QStringLiteral("Senha não confere!!"));
        return false;
    }
    const int id = txtordem->text() == kAutNum ? 0 : txtordem->text().toInt();
    // The login finds a user by the password alone: two users with one
    // password could neither of them log in.
    if (numero(QStringLiteral("SELECT COUNT(*) FROM Usuarios WHERE SENHA = ? AND ID <> ?"), {senha, id})
            .value_or(1) > 0) {
        recusa(QStringLiteral("Esta senha já pertence a outro usuário!!"));
        return false;
    }
    const bool continuaAdministrador = Combo->currentText() == kAdm && Check->isChecked();
    if (modo == 2 && !continuaAdministrador && ultimoAdministrador(id)) {
        recusa(QStringLiteral("O último administrador ativo não pode ser desativado!!"));
        return false;
    }
    return true;
}

bool frmUsuarios::grava()
{
    if (txtordem->text() == kAutNum)
        txtordem->setText(QStringLiteral("0"));
    objUsuarios.ID = txtordem->text().toInt();
    objUsuarios.NOME = txtnome->text().trimmed();
    objUsuarios.TIPO = Combo->currentText();
    objUsuarios.SENHA = txtsenha->text().trimmed();
    objUsuarios.ATIVO = Check->isChecked() ? 1 : 0;
    if (!objUsuarios.SQLInsert(modo))
        return false;
    txtordem->setText(QString::number(objUsuarios.ID));
    return true;
}

bool frmUsuarios::podeExcluir(int chave)
{
    if (!ultimoAdministrador(chave))
        return true;
    recusa(QStringLiteral("O último administrador ativo não pode ser excluído!!"));
    return false;
}

bool frmUsuarios::exclui(int chave)
{
    objUsuarios.ID = chave;
    return objUsuarios.SQLDelete();
}
