#include "frm_opcoes.h"
#include "formulario.h"
#include "comum.h"
#include "seletores.h"

#include "aplicativos.h"
#include "globals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using Formulario::nomeado;

namespace {

QLineEdit *caixa(QWidget *pai, const char *nome, int maximo = 0)
{
    auto *c = nomeado(new QLineEdit(pai), nome);
    if (maximo > 0)
        c->setMaxLength(maximo);
    return c;
}

QString le(const char *secao, const char *chave)
{
    return Aplicativos::Le_ini(QString::fromLatin1(secao), QString::fromLatin1(chave), AbreBD::arquivoConfig());
}

// A key holding 0 or 1 sets the box; anything else leaves it as it is.
void marca(QCheckBox *caixa, const QString &valor)
{
    bool ok = false;
    const int v = valor.trimmed().toInt(&ok);
    if (ok && (v == 0 || v == 1))
        caixa->setChecked(v == 1);
}

QString valor(const QCheckBox *caixa)
{
    return caixa->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QPointer<frmOpcoes> frmOpcoes::s_instancia;

frmOpcoes *frmOpcoes::instancia()
{
    return Admin::instanciaPadrao(s_instancia);
}

frmOpcoes::frmOpcoes(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOpcoes"));
    setWindowTitle(QStringLiteral("Opções de configuração"));

    SSTab = nomeado(new QTabWidget(this), "SSTab");
    SSTab1 = nomeado(new QTabWidget(this), "SSTab1");
    SSTab1->addTab(criaDiretorios(), QStringLiteral("Diretórios"));
    SSTab1->addTab(criaParametros(), QStringLiteral("Parâmetros"));
    SSTab->addTab(SSTab1, QStringLiteral("Exportação"));
    SSTab->addTab(criaMensagem(), QStringLiteral("Mensagem"));
    SSTab->addTab(criaContabil(), QStringLiteral("Contábil"));
    SSTab->addTab(criaImpressao(), QStringLiteral("Impressão"));

    Command1 = nomeado(new QPushButton(QStringLiteral("Gravar"), this), "Command1");
    Command2 = nomeado(new QPushButton(QStringLiteral("Cancelar"), this), "Command2");
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(Command1);
    botoes->addWidget(Command2);
    auto *principal = new QVBoxLayout(this);
    principal->addWidget(SSTab, 1);
    principal->addLayout(botoes);

    connect(Command1, &QPushButton::clicked, this, &frmOpcoes::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOpcoes::Command2_Click);
    Admin::semBotaoPadrao(this);
    ligaSeletores();
    Form_Load();
}

QWidget *frmOpcoes::criaDiretorios()
{
    auto *pagina = new QWidget(this);
    auto *grade = new QGridLayout(pagina);
    int linha = 0;
    auto caminho = [&](const char *rotulo, QLineEdit *&box, const char *nomeBox, QPushButton *&botao,
                       const char *nomeBotao) {
        box = caixa(pagina, nomeBox);
        botao = nomeado(new QPushButton(QStringLiteral("..."), pagina), nomeBotao);
        grade->addWidget(new QLabel(QString::fromUtf8(rotulo), pagina), linha++, 0, 1, 2);
        grade->addWidget(box, linha, 0);
        grade->addWidget(botao, linha++, 1);
    };
    caminho("Caminho para pasta de exportação integração retaguarda .", txtcaminho_retaguarda,
            "txtcaminho_retaguarda", cmdCaminho1, "cmdCaminho1");
    caminho("Caminho para arquivo alteração e estorno de guias de recebimentos ", txtcaminho_estorno,
            "txtcaminho_estorno", cmdCaminho2, "cmdCaminho2");
    caminho("Caminho para arquivo remove item (Remove_item.txt)", txtcaminho_remove_item, "txtcaminho_remove_item",
            cmdCaminho3, "cmdCaminho3");
    caminho("Caminho para arquivo soma (Soma.txt)", txtsoma, "txtsoma", Command3, "Command3");
    caminho("Caminho para pasta de itens de recebimento", txtitens_recebimento, "txtitens_recebimento", Command4,
            "Command4");
    caminho("Caminho para Exportação Febraban", txtcaminho_febraban, "txtcaminho_febraban", cmdCaminhoFebraban,
            "cmdCaminhoFebraban");
    grade->setRowStretch(linha, 1);
    return pagina;
}

QWidget *frmOpcoes::criaParametros()
{
    auto *pagina = new QWidget(this);
    chkRede = nomeado(new QCheckBox(QStringLiteral("Habilitar Consulta de Arquivos"), pagina), "chkRede");
    auto *banco = new QGroupBox(QStringLiteral("Nome do Banco no Arquivo"), pagina);
    txtnome_banco = caixa(banco, "txtnome_banco");
    (new QVBoxLayout(banco))->addWidget(txtnome_banco);
    auto *empresa = new QGroupBox(QStringLiteral("Empresa"), pagina);
    txtpref = caixa(empresa, "txtpref", 30);
    txtcnpj = caixa(empresa, "txtcnpj", 14);
    auto *form = new QFormLayout(empresa);
    form->addRow(QStringLiteral("Nome Empresa"), txtpref);
    form->addRow(QStringLiteral("CNPJ"), txtcnpj);
    auto *lay = new QVBoxLayout(pagina);
    lay->addWidget(chkRede);
    lay->addWidget(banco);
    lay->addWidget(empresa);
    lay->addStretch(1);
    Admin::maiusculas(txtnome_banco);
    Admin::maiusculas(txtpref);
    Admin::somenteNumeros(txtcnpj);
    return pagina;
}

QWidget *frmOpcoes::criaMensagem()
{
    auto *pagina = new QWidget(this);
    txtguiche = caixa(pagina, "txtguiche", 1);
    txtcabecalho = caixa(pagina, "txtcabecalho", 3);
    txtmensagem = caixa(pagina, "txtmensagem");
    auto *form = new QFormLayout(pagina);
    form->addRow(QStringLiteral("Guiche de Trabalho  (uma letra):"), txtguiche);
    form->addRow(QStringLiteral("Cabeçalho - Autent. (deve ter 3 posições):"), txtcabecalho);
    form->addRow(QStringLiteral("Mensagem"), txtmensagem);
    Admin::maiusculas(txtguiche);
    Admin::maiusculas(txtmensagem);
    return pagina;
}

QWidget *frmOpcoes::criaContabil()
{
    auto *pagina = new QWidget(this);
    auto *juros = new QGroupBox(QStringLiteral("Juros"), pagina);
    optDesc = nomeado(new QRadioButton(QStringLiteral("Multa de 1% ao mês+ 0,33% ao dia até o limite de 10%"), juros),
                      "optDesc");
    optVunt = nomeado(new QRadioButton(QStringLiteral("Multa de 2% + 1% ao mês ou fração"), juros), "optVunt");
    optDesc->setChecked(true);
    auto *lj = new QVBoxLayout(juros);
    lj->addWidget(optDesc);
    lj->addWidget(optVunt);
    chkSup = nomeado(new QCheckBox(QStringLiteral("Somar Suprimento na conferência de caixa?"), pagina), "chkSup");
    auto *lay = new QVBoxLayout(pagina);
    lay->addWidget(juros);
    lay->addWidget(chkSup);
    lay->addStretch(1);
    return pagina;
}

QWidget *frmOpcoes::criaImpressao()
{
    auto *pagina = new QWidget(this);
    auto *autenticacao = new QGroupBox(QStringLiteral("Modo Autenticação"), pagina);
    auto *modelo = new QGroupBox(QStringLiteral("Modelo"), autenticacao);
    OptTXT = nomeado(new QRadioButton(QStringLiteral("TXT"), modelo), "OptTXT");
    optBematech = nomeado(new QRadioButton(QStringLiteral("Bematech MP-20 MI (DLL)"), modelo), "optBematech");
    optQuatro = nomeado(new QRadioButton(QStringLiteral("Quattro AP40N (DLL)"), modelo), "optQuatro");
    optQuatro->setChecked(true);
    auto *lm = new QVBoxLayout(modelo);
    lm->addWidget(OptTXT);
    lm->addWidget(optBematech);
    lm->addWidget(optQuatro);

    txtIP = caixa(autenticacao, "txtIP");
    txtIP->setToolTip(QStringLiteral("TXT com a porta USB informe o IP deste computador"));
    cmbPorta = nomeado(new QComboBox(autenticacao), "cmbPorta");
    cmbPorta->setEditable(true);
    cmbPorta->addItems({QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("COM1"), QStringLiteral("COM2"),
                        QStringLiteral("USB")});
    cmbPorta->setCurrentIndex(-1);
    auto *la = new QFormLayout;
    la->addRow(QStringLiteral("IP"), txtIP);
    la->addRow(QStringLiteral("Porta de Impressão"), cmbPorta);
    auto *lAut = new QHBoxLayout(autenticacao);
    lAut->addWidget(modelo);
    lAut->addLayout(la, 1);

    cmbImpressoras = nomeado(new QComboBox(pagina), "cmbImpressoras");
    cmbImpressoras->setEditable(true);
    Command5 = nomeado(new QPushButton(QStringLiteral("Fixa"), pagina), "Command5");
    cmdEscolhe = nomeado(new QPushButton(QStringLiteral("Fixa"), pagina), "cmdEscolhe");
    lblImpressora = nomeado(new QLabel(pagina), "lblImpressora");
    lblAutenticadora = nomeado(new QLabel(pagina), "lblAutenticadora");
    auto *impressoras = new QGridLayout;
    impressoras->addWidget(new QLabel(QStringLiteral("Impressoras Instaladas"), pagina), 0, 0);
    impressoras->addWidget(cmbImpressoras, 0, 1, 1, 2);
    impressoras->addWidget(new QLabel(QStringLiteral("Impressora.....:"), pagina), 1, 0);
    impressoras->addWidget(lblImpressora, 1, 1);
    impressoras->addWidget(Command5, 1, 2);
    impressoras->addWidget(new QLabel(QStringLiteral("Autenticadora:"), pagina), 2, 0);
    impressoras->addWidget(lblAutenticadora, 2, 1);
    impressoras->addWidget(cmdEscolhe, 2, 2);
    impressoras->setColumnStretch(1, 1);

    chkPrintCupom = nomeado(new QCheckBox(QStringLiteral("Imprimir no cupom após autenticar o boleto?"), pagina),
                            "chkPrintCupom");
    chkTecla_mais = nomeado(new QCheckBox(QStringLiteral("Habilitar gravação de recebimentos em txt?"), pagina),
                            "chkTecla_mais");
    chkCabecalho = nomeado(new QCheckBox(QStringLiteral("Habilitar impressão de cabeçalho em cupom?"), pagina),
                           "chkCabecalho");
    auto *dica = new QLabel(QStringLiteral("Para uso de cabo USB paralelo, habilite a opção TXT  mude a porta para USB e "
                                           "informe o IP do computador. Localize a Impressora instalada no Windows "
                                           "compartilhe e mude a porta para USB001 - porta virtual para impressora "
                                           "genérica instalada."),
                            pagina);
    dica->setWordWrap(true);

    auto *lay = new QVBoxLayout(pagina);
    lay->addWidget(autenticacao);
    lay->addLayout(impressoras);
    lay->addWidget(chkPrintCupom);
    lay->addWidget(chkTecla_mais);
    lay->addWidget(chkCabecalho);
    lay->addWidget(dica);
    lay->addStretch(1);

    connect(Command5, &QPushButton::clicked, this, [this] { fixa(lblImpressora); });
    connect(cmdEscolhe, &QPushButton::clicked, this, [this] { fixa(lblAutenticadora); });
    for (QRadioButton *opcao : {optBematech, OptTXT, optQuatro})
        connect(opcao, &QRadioButton::clicked, cmbPorta, [this] { cmbPorta->setEnabled(true); });
    return pagina;
}

void frmOpcoes::ligaSeletores()
{
    const auto pasta = [this](QLineEdit *box) {
        return [this, box] {
            if (const QString escolhida = Admin::Procura_pasta(this); !escolhida.isEmpty())
                box->setText(escolhida);
        };
    };
    const auto texto = [this](QLineEdit *box) {
        return [this, box] {
            if (const QString escolhido = Admin::Procura_arquivo(this, QStringLiteral("txt (*.txt)"));
                !escolhido.isEmpty())
                box->setText(escolhido);
        };
    };
    connect(cmdCaminho1, &QPushButton::clicked, this, pasta(txtcaminho_retaguarda));
    connect(cmdCaminho2, &QPushButton::clicked, this, pasta(txtcaminho_estorno));
    connect(Command4, &QPushButton::clicked, this, pasta(txtitens_recebimento));
    connect(cmdCaminhoFebraban, &QPushButton::clicked, this, pasta(txtcaminho_febraban));
    connect(cmdCaminho3, &QPushButton::clicked, this, texto(txtcaminho_remove_item));
    connect(Command3, &QPushButton::clicked, this, texto(txtsoma));
}

void frmOpcoes::Form_Load()
{
    txtcaminho_retaguarda->setText(le("Export", "Path1"));
    txtcaminho_estorno->setText(le("Export", "Path2"));
    txtitens_recebimento->setText(le("Export", "Path3"));
    txtmensagem->setText(le("Mensagem", "mensagem"));
    txtguiche->setText(le("Export", "guiche"));
    txtcabecalho->setText(le("Mensagem", "cabecalho"));
    // Path3 and [Reserva] itens hold the same folder and are saved together;
    // a file without the second must not lose the first at the next save.
    if (const QString itens = le("Reserva", "itens"); !itens.isEmpty())
        txtitens_recebimento->setText(itens);
    txtpref->setText(le("Mensagem", "pref"));
    marca(chkSup, le("Reserva", "soma"));
    txtsoma->setText(le("Export", "caminho_soma"));
    txtcaminho_remove_item->setText(le("Export", "caminho_remove_item"));
    txtcaminho_febraban->setText(le("Export", "caminho_febraban"));
    txtnome_banco->setText(le("Export", "nome_banco"));
    marca(chkRede, le("Export", "rede"));

    (le("Opcoes", "juros") == QLatin1String("1") ? optDesc : optVunt)->setChecked(true);

    cmbPorta->setEditText(le("Print", "porta"));
    txtcnpj->setText(le("Export", "cnpj"));
    marca(chkPrintCupom, le("Print", "print_cupom"));
    marca(chkTecla_mais, le("Export", "tecla_mais"));
    marca(chkCabecalho, le("Print", "cabecalho"));

    // The model comes from the loaded globals, not from the file.
    if (AbreBD::gImpressora == QLatin1String("bematech"))
        optBematech->setChecked(true);
    else if (AbreBD::gImpressora == QLatin1String("quattro"))
        optQuatro->setChecked(true);
    else if (AbreBD::gImpressora == QLatin1String("txt"))
        OptTXT->setChecked(true);

    lblImpressora->setText(le("Print", "impressora_padrao"));
    lblAutenticadora->setText(le("Print", "impressora_autenticadora"));
    txtIP->setText(le("Print", "ip"));
    carregaImpressoras();
}

void frmOpcoes::carregaImpressoras()
{
    cmbImpressoras->clear();
    cmbImpressoras->addItems(Admin::seletores().impressorasInstaladas());
    cmbImpressoras->setEditText(Admin::seletores().impressoraPadrao());
}

void frmOpcoes::fixa(QLabel *rotulo)
{
    const QString nome = cmbImpressoras->currentText();
    if (Admin::seletores().impressorasInstaladas().contains(nome, Qt::CaseSensitive))
        rotulo->setText(nome);
}

QString frmOpcoes::modelo() const
{
    if (optBematech->isChecked())
        return QStringLiteral("bematech");
    if (optQuatro->isChecked())
        return QStringLiteral("quattro");
    return QStringLiteral("txt");
}

void frmOpcoes::Command1_Click()
{
    const auto t = [](const char *secao, const char *chave, const QString &valor) {
        return Admin::ValorIni{QString::fromLatin1(secao), QString::fromLatin1(chave), valor};
    };
    // [Reserva] cofre names the safe-balance file and is not this window's
    // to write: the sum-list box goes to [Export] caminho_soma only.
    const QList<Admin::ValorIni> valores = {
        t("Export", "Path1", txtcaminho_retaguarda->text()),
        t("Export", "Path2", txtcaminho_estorno->text()),
        t("Export", "Path3", txtitens_recebimento->text()),
        t("Mensagem", "mensagem", txtmensagem->text()),
        t("Export", "guiche", txtguiche->text()),
        t("Mensagem", "cabecalho", txtcabecalho->text()),
        t("Reserva", "itens", txtitens_recebimento->text()),
        t("Mensagem", "pref", txtpref->text()),
        t("Reserva", "soma", valor(chkSup)),
        t("Print", "porta", cmbPorta->currentText()),
        t("Export", "caminho_soma", txtsoma->text()),
        t("Export", "caminho_remove_item", txtcaminho_remove_item->text()),
        t("Export", "caminho_febraban", txtcaminho_febraban->text()),
        t("Export", "nome_banco", txtnome_banco->text()),
        t("Export", "rede", valor(chkRede)),
        t("Opcoes", "juros", optDesc->isChecked() ? QStringLiteral("1") : QStringLiteral("2")),
        t("Print", "cabecalho", valor(chkCabecalho)),
        t("Export", "cnpj", txtcnpj->text()),
        t("Print", "print_cupom", valor(chkPrintCupom)),
        t("Export", "tecla_mais", valor(chkTecla_mais)),
        t("Print", "impressora_padrao", lblImpressora->text()),
        t("Print", "impressora_autenticadora", lblAutenticadora->text()),
        t("Print", "impressora", modelo()),
        t("Print", "ip", txtIP->text()),
    };
    if (!Admin::Grava_config(valores))
        return;
    AbreBD::Carrega_variaveis();
    close();
}

void frmOpcoes::Command2_Click()
{
    close();
}
