#include "frm_lancamentos.h"

#include "campos_valor.h"
#include "error_report.h"
#include "globals.h"
#include "msg_box.h"
#include "progresso.h"
#include "tela_contagem.h"
#include "totais_movimento.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace AbreBD;

namespace {

const QString kAviso = QStringLiteral("Aviso");

Currency moeda(const Recordset &rs, int coluna)
{
    return Currency::fromRaw(rs.Fields(coluna).toLongLong());
}

QString quatroDigitos(qlonglong n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

} // namespace

frmLancamentos::frmLancamentos(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLancamentos"));
    setWindowTitle(QStringLiteral("Conferir Caixa"));
    setModal(true);
    montaTela();
    m_integracao.progresso = Progresso::daBarra(pbr);
    Form_Load();
}

QWidget *frmLancamentos::montaEntrada()
{
    auto *lancamentos = new QGroupBox(QStringLiteral("Lançamentos"), m_controles);
    Combo1 = new QComboBox(lancamentos);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    txtnumero = new QLineEdit(lancamentos);
    txtnumero->setObjectName(QStringLiteral("txtnumero"));
    mskvalor = new QLineEdit(lancamentos);
    mskvalor->setObjectName(QStringLiteral("mskvalor"));
    mskvalor->setAlignment(Qt::AlignRight);
    Caixa::filtraNumero(mskvalor, Combo1);
    Caixa::formataAoSair(mskvalor);
    Command5 = new QPushButton(QStringLiteral("Lançar >>"), lancamentos);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setDefault(true);
    auto *grade = new QGridLayout(lancamentos);
    grade->addWidget(new QLabel(QStringLiteral("Espécie"), lancamentos), 0, 0);
    grade->addWidget(new QLabel(QStringLiteral("Identificação"), lancamentos), 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("Valor"), lancamentos), 0, 2);
    grade->addWidget(Combo1, 1, 0);
    grade->addWidget(txtnumero, 1, 1);
    grade->addWidget(mskvalor, 1, 2);
    grade->addWidget(Command5, 1, 3);
    return lancamentos;
}

void frmLancamentos::montaTela()
{
    m_controles = new QWidget(this);

    auto *movimento = new QGroupBox(QStringLiteral("Movimento"), m_controles);
    lblMov = new QLabel(QStringLiteral("0000"), movimento);
    lblMov->setObjectName(QStringLiteral("lblMov"));
    (new QHBoxLayout(movimento))->addWidget(lblMov);
    dtpData = new QDateEdit(gDataCaixa, m_controles);
    dtpData->setObjectName(QStringLiteral("dtpData"));
    dtpData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    lblDia = new QLabel(m_controles);
    lblDia->setObjectName(QStringLiteral("lblDia"));
    txtid_tabela = new QLineEdit(m_controles);
    txtid_tabela->setObjectName(QStringLiteral("txtid_tabela"));
    txtid_tabela->setVisible(false);

    QWidget *entrada = montaEntrada();

    List1 = Contagem::novaLista({QStringLiteral("ID"), QStringLiteral("ESPÉCIE"), QStringLiteral("IDENT."),
                                 QStringLiteral("VALOR"), QStringLiteral("SALDO")},
                                {2, 3, 4}, m_controles);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setContextMenuPolicy(Qt::CustomContextMenu);
    m_totais = new PainelTotais(QString(), m_controles);
    txttotal = m_totais->txttotal;
    txtarrecadacao = m_totais->txtarrecadacao;
    txtsangria = m_totais->txtsangria;
    txtsuprimento = m_totais->txtsuprimento;
    txtsaldo = m_totais->txtsaldo;

    lblStatus = new QLabel(m_controles);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    Command1 = new QPushButton(QStringLiteral("Encerrar e Gerar Integração"), m_controles);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Sair"), m_controles);
    Command2->setObjectName(QStringLiteral("Command2"));
    pbr = new QProgressBar(this);
    pbr->setObjectName(QStringLiteral("pbr"));
    pbr->setVisible(false);

    mnuopcoes2 = new QMenu(this);
    mnuopcoes2->setObjectName(QStringLiteral("mnuopcoes2"));
    mnudel = mnuopcoes2->addAction(QStringLiteral("Estornar Item"));
    mnudel->setObjectName(QStringLiteral("mnudel"));
    mnualterar = mnuopcoes2->addAction(QStringLiteral("Alterar Item"));
    mnualterar->setObjectName(QStringLiteral("mnualterar"));

    auto *topo = new QHBoxLayout;
    topo->addWidget(movimento);
    topo->addWidget(dtpData);
    topo->addWidget(lblDia, 1);
    auto *meio = new QHBoxLayout;
    meio->addWidget(List1, 1);
    meio->addWidget(m_totais);
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(lblStatus, 1);
    rodape->addWidget(Command1);
    rodape->addWidget(Command2);
    auto *controles = new QVBoxLayout(m_controles);
    controles->setContentsMargins(0, 0, 0, 0);
    controles->addLayout(topo);
    controles->addWidget(entrada);
    controles->addLayout(meio, 1);
    controles->addLayout(rodape);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(m_controles, 1);
    lay->addWidget(pbr);
    resize(980, 560);

    // The window sees its controls' keys first: a letter sends the teller to
    // the kinds of money, wherever the focus was.
    for (QWidget *w : std::initializer_list<QWidget *>{dtpData, txtnumero, mskvalor, Command5, List1, txttotal,
                                                       txtarrecadacao, txtsangria, txtsuprimento, txtsaldo,
                                                       Command1, Command2})
        w->installEventFilter(this);

    connect(Command5, &QPushButton::clicked, this, &frmLancamentos::Command5_Click);
    connect(Command1, &QPushButton::clicked, this, &frmLancamentos::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLancamentos::Command2_Click);
    connect(mnudel, &QAction::triggered, this, &frmLancamentos::mnudel_Click);
    connect(List1, &QTreeWidget::itemClicked, this, &frmLancamentos::List1_ItemClick);
    // The row pressed with the right button is the one "Estornar Item" acts
    // on; a menu opened from the keyboard chooses nothing.
    Caixa::escolheComBotaoDireito(List1, [this](QTreeWidgetItem *item) { List1_ItemClick(item); });
    connect(List1, &QWidget::customContextMenuRequested, this, &frmLancamentos::List1_MouseUp);
}

int frmLancamentos::abre(QWidget *parent)
{
    QPointer<frmLancamentos> w = new frmLancamentos(parent);
    const int resposta = w->exec();
    delete w.data();
    return resposta;
}

void frmLancamentos::Form_Load()
{
    const RecordsetPtr rs =
        gDataAccess->SQLSelect_ReadOnly(QStringLiteral("SELECT * FROM MOVIMENTO WHERE MDATA = ?;"), {gDataCaixa});
    // The row is read by position: ID, MOV, MDATA, ENTRADA, VALOR_ARRECADADO,
    // SAIDA, SUPRIMENTO, STATUS.
    if (rs && rs->RecordCount() == 1) {
        txtid_tabela->setText(rs->Fields(0).toString());
        dtpData->setDate(QDate::fromString(rs->Fields(2).toString(), Qt::ISODate));
        lblMov->setText(quatroDigitos(rs->Fields(1).toLongLong()));
        txtsangria->setText((moeda(*rs, 3) - moeda(*rs, 5)).format());
        txtarrecadacao->setText(moeda(*rs, 4).format());
        txtsuprimento->setText(moeda(*rs, 6).format());
    }
    Caixa::pintaTotal(txtsangria, Caixa::leValor(txtsangria->text()).value_or(Currency()));
    lblDia->setText(QStringLiteral("Caixa dia: ") + dtpData->date().toString(QStringLiteral("dd - MM - yyyy")));
    Caixa::preencheEspecies(Combo1);
    Lista_conf_caixa();
    Combo1->setCurrentIndex(Combo1->count() > 0 ? 0 : -1);
}

int frmLancamentos::idMovimento() const
{
    return txtid_tabela->text().toInt();
}

void frmLancamentos::Lista_conf_caixa()
{
    const int id = idMovimento();
    RecordsetPtr rs;
    if (id > 0) {
        rs = gDataAccess->SQLSelect_ReadOnly(
            QStringLiteral("SELECT ConfCaixa.ID, ConfCaixa.IDMOVIMENTO, ConfCaixa.NUMERO, ConfCaixa.VALOR, "
                           "CodBarra.DESCRICAO FROM CodBarra INNER JOIN ConfCaixa ON CodBarra.IDCOD = "
                           "ConfCaixa.ESPECIE WHERE ConfCaixa.IDMOVIMENTO = ? ORDER BY ConfCaixa.ID"),
            {id});
        if (!rs)
            return;
    }
    Escrita::CursorEspera cursor;
    List1->clear();
    Currency saldo;
    if (rs) {
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
            const Currency valor = Currency::fromRaw(rs->Fields(QStringLiteral("VALOR")).toLongLong());
            saldo += valor;
            Contagem::novaLinha(List1, {quatroDigitos(rs->Fields(QStringLiteral("ID")).toLongLong()),
                                        rs->Fields(QStringLiteral("DESCRICAO")).toString(),
                                        rs->Fields(QStringLiteral("NUMERO")).toString(), valor.format(),
                                        saldo.format()});
        }
    }
    txttotal->setText(saldo.format());
    // Without the day's movement there is nothing to compare the count with.
    if (id > 0)
        m_totais->calculaDiferenca();
    else
        txtsaldo->clear();
    lblStatus->setText(Contagem::textoStatus(List1->topLevelItemCount()));
}

void frmLancamentos::Command5_Click()
{
    // The text read as money, as far as the money type holds it ("1,234"
    // too); an empty or unreadable value, no kind or no movement adds no
    // line and shows nothing.
    const std::optional<Currency> valor = Currency::parse(mskvalor->text());
    if (!valor || idMovimento() <= 0 || Combo1->currentIndex() < 0)
        return;
    m_conf.IDMOVIMENTO = idMovimento();
    m_conf.ESPECIE = Combo1->currentData().toInt();
    m_conf.NUMERO = txtnumero->text();
    m_conf.VALOR = *valor;
    bool gravado = false;
    try {
        gravado = m_conf.SQLInsert();
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, QStringLiteral("Função Command5_Click"));
    }
    Lista_conf_caixa();
    Command1->setEnabled(true);
    // A line that was not stored keeps what was typed, for another try.
    if (gravado) {
        mskvalor->clear();
        txtnumero->clear();
    }
    mskvalor->setFocus();
}

void frmLancamentos::List1_ItemClick(QTreeWidgetItem *item)
{
    if (item)
        m_tag = item->text(0);
}

void frmLancamentos::List1_MouseUp(const QPoint &pos)
{
    mnuopcoes2->popup(List1->viewport()->mapToGlobal(pos));
}

void frmLancamentos::mnudel_Click()
{
    if (m_tag.isEmpty()) {
        MsgBox(QStringLiteral("Você deve clicar no item antes!!"), Vb::vbExclamation, kAviso);
        return;
    }
    if (MsgBox(QStringLiteral("Confirma exclusão do Item: ") + m_tag, Vb::vbYesNo + Vb::vbQuestion, kAviso)
        == Vb::vbYes) {
        m_conf.ID = m_tag.toInt();
        try {
            m_conf.SQLDelete(); // its answer is not examined
        } catch (const CaixaError &e) {
            Aplicativos::Trata_erro(e, QStringLiteral("Função mnudel_Click"));
        }
        // The tag survives the removal: a second "Estornar Item" asks again.
        Lista_conf_caixa();
    }
    Command1->setEnabled(true);
    mskvalor->setFocus();
}

void frmLancamentos::Command1_Click()
{
    if (MsgBox(QStringLiteral("Confirma a criação do arquivo remessa?"), Vb::vbYesNo + Vb::vbQuestion, kAviso)
        != Vb::vbYes)
        return;
    if (Gera_integracao()) {
        MsgBox(QStringLiteral("Geração de arquivo efetuada com sucesso!!"), Vb::vbInformation, kAviso);
        Command1->setEnabled(false);
    } else {
        MsgBox(QStringLiteral("Erro ao gravar arquivo!!"), Vb::vbCritical, kAviso);
    }
}

bool frmLancamentos::Gera_integracao()
{
    // The file is the counted movement's, so that its items and the count in
    // its footer cannot come from two different days.
    const int id = idMovimento();
    if (id <= 0)
        return false;
    const std::optional<Currency> total = Caixa::leValor(txttotal->text());
    const std::optional<Currency> suprimento = Caixa::leValor(txtsuprimento->text());
    if (!total || !suprimento) {
        Caixa::avisaValorInvalido();
        return false;
    }
    const DadosIntegracao dados{id, dtpData->date(), *total, *suprimento};
    Escrita::TelaOcupada ocupada(m_controles, m_gravando);
    return m_integracao.Gera_integracao(dados);
}

void frmLancamentos::Command2_Click()
{
    close();
}

void frmLancamentos::reject()
{
    if (!m_gravando)
        QDialog::reject();
}

void frmLancamentos::closeEvent(QCloseEvent *event)
{
    if (m_gravando)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

bool frmLancamentos::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(event);
        const bool letra = k->key() >= Qt::Key_A && k->key() <= Qt::Key_Z;
        if (letra && (k->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
            Combo1->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
