#include "frm_cod_barra.h"
#include "comum.h"

#include "globals.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {

QComboBox *lista(QWidget *pai, const char *nome, const QStringList &itens, const QString &dica)
{
    auto *c = new QComboBox(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->addItems(itens);
    c->setProperty("Tag", QStringLiteral("1"));
    c->setToolTip(dica);
    Admin::somenteEscolha(c);
    return c;
}

QLineEdit *caixa(QWidget *pai, const char *nome, int maximo)
{
    auto *c = new QLineEdit(pai);
    c->setObjectName(QString::fromLatin1(nome));
    c->setMaxLength(maximo);
    c->setProperty("Tag", QStringLiteral("1"));
    return c;
}

} // namespace

QPointer<frmCodBarra> frmCodBarra::s_instancia;

frmCodBarra *frmCodBarra::instancia()
{
    return Admin::instanciaPadrao(s_instancia);
}

void frmCodBarra::abre()
{
    instancia()->exec();
}

bool frmCodBarra::abreComoAdministrador()
{
    if (!Admin::senhaDeAdministrador())
        return false;
    abre();
    return true;
}

frmCodBarra::frmCodBarra(QWidget *parent)
    : frmCadastro({QStringLiteral("frmCodBarra"), QStringLiteral("Cadastro de Itens - Entrada e Saída"),
                   QStringLiteral("SELECT * from codbarra ORDER BY idcod"),
                   QStringLiteral("SELECT * FROM CodBarra WHERE IDCOD = ?;"), QStringLiteral("IDCOD"), 3,
                   {QStringLiteral("COD"), QStringLiteral("TIPO"), QStringLiteral("DESCRIÇÃO"), QStringLiteral("PADRÃO"),
                    QStringLiteral("JUROS"), QStringLiteral("BLOQUEIO"), QStringLiteral("COD.BANCO")},
                   {QStringLiteral("IDTIPO"), QStringLiteral("DESCRICAO"), QStringLiteral("PADRAO"),
                    QStringLiteral("JUROS"), QStringLiteral("BLOQUEIO"), QStringLiteral("CODBANCO")},
                   QStringLiteral("Opções"), QStringLiteral("Excluir item"),
                   QStringLiteral("Função Lista_codigos")},
                  parent)
{
    txtordem->setProperty("Tag", QStringLiteral("1"));
    txtordem->setToolTip(
        QStringLiteral("Use númeração de 1 a 99 para itens de entrada e 100 a 999 para itens de saída"));
    txtTipo = caixa(Frame, "txtTipo", 30);
    txtTipo->setToolTip(
        QStringLiteral("Febrabam - posição inicial 16 com 4 caracteres (leitura do código de barras)\n"
                       "CNAB SIGCB - posição inicial 20 com 5 caracteres (leitura do código de barras)\n"
                       "CNAB SICOB - posição inicial 30 com 5 caracteres (leitura do código de barras)"));
    txtdescricao = caixa(Frame, "txtdescricao", 30);
    Admin::maiusculas(txtdescricao);
    cmbPadrao = lista(Frame, "cmbPadrao", {QStringLiteral("C"), QStringLiteral("F"), QStringLiteral("P"),
                                           QStringLiteral("S")},
                      QStringLiteral("Refere-se ao tipo de código de barras usado. Itens de saída usa-se \"S\""));
    cmbJuros = lista(Frame, "cmbJuros", {QStringLiteral("S"), QStringLiteral("N")},
                     QStringLiteral("\"S\" cobra juros e \"N\" não cobra juros"));
    cmbBloqueio = lista(Frame, "cmbBloqueio", {QStringLiteral("S"), QStringLiteral("N")},
                        QStringLiteral("\"S\" bloqueia e \"N\" não bloqueia (contas de um ano para outro)"));
    txtcodbanco = caixa(Frame, "txtcodbanco", 3);
    Admin::somenteNumeros(txtcodbanco);

    campos->addRow(QStringLiteral("COD.:"), txtordem);
    campos->addRow(QStringLiteral("Tipo:"), txtTipo);
    campos->addRow(QStringLiteral("Descrição:"), txtdescricao);
    campos->addRow(QStringLiteral("Padrão:"), cmbPadrao);
    campos->addRow(QStringLiteral("Juros:"), cmbJuros);
    campos->addRow(QStringLiteral("Bloqueio:"), cmbBloqueio);
    campos->addRow(QStringLiteral("Cod. Banco:"), txtcodbanco);
    Form_Load();
}

void frmCodBarra::novo()
{
    txtordem->clear();
    txtordem->setReadOnly(false);
    cmbPadrao->setCurrentIndex(0);
    cmbJuros->setCurrentIndex(0);
    cmbBloqueio->setCurrentIndex(0);
    txtcodbanco->clear();
    txtTipo->setFocus();
}

void frmCodBarra::mostra(const Recordset &linha)
{
    // The code is the row's key: changing it here would write over another type.
    txtordem->setReadOnly(true);
    txtdescricao->setText(linha.Fields(QStringLiteral("DESCRICAO")).toString());
    txtTipo->setText(linha.Fields(QStringLiteral("IDTIPO")).toString());
    cmbPadrao->setCurrentText(linha.Fields(QStringLiteral("PADRAO")).toString());
    cmbJuros->setCurrentText(linha.Fields(QStringLiteral("JUROS")).toString());
    cmbBloqueio->setCurrentText(linha.Fields(QStringLiteral("BLOQUEIO")).toString());
    txtcodbanco->setText(linha.Fields(QStringLiteral("CODBANCO")).toString());
}

bool frmCodBarra::confere()
{
    bool ok = false;
    const int codigo = txtordem->text().trimmed().toInt(&ok);
    if (ok && codigo > 0)
        return true;
    txtordem->setFocus();
    recusa(QStringLiteral("O código deve ser um número maior que zero!!"));
    return false;
}

bool frmCodBarra::grava()
{
    objCodBarra.IDCOD = txtordem->text().trimmed().toInt();
    objCodBarra.DESCRICAO = txtdescricao->text().trimmed();
    objCodBarra.IDTIPO = txtTipo->text().trimmed();
    objCodBarra.PADRAO = cmbPadrao->currentText();
    objCodBarra.Juros = cmbJuros->currentText();
    objCodBarra.BLOQUEIO = cmbBloqueio->currentText();
    objCodBarra.CODBANCO = txtcodbanco->text();
    return objCodBarra.SQLInsert(modo);
}

bool frmCodBarra::podeExcluir(int chave)
{
    // Received items and cash breakdowns name their type by this code.
    const auto linhas = AbreBD::gDataAccess
                            ? AbreBD::gDataAccess->SQLSelectAllArray(
                                  QStringLiteral("SELECT (SELECT COUNT(*) FROM Recebimentos WHERE TIPO = ?) + "
                                                 "(SELECT COUNT(*) FROM Itens WHERE ESPECIE = ?) + "
                                                 "(SELECT COUNT(*) FROM ConfCaixa WHERE ESPECIE = ?)"),
                                  {chave, chave, chave})
                            : std::nullopt;
    if (!linhas)
        return false;
    if (linhas->first().first().toInt() == 0)
        return true;
    recusa(QStringLiteral("Este item não pode ser excluído: há recebimentos ou lançamentos de caixa com ele!!"));
    return false;
}

bool frmCodBarra::exclui(int chave)
{
    objCodBarra.IDCOD = chave;
    return objCodBarra.SQLDelete();
}
