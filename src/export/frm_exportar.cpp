#include "frm_exportar.h"
#include "cls_recebimentos.h"
#include "consultas.h"
#include "error_report.h"
#include "aplicativos.h"
#include "consulta_recebimentos.h"
#include "error_report.h"
#include "globals.h"
#include "msg_box.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString kAviso = QStringLiteral("Aviso");

QPushButton *botao(const QString &nome, const QString &texto, QWidget *pai)
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    return b;
}

} // namespace

frmExportar::frmExportar(const ContextoExportacao &contexto, QWidget *parent)
    : QDialog(parent), m_contexto(contexto)
{
    setObjectName(QStringLiteral("frmExportar"));
    setWindowTitle(QStringLiteral("Confirmação e Rejeição de Itens à Exportar"));
    montaTela();
    m_febraban.progresso = Progresso::daBarra(pbr);
    m_cnab.progresso = Progresso::daBarra(pbr);

    // Form_Load
    {
        const QSignalBlocker bloqueio(cmbSel);
        cmbSel->setCurrentIndex(0);
    }
    cmbSel_Click();
    cmdExportar->setEnabled(m_contexto.movimentoFechado);
    SSTab->setTabEnabled(0, true);
    SSTab->setTabEnabled(1, false);
    SSTab->setCurrentIndex(0);
}

QTreeWidget *frmExportar::novaLista()
{
    auto *lista = new QTreeWidget;
    lista->setColumnCount(4);
    lista->setHeaderLabels({QStringLiteral("COD."), QStringLiteral("AUT."), QStringLiteral("VALOR"),
                            QStringLiteral("COD. BARRA")});
    lista->setRootIsDecorated(false);
    lista->setAllColumnsShowFocus(true);
    lista->header()->setStretchLastSection(true);
    return lista;
}

void frmExportar::montaTela()
{
    m_controles = new QWidget(this);
    const QStringList textos = {QStringLiteral("Total de itens contabilizados:"), QStringLiteral("Total arrecadado:"),
                                QStringLiteral("000"), QStringLiteral("0,00"), QStringLiteral("Cod. Banco"),
                                QStringLiteral("Tipo"), QStringLiteral("Conteúdo"), QStringLiteral("0,00")};
    for (int i = 0; i < 8; ++i) {
        SkinLabel[i] = new QLabel(textos.at(i), m_controles);
        SkinLabel[i]->setObjectName(QStringLiteral("SkinLabel_%1").arg(i));
    }
    SkinLabel[7]->setVisible(false);

    cmbSel = new QComboBox(m_controles);
    cmbSel->setObjectName(QStringLiteral("cmbSel"));
    cmbSel->addItems({QStringLiteral("FEBRABAN"), QStringLiteral("CNAB")});
    cmbTipo = new QComboBox(m_controles);
    cmbTipo->setObjectName(QStringLiteral("cmbTipo"));
    cmbTipo->setMinimumContentsLength(24);
    cmdPesquisar = botao(QStringLiteral("cmdPesquisar"), QStringLiteral("Carregar"), m_controles);
    txtcodbanco = new QLineEdit(m_controles);
    txtcodbanco->setObjectName(QStringLiteral("txtcodbanco"));
    txtcodbanco->installEventFilter(this);
    cmdExportar = botao(QStringLiteral("cmdExportar"), QStringLiteral("Exportar"), m_controles);
    cmdSair = botao(QStringLiteral("cmdSair"), QStringLiteral("Sair"), m_controles);

    SSTab = new QTabWidget(m_controles);
    SSTab->setObjectName(QStringLiteral("SSTab"));
    auto *pagina0 = new QWidget;
    lstRecebimentos = novaLista();
    lstRecebimentos->setObjectName(QStringLiteral("lstRecebimentos"));
    cmdRejeita = botao(QStringLiteral("cmdRejeita"),
                       QStringLiteral("Marque o item que você não quer exportar e clique aqui para retirar o item."),
                       pagina0);
    cmdRejeitados = botao(QStringLiteral("cmdRejeitados"), QStringLiteral("Verificar Rejeitados"), pagina0);
    auto *l0 = new QVBoxLayout(pagina0);
    l0->addWidget(lstRecebimentos);
    auto *b0 = new QHBoxLayout;
    b0->addWidget(cmdRejeita, 1);
    b0->addWidget(cmdRejeitados);
    l0->addLayout(b0);
    auto *pagina1 = new QWidget;
    lstRejeitado = novaLista();
    lstRejeitado->setObjectName(QStringLiteral("lstRejeitado"));
    cmdDesfazRejeicao = botao(
        QStringLiteral("cmdDesfazRejeicao"),
        QStringLiteral("Desmarque o item que você quer reverter a rejeição e clique aqui para confirmar"), pagina1);
    Command3 = botao(QStringLiteral("Command3"), QStringLiteral("Verificar Confirmados"), pagina1);
    auto *l1 = new QVBoxLayout(pagina1);
    l1->addWidget(lstRejeitado);
    auto *b1 = new QHBoxLayout;
    b1->addWidget(cmdDesfazRejeicao, 1);
    b1->addWidget(Command3);
    l1->addLayout(b1);
    SSTab->addTab(pagina0, QStringLiteral("Confirmados (Serão exportados)"));
    SSTab->addTab(pagina1, QStringLiteral("Rejeitados (Não serão exportados)"));

    auto *grade = new QGridLayout(m_controles);
    grade->addWidget(SkinLabel[6], 0, 0);
    grade->addWidget(cmbSel, 0, 1);
    grade->addWidget(SkinLabel[5], 0, 2);
    grade->addWidget(cmbTipo, 0, 3);
    grade->addWidget(cmdPesquisar, 0, 4);
    grade->addWidget(SkinLabel[4], 1, 0);
    grade->addWidget(txtcodbanco, 1, 1);
    grade->addWidget(cmdExportar, 1, 4);
    grade->addWidget(SSTab, 2, 0, 1, 5);
    grade->addWidget(SkinLabel[0], 3, 0);
    grade->addWidget(SkinLabel[2], 3, 1);
    grade->addWidget(SkinLabel[1], 3, 2);
    grade->addWidget(SkinLabel[3], 3, 3);
    grade->addWidget(SkinLabel[7], 3, 3);
    grade->addWidget(cmdSair, 3, 4);

    pbr = new QProgressBar(this);
    pbr->setObjectName(QStringLiteral("pbr"));
    pbr->setVisible(false);
    auto *principal = new QVBoxLayout(this);
    principal->addWidget(m_controles);
    principal->addWidget(pbr);

    connect(cmbSel, &QComboBox::currentIndexChanged, this, &frmExportar::cmbSel_Click);
    connect(cmbTipo, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)
            cmbTipo_Click();
    });
    connect(cmdPesquisar, &QPushButton::clicked, this, &frmExportar::cmdPesquisar_Click);
    connect(cmdRejeitados, &QPushButton::clicked, this, &frmExportar::cmdRejeitados_Click);
    connect(Command3, &QPushButton::clicked, this, &frmExportar::Command3_Click);
    connect(cmdRejeita, &QPushButton::clicked, this, &frmExportar::cmdRejeita_Click);
    connect(cmdDesfazRejeicao, &QPushButton::clicked, this, &frmExportar::cmdDesfazRejeicao_Click);
    connect(cmdExportar, &QPushButton::clicked, this, &frmExportar::cmdExportar_Click);
    connect(cmdSair, &QPushButton::clicked, this, &frmExportar::cmdSair_Click);
}

void frmExportar::cmbSel_Click()
{
    const QString letra = cmbSel->currentText().left(1);
    Preenche_combo(QStringLiteral("Select IDCOD, DESCRICAO FROM CodBarra Where PADRAO = ? ORDER BY DESCRICAO;"),
                   {letra}, cmbTipo);
    lstRecebimentos->clear();
}

bool frmExportar::Preenche_combo(const QString &sql, const QVariantList &params, QComboBox *combo)
{
    const std::optional<SqlArray> linhas = AbreBD::gDataAccess->SQLSelectAllArray(sql, params);
    if (!linhas)
        return false;
    const QSignalBlocker bloqueio(combo);
    combo->clear();
    for (int i = 0; i < (*linhas)[0].size(); ++i)
        combo->addItem((*linhas)[1][i].toString(), (*linhas)[0][i]);
    // Nothing is chosen until the teller picks a type.
    combo->setCurrentIndex(-1);
    return true;
}

int frmExportar::tipoEscolhido() const
{
    return cmbTipo->currentIndex() < 0 ? -1 : cmbTipo->currentData().toInt();
}

void frmExportar::cmbTipo_Click()
{
    lstRecebimentos->clear();
    SkinLabel[2]->setText(QStringLiteral("0"));
    SkinLabel[3]->setText(QStringLiteral("0,00"));
    txtcodbanco->setText(Aplicativos::Pega_codbanco(tipoEscolhido()));
}

void frmExportar::Lista_recebimentos(QTreeWidget *lista, int flag)
{
    if (tipoEscolhido() < 0)
        return;
    lista->clear();
    const RecordsetPtr rs = consultaRecebimentos(m_contexto.idMovimento, tipoEscolhido(), flag);
    if (!rs) {
        Aplicativos::Trata_erro(QStringLiteral("Função Lista_Movimento"));
        return;
    }
    Escrita::CursorEspera cursor;
    Currency total;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        const Currency valor = Currency::fromRaw(rs->Fields(QStringLiteral("VALOR")).toLongLong());
        total += valor;
        auto *linha = new QTreeWidgetItem(lista);
        linha->setText(0, QStringLiteral("%1").arg(rs->Fields(QStringLiteral("IDRECEBE")).toLongLong(), 5, 10,
                                                   QLatin1Char('0')));
        linha->setText(1, QStringLiteral("%1").arg(rs->Fields(QStringLiteral("AUTENTICA")).toLongLong(), 3, 10,
                                                   QLatin1Char('0')));
        linha->setText(2, valor.format());
        linha->setText(3, rs->Fields(QStringLiteral("CODBARRA")).toString());
        linha->setFlags(linha->flags() | Qt::ItemIsUserCheckable);
        linha->setCheckState(0, rs->Fields(QStringLiteral("EXPORT")).toInt() == 1 ? Qt::Checked : Qt::Unchecked);
    }
    mostraTotais(lista, flag, total);
}

void frmExportar::mostraTotais(QTreeWidget *lista, int flag, Currency total)
{
    QLabel *mostrado = flag != 0 ? SkinLabel[7] : SkinLabel[3];
    QLabel *escondido = flag != 0 ? SkinLabel[3] : SkinLabel[7];
    escondido->setVisible(false);
    mostrado->setText(total.format());
    mostrado->setVisible(true);
    SkinLabel[2]->setText(QString::number(lista->topLevelItemCount()));
}

void frmExportar::cmdPesquisar_Click()
{
    if (tipoEscolhido() >= 0)
        Lista_recebimentos(lstRecebimentos, 0);
}

void frmExportar::cmdRejeitados_Click()
{
    Aplicativos::Alterna_aba(SSTab);
    Lista_recebimentos(lstRejeitado, 1);
}

void frmExportar::Command3_Click()
{
    Aplicativos::Alterna_aba(SSTab);
    Lista_recebimentos(lstRecebimentos, 0);
}

void frmExportar::cmdRejeita_Click()
{
    gravaMarcas(lstRecebimentos, QStringLiteral("Confirma a exportação dos itens relacionados na lista?"), 0);
}

void frmExportar::cmdDesfazRejeicao_Click()
{
    gravaMarcas(lstRejeitado, QStringLiteral("Confirma a reversão da rejeição dos itens desabilitados da lista?"),
                1);
}

bool frmExportar::gravaExport(int idRecebe, int flag)
{
    clsRecebimentos recebimento;
    recebimento.EXPORT = flag;
    try {
        return recebimento.SQLUpExport(idRecebe);
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, QStringLiteral("Função Lista_Movimento"));
        return false;
    }
}

void frmExportar::gravaMarcas(QTreeWidget *lista, const QString &pergunta, int flagRecarga)
{
    if (lista->topLevelItemCount() == 0)
        return;
    if (MsgBox(pergunta, Vb::vbYesNo + Vb::vbQuestion, kAviso) != Vb::vbYes)
        return;
    MsgBox(QStringLiteral("Processo demorado dependendo da quantidade de itens cadastrados. Aguarde!!"),
           Vb::vbExclamation, kAviso);
    int falhas = 0;
    {
        Escrita::CursorEspera cursor;
        for (int i = 0; i < lista->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *linha = lista->topLevelItem(i);
            bool numero = false;
            const int id = linha->text(0).toInt(&numero);
            if (!numero)
                continue;
            if (!gravaExport(id, linha->checkState(0) == Qt::Checked ? 1 : 0))
                ++falhas;
        }
    }
    if (falhas == 0)
        MsgBox(QStringLiteral("Gravação Concluida!!"), Vb::vbInformation, kAviso);
    else
        MsgBox(QStringLiteral("Gravação incompleta: %1 item(ns) não foram gravados. Confira a lista e tente novamente.")
                   .arg(falhas),
               Vb::vbExclamation, kAviso);
    Lista_recebimentos(lista, flagRecarga);
}

void frmExportar::cmdExportar_Click()
{
    if (txtcodbanco->text().size() != 3) {
        MsgBox(QStringLiteral("Código do banco não informado!!"), Vb::vbInformation, kAviso);
        return;
    }
    if (lstRecebimentos->topLevelItemCount() == 0)
        return;
    if (cmbSel->currentText().left(1) == QLatin1String("C")) {
        MsgBox(QStringLiteral("Este sistema ainda não executa esta função!!"), Vb::vbCritical, kAviso);
        return;
    }
    if (Gera_febraban_pendentes())
        MsgBox(QStringLiteral("Geração de arquivo efetuada com sucesso!!"), Vb::vbInformation, kAviso);
    else
        MsgBox(QStringLiteral("Erro ao gravar arquivo!!"), Vb::vbCritical, kAviso);
}

PedidoFebraban frmExportar::pedidoFebraban() const
{
    PedidoFebraban p;
    p.idMovimento = m_contexto.idMovimento;
    p.idTipo = tipoEscolhido();
    p.tipo = cmbTipo->currentText();
    p.codBanco = txtcodbanco->text();
    p.data = m_contexto.data;
    p.dataCaixa = AbreBD::gDataCaixa;
    p.linhasPendentes = lstRecebimentos->topLevelItemCount();
    return p;
}

QList<ItemExportacao> frmExportar::itensDaLista() const
{
    QList<ItemExportacao> itens;
    for (int i = 0; i < lstRecebimentos->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *linha = lstRecebimentos->topLevelItem(i);
        itens.append({linha->text(1), linha->text(3), Currency::parse(linha->text(2)).value_or(Currency())});
    }
    return itens;
}

bool frmExportar::Gera_febraban_pendentes()
{
    Escrita::TelaOcupada ocupada(m_controles, m_gravando);
    return m_febraban.Gera_febraban_pendentes(pedidoFebraban());
}

bool frmExportar::Gera_febraban_lista()
{
    Escrita::TelaOcupada ocupada(m_controles, m_gravando);
    return m_febraban.Gera_febraban_lista(pedidoFebraban(), itensDaLista());
}

bool frmExportar::Gera_cnab()
{
    Escrita::TelaOcupada ocupada(m_controles, m_gravando);
    return m_cnab.Gera_cnab({cmbTipo->currentText(), m_contexto.data, m_contexto.numMovimento}, itensDaLista());
}

void frmExportar::cmdSair_Click()
{
    close();
}

void frmExportar::reject()
{
    if (!m_gravando)
        QDialog::reject();
}

void frmExportar::closeEvent(QCloseEvent *event)
{
    if (m_gravando)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

bool frmExportar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtcodbanco && event->type() == QEvent::KeyPress) {
        const QString texto = static_cast<QKeyEvent *>(event)->text();
        if (!texto.isEmpty() && !Aplicativos::Filtra_numero_texto(texto))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
