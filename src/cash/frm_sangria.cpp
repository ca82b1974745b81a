#include "frm_sangria.h"

#include "aplicativos.h"
#include "campos_valor.h"
#include "clock.h"
#include "estado_movimento.h"
#include "formulario.h"
#include "frente_publica.h"
#include "globals.h"
#include "msg_box.h"
#include "totais_movimento.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace AbreBD;

using Formulario::nomeado;

namespace {

const QString kAviso = QStringLiteral("Aviso");
const QString kAutNum = QStringLiteral("Aut.Num.");
const QString kObrigatorios = QStringLiteral("Todos os campos obrigatórios devem ser preenchidos!!");
const QString kInformeItem = QStringLiteral("Informe um item !!!");
const QString kNaoEncontrado = QStringLiteral("Este lançamento não existe mais. A lista foi atualizada.");
constexpr int kLimiteDescricao = 181;

QString quatroDigitos(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

// Boxes that Verifica_campos must leave alone say so.
void opcional(QWidget *w)
{
    w->setProperty("Tag", QStringLiteral("0"));
}

QTreeWidget *lista(const QStringList &colunas, const char *nome, QWidget *pai)
{
    auto *l = nomeado(new QTreeWidget(pai), nome);
    l->setHeaderLabels(colunas);
    l->setRootIsDecorated(false);
    l->setUniformRowHeights(true);
    l->setAllColumnsShowFocus(true);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    return l;
}

Currency valorDaLinha(const clsSangria &s)
{
    return s.ENTRADA.isZero() ? s.SAIDA : s.ENTRADA;
}

} // namespace

frmSangria::frmSangria(QWidget *parent) : QDialog(parent), m_sangria(std::make_unique<clsSangria>())
{
    setObjectName(QStringLiteral("frmSangria"));
    setWindowTitle(legenda(Caixa::modoLancamento()));
    setModal(true);

    const Formulario::JanelaAbas abas = Formulario::montaJanelaAbas(this, 760, 560);
    SSTab = abas.SSTab;
    Command3 = abas.Command3;
    montaConsulta(abas.consulta);
    montaCadastro(abas.cadastro);
    connect(Command3, &QPushButton::clicked, this, &frmSangria::Command3_Click);

    // Opening: the mode's entries, on "Consulta".
    Lista_Sangria(ListView1, 0);
    SSTab->setTabEnabled(1, false);
    SSTab->setCurrentIndex(0);
}

frmSangria::~frmSangria() = default;

void frmSangria::montaConsulta(QWidget *aba)
{
    ListView1 = lista({QStringLiteral("ID"), QStringLiteral("DATA"), QStringLiteral("TIPO"), QStringLiteral("VALOR"),
                       QStringLiteral("DESCRIÇÃO")},
                      "ListView1", aba);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    lblSoma = nomeado(new QLabel(aba), "lblSoma");
    txtpesquisa = nomeado(new QLineEdit(aba), "txtpesquisa");
    opcional(txtpesquisa);
    Caixa::maiusculas(txtpesquisa);
    cmdProcura = Formulario::botao(QStringLiteral("Procurar"), "cmdProcura", aba, false);
    Command1[1] = Formulario::botao(QStringLiteral("Alterar ou Consultar"), "Command1_1", aba, false);
    Command1[3] = Formulario::botao(QStringLiteral("Incluir"), "Command1_3", aba, false);

    mnuopcoes = nomeado(new QMenu(this), "mnuopcoes");
    mnuexcluir = mnuopcoes->addAction(QStringLiteral("Excluir item"));
    mnuexcluir->setObjectName(QStringLiteral("mnuexcluir"));

    auto *pesquisa = new QHBoxLayout;
    pesquisa->addWidget(new QLabel(QStringLiteral("Pesquisar por Descrição:"), aba));
    pesquisa->addWidget(txtpesquisa, 1);
    pesquisa->addWidget(cmdProcura);
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(lblSoma);
    botoes->addStretch();
    botoes->addWidget(Command1[1]);
    botoes->addWidget(Command1[3]);
    auto *lay = new QVBoxLayout(aba);
    lay->addWidget(ListView1, 1);
    lay->addLayout(pesquisa);
    lay->addLayout(botoes);

    connect(cmdProcura, &QPushButton::clicked, this, &frmSangria::cmdProcura_Click);
    for (const int i : {1, 3})
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    connect(mnuexcluir, &QAction::triggered, this, &frmSangria::mnuexcluir_Click);
    // Only a click chooses a row: the focus entering the list, which makes
    // its first row current, chooses nothing.
    connect(ListView1, &QTreeWidget::itemClicked, this, &frmSangria::ListView1_ItemClick);
    // The row pressed with the right button is the one the menu acts on; a
    // menu opened from the keyboard chooses nothing.
    Caixa::escolheComBotaoDireito(ListView1, [this](QTreeWidgetItem *item) { ListView1_ItemClick(item); });
    connect(ListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        mnuopcoes->popup(ListView1->viewport()->mapToGlobal(pos));
    });
}

void frmSangria::montaCadastro(QWidget *aba)
{
    txtordem = nomeado(new QLineEdit(aba), "txtordem");
    txtordem->setEnabled(false);
    opcional(txtordem);
    dtpData = nomeado(new QDateEdit(aba), "dtpData");
    dtpData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtpData->setCalendarPopup(true);
    cmbTipo = nomeado(new QComboBox(aba), "cmbTipo");
    cmbTipo->addItems({QStringLiteral("ENTRADA"), QStringLiteral("SAIDA"), QStringLiteral("SANGRIA")});
    cmbTipo->setCurrentIndex(-1);
    cmbTipo->setEnabled(false);
    cmbTipo->setProperty("Tag", QStringLiteral("1"));
    txtvalor = nomeado(new QLineEdit(aba), "txtvalor");
    txtvalor->setAlignment(Qt::AlignRight);
    opcional(txtvalor);
    txtdescricao = nomeado(new QPlainTextEdit(aba), "txtdescricao");
    txtdescricao->setProperty("Tag", QStringLiteral("1"));
    txtdescricao->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Caixa::maiusculas(txtdescricao, kLimiteDescricao);
    cmdIncluirItens = Formulario::botao(QStringLiteral("Somar Valores"), "cmdIncluirItens", aba, false);
    Command2 = Formulario::botao(QStringLiteral("Gravar e Concluir"), "Command2", aba, false);
    Command1[0] = Formulario::botao(QStringLiteral("Cancel"), "Command1_0", aba, false);

    auto *campos = new QGridLayout;
    campos->addWidget(new QLabel(QStringLiteral("Ordem"), aba), 0, 0);
    campos->addWidget(txtordem, 0, 1);
    campos->addWidget(new QLabel(QStringLiteral("Data"), aba), 0, 2);
    campos->addWidget(dtpData, 0, 3);
    campos->addWidget(new QLabel(QStringLiteral("Operação"), aba), 1, 0);
    campos->addWidget(cmbTipo, 1, 1);
    campos->addWidget(new QLabel(QStringLiteral("*"), aba), 1, 2);
    campos->addWidget(new QLabel(QStringLiteral("Valor"), aba), 1, 3);
    campos->addWidget(txtvalor, 1, 4);
    campos->addWidget(new QLabel(QStringLiteral("Descrição (até 182 caracteres)"), aba), 2, 0, 1, 2);
    campos->addWidget(new QLabel(QStringLiteral("*"), aba), 2, 2);
    campos->addWidget(txtdescricao, 3, 0, 1, 5);
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(new QLabel(QStringLiteral("( * ) Campos de preenchimento obrigatórios"), aba));
    botoes->addStretch();
    botoes->addWidget(cmdIncluirItens);
    botoes->addWidget(Command2);
    botoes->addWidget(Command1[0]);
    auto *lay = new QVBoxLayout(aba);
    lay->addLayout(campos);
    lay->addWidget(montaItens(aba), 1);
    lay->addLayout(botoes);

    connect(cmdIncluirItens, &QPushButton::clicked, this, &frmSangria::cmdIncluirItens_Click);
    connect(Command2, &QPushButton::clicked, this, &frmSangria::Command2_Click);
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
}

QGroupBox *frmSangria::montaItens(QWidget *aba)
{
    Frame = nomeado(new QGroupBox(aba), "Frame");
    cmbEspecie = nomeado(new QComboBox(Frame), "cmbEspecie");
    opcional(cmbEspecie);
    txtnumero = nomeado(new QLineEdit(Frame), "txtnumero");
    txtnumero->setMaxLength(30);
    opcional(txtnumero);
    mskValorItem = nomeado(new QLineEdit(Frame), "mskValorItem");
    mskValorItem->setAlignment(Qt::AlignRight);
    opcional(mskValorItem);
    cmdSave = Formulario::botao(QStringLiteral("Somar"), "cmdSave", Frame, false);
    cmdDel = Formulario::botao(QStringLiteral("Excluir"), "cmdDel", Frame, false);
    cmdAdd = Formulario::botao(QStringLiteral("Limpar"), "cmdAdd", Frame, false);
    lstitens = lista({QStringLiteral("ID"), QStringLiteral("ESPECIE"), QStringLiteral("NUMERO"), QStringLiteral("VALOR")},
                     "lstitens", Frame);
    for (QWidget *w : {static_cast<QWidget *>(cmbEspecie), static_cast<QWidget *>(txtnumero),
                       static_cast<QWidget *>(mskValorItem)})
        Caixa::enterComoTab(w);

    auto *campos = new QGridLayout;
    campos->addWidget(new QLabel(QStringLiteral("Espécie"), Frame), 0, 0);
    campos->addWidget(new QLabel(QStringLiteral("Número"), Frame), 0, 1);
    campos->addWidget(new QLabel(QStringLiteral("Valor"), Frame), 0, 2);
    campos->addWidget(cmbEspecie, 1, 0);
    campos->addWidget(txtnumero, 1, 1);
    campos->addWidget(mskValorItem, 1, 2);
    auto *botoes = new QVBoxLayout;
    botoes->addWidget(cmdSave);
    botoes->addWidget(cmdDel);
    botoes->addWidget(cmdAdd);
    botoes->addStretch();
    auto *abaixo = new QHBoxLayout;
    abaixo->addWidget(lstitens, 1);
    abaixo->addLayout(botoes);
    auto *lay = new QVBoxLayout(Frame);
    lay->addLayout(campos);
    lay->addLayout(abaixo, 1);
    Frame->setEnabled(false);

    connect(cmdSave, &QPushButton::clicked, this, &frmSangria::cmdSave_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frmSangria::cmdDel_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmSangria::cmdAdd_Click);
    return Frame;
}

QString frmSangria::legenda(const QString &modo)
{
    if (modo == QLatin1String("A"))
        return QStringLiteral("Abertura e Lançamentos de Caixa");
    if (modo == QLatin1String("P"))
        return QStringLiteral("Pagamentos de Empenhos (Saídas)");
    if (modo == QLatin1String("S"))
        return QStringLiteral("Retiradas de Caixa (Sangria)");
    return QString();
}

int frmSangria::abre(const QString &modo, QWidget *parent)
{
    if (gFrente)
        gFrente->setTxtstatus(modo);
    QPointer<frmSangria> w = new frmSangria(parent);
    w->setWindowTitle(legenda(modo));
    const int resposta = w->exec();
    delete w.data(); // unless someone unloaded it already
    return resposta;
}

void frmSangria::Lista_Sangria(QTreeWidget *lista, int modo)
{
    if (!lista || !gDataAccess)
        return;
    const QString tipo = Lancamentos::tipoDoModo(Caixa::modoLancamento());
    const int id = Caixa::idMovimento();
    SqlParams params;
    if (modo == 1) {
        gSQL = QStringLiteral("SELECT * FROM SANGRIA WHERE DESCRICAO like ? AND IDMOVIMENTO = ? and TIPO = ?;");
        params = {QLatin1Char('%') + txtpesquisa->text() + QLatin1Char('%'), id, tipo};
    } else {
        gSQL = QStringLiteral("SELECT * FROM SANGRIA WHERE IDMOVIMENTO = ? and TIPO = ?  ORDER BY ID DESC");
        params = {id, tipo};
    }
    gRs = gDataAccess->SQLSelect_ReadOnly(gSQL, params);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lista->clear();
    Currency total;
    if (gRs) {
        for (gRs->MoveFirst(); !gRs->Eof(); gRs->MoveNext()) {
            const Currency entrada = Currency::fromRaw(gRs->Fields(QStringLiteral("ENTRADA")).toLongLong());
            const Currency saida = Currency::fromRaw(gRs->Fields(QStringLiteral("SAIDA")).toLongLong());
            const Currency v = entrada.isZero() ? saida : entrada;
            const QDate dia =
                QDate::fromString(gRs->Fields(QStringLiteral("SDATA")).toString().left(10), Qt::ISODate);
            auto *linha = new QTreeWidgetItem(
                {quatroDigitos(gRs->Fields(QStringLiteral("ID")).toInt()), dia.toString(QStringLiteral("dd/MM/yyyy")),
                 gRs->Fields(QStringLiteral("TIPO")).toString(), v.format(),
                 gRs->Fields(QStringLiteral("DESCRICAO")).toString()});
            linha->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
            lista->addTopLevelItem(linha);
            total += v.roundedToCents();
        }
    }
    lblSoma->setText(QStringLiteral("TOTAL: R$ ") + total.format());
    QApplication::restoreOverrideCursor();
    gRs.reset();
}

void frmSangria::ListView1_ItemClick(QTreeWidgetItem *item)
{
    if (item)
        m_tag = item->text(0);
}

void frmSangria::cmdProcura_Click()
{
    if (txtpesquisa->text().isEmpty())
        return;
    Lista_Sangria(ListView1, 1);
}

void frmSangria::Command1_Click(int index)
{
    switch (index) {
    case 0: Cancelar(); break;
    case 1: AlterarOuConsultar(); break;
    case 3: Incluir(); break;
    default: break;
    }
}

void frmSangria::descricaoDoModo(const QString &modo)
{
    if (modo == QLatin1String("A")) {
        cmbTipo->setCurrentIndex(0);
        txtdescricao->setPlainText(QStringLiteral("ABERTURA DE CAIXA"));
        txtdescricao->setEnabled(false);
    } else if (modo == QLatin1String("P")) {
        cmbTipo->setCurrentIndex(1);
        txtdescricao->clear();
        txtdescricao->setEnabled(true);
    } else if (modo == QLatin1String("S")) {
        cmbTipo->setCurrentIndex(2);
        txtdescricao->setPlainText(QStringLiteral("RETIRADAS DE CAIXA"));
        txtdescricao->setEnabled(false);
    } else {
        cmbTipo->setCurrentIndex(-1);
    }
}

void frmSangria::Incluir()
{
    Aplicativos::Limpa_campos(this);
    txtordem->setText(kAutNum);
    dtpData->setDate(Relogio::hoje());
    if (cmbEspecie->count() > 0)
        cmbEspecie->setCurrentIndex(0);
    descricaoDoModo(Caixa::modoLancamento());
    txtvalor->setText(QStringLiteral("0,00"));
    m_itens.clear();
    m_itensExcluidos.clear();
    mostraItens();
    Aplicativos::Alterna_aba(SSTab);
}

void frmSangria::AlterarOuConsultar()
{
    if (m_tag.isEmpty()) {
        MsgBox(kInformeItem, Vb::vbCritical, kAviso);
        return;
    }
    const std::optional<clsSangria> s = Lancamentos::carrega(m_tag.toInt());
    if (!s) {
        MsgBox(kNaoEncontrado, Vb::vbExclamation, kAviso);
        Lista_Sangria(ListView1, 0);
        return;
    }
    txtordem->setText(m_tag);
    dtpData->setDate(s->SDATA);
    cmbTipo->setCurrentIndex(cmbTipo->findText(s->TIPO.trimmed(), Qt::MatchFixedString));
    txtvalor->setText(valorDaLinha(*s).format());
    txtdescricao->setPlainText(s->DESCRICAO);
    txtdescricao->setEnabled(Caixa::modoLancamento() == QLatin1String("P"));
    Lista_itens();
    Aplicativos::Alterna_aba(SSTab);
}

bool frmSangria::camposVazios()
{
    // The description is a required text box like the others (Tag "1").
    return Aplicativos::Verifica_campos(this);
}

int frmSangria::idNaTela() const
{
    return txtordem->text() == kAutNum ? 0 : txtordem->text().toInt();
}

void frmSangria::cmdIncluirItens_Click()
{
    if (Caixa::recusaAlteracaoSeFechado())
        return;
    if (camposVazios()) {
        MsgBox(kObrigatorios, Vb::vbExclamation, kAviso);
        return;
    }
    // The lines are kept on screen and written with the entry by "Gravar e
    // Concluir": a head row never waits in the table for its lines.
    Frame->setEnabled(true);
    cmdIncluirItens->setEnabled(false);
    if (idNaTela() == 0) {
        cmbTipo->setEnabled(false);
        txtdescricao->setEnabled(false);
    }
    cmdAdd_Click();
}

bool frmSangria::Salvar()
{
    if (Caixa::recusaAlteracaoSeFechado())
        return false;
    if (camposVazios()) {
        MsgBox(kObrigatorios, Vb::vbExclamation, kAviso);
        return false;
    }
    std::optional<Currency> valor = Lancamentos::soma(m_itens);
    if (m_itens.isEmpty())
        valor = Caixa::leValor(txtvalor->text());
    if (!valor || *valor < Currency()) {
        Caixa::avisaValorInvalido();
        txtvalor->setFocus();
        return false;
    }
    clsSangria &s = *m_sangria;
    s.ID = idNaTela();
    s.IDMOVIMENTO = Caixa::idMovimento();
    s.SDATA = dtpData->date();
    s.TIPO = cmbTipo->currentText().trimmed();
    const bool entrada = cmbTipo->currentText() == QLatin1String("ENTRADA");
    s.ENTRADA = entrada ? *valor : Currency();
    s.SAIDA = entrada ? Currency() : *valor;
    s.DESCRICAO = txtdescricao->toPlainText().trimmed();
    switch (Lancamentos::grava(s, m_itens, m_itensExcluidos)) {
    case Lancamentos::Resultado::Gravado:
        txtordem->setText(quatroDigitos(s.ID));
        m_itens.clear();
        m_itensExcluidos.clear();
        Aplicativos::Alterna_aba(SSTab);
        return true;
    case Lancamentos::Resultado::NaoEncontrado:
        MsgBox(kNaoEncontrado, Vb::vbExclamation, kAviso);
        return false;
    case Lancamentos::Resultado::Falhou:
        break; // the data-access layer has reported it
    }
    return false;
}

void frmSangria::voltaConsulta()
{
    cmdIncluirItens->setEnabled(true);
    Frame->setEnabled(false);
    m_itens.clear();
    m_itensExcluidos.clear();
}

void frmSangria::Command2_Click()
{
    if (!Salvar())
        return;
    Lista_Sangria(ListView1, 0);
    voltaConsulta();
}

void frmSangria::Cancelar()
{
    // An entry stored without amount is of no use to anyone: leaving it
    // takes it away (never on a closed day).
    const int id = idNaTela();
    const std::optional<Currency> naTela = Caixa::leValor(txtvalor->text());
    if (id != 0 && naTela && naTela->isZero()) {
        const std::optional<clsSangria> s = Lancamentos::carrega(id);
        if (s && valorDaLinha(*s).isZero() && !Caixa::movimentoFechado(Caixa::idMovimento())) {
            Lancamentos::exclui(id);
            Lista_Sangria(ListView1, 0);
        }
    }
    voltaConsulta();
    Aplicativos::Alterna_aba(SSTab);
}

void frmSangria::Command3_Click()
{
    close();
}

void frmSangria::mnuexcluir_Click()
{
    if (m_tag.isEmpty()) {
        MsgBox(kInformeItem, Vb::vbCritical, kAviso);
        return;
    }
    if (Caixa::recusaExclusaoSeFechado())
        return;
    if (MsgBox(QStringLiteral("Confirma exclusão deste item?") + QStringLiteral(" - ") + m_tag,
               Vb::vbYesNo | Vb::vbQuestion, kAviso)
        != Vb::vbYes)
        return;
    const Lancamentos::Resultado r = Lancamentos::exclui(m_tag.toInt());
    if (r != Lancamentos::Resultado::Gravado)
        MsgBox(QStringLiteral("Erro ao excluir"), Vb::vbCritical, kAviso);
    if (r != Lancamentos::Resultado::Falhou)
        Lista_Sangria(ListView1, 0);
}

void frmSangria::Lista_itens()
{
    m_itens = Lancamentos::itens(idNaTela()).value_or(QList<ItemLancamento>());
    m_itensExcluidos.clear();
    mostraItens();
}

void frmSangria::mostraItens()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lstitens->clear();
    for (const ItemLancamento &i : std::as_const(m_itens)) {
        auto *linha = new QTreeWidgetItem(
            {i.ID ? quatroDigitos(i.ID) : QString(), i.especie, i.NUMERO, i.VALOR.format()});
        linha->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        lstitens->addTopLevelItem(linha);
    }
    // With lines the amount is their sum; without, the amount as it stood.
    if (!m_itens.isEmpty())
        txtvalor->setText(Lancamentos::soma(m_itens).format());
    txtvalor->setReadOnly(!m_itens.isEmpty());
    QApplication::restoreOverrideCursor();
}

void frmSangria::cmdAdd_Click()
{
    if (Caixa::preencheEspecies(cmbEspecie))
        cmbEspecie->setCurrentIndex(0);
    txtnumero->clear();
    mskValorItem->clear();
    cmdSave->setEnabled(true);
    cmbEspecie->setFocus();
}

void frmSangria::cmdSave_Click()
{
    if (cmbEspecie->currentIndex() < 0 || mskValorItem->text().trimmed().isEmpty()) {
        MsgBox(kObrigatorios, Vb::vbExclamation, kAviso);
        return;
    }
    const std::optional<Currency> valor = Caixa::leValor(mskValorItem->text());
    if (!valor || *valor < Currency()) {
        Caixa::avisaValorInvalido();
        mskValorItem->setFocus();
        return;
    }
    ItemLancamento i;
    i.ESPECIE = cmbEspecie->currentData().toInt();
    i.especie = cmbEspecie->currentText();
    i.NUMERO = txtnumero->text().trimmed();
    i.VALOR = *valor;
    m_itens << i;
    mostraItens();
    cmdAdd_Click();
}

void frmSangria::cmdDel_Click()
{
    if (lstitens->topLevelItemCount() == 0)
        return;
    QTreeWidgetItem *linha = lstitens->currentItem();
    if (!linha) {
        MsgBox(kInformeItem, Vb::vbCritical, kAviso);
        return;
    }
    if (MsgBox(QStringLiteral("Confirma exclusão do item selecionado?"), Vb::vbYesNo | Vb::vbQuestion, kAviso)
        != Vb::vbYes)
        return;
    const int n = lstitens->indexOfTopLevelItem(linha);
    if (n < 0 || n >= m_itens.size())
        return;
    if (m_itens.at(n).ID != 0)
        m_itensExcluidos << m_itens.at(n).ID;
    m_itens.removeAt(n);
    mostraItens();
}
