#include "frm_corrige_guia.h"

#include "aplicativos.h"
#include "campos_valor.h"
#include "correcao_item.h"
#include "error_report.h"
#include "estado_movimento.h"
#include "formulario.h"
#include "frente_publica.h"
#include "globals.h"
#include "msg_box.h"
#include "registro_estornos.h"
#include "usuarios.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <limits>

using namespace AbreBD;

using Formulario::nomeado;

namespace {

const QString kAviso = QStringLiteral("Aviso");
const QString kInformeItem = QStringLiteral("Informe um item !!!");
const QString kObrigatorios = QStringLiteral("Todos os campos obrigatórios devem ser preenchidos!!");
const QString kSemMotivo = QStringLiteral("Um motivo deve ser especificado!!");
const QString kNaoExiste = QStringLiteral("Este item não existe mais neste movimento. A lista foi atualizada.");
const QString kNaoImpresso = QStringLiteral("A nota da correção não foi impressa. Verifique a impressora autenticadora.");

const QString kItensDoMovimento = QStringLiteral(
    "SELECT Recebimentos.IDRECEBE, Recebimentos.AUTENTICA, CodBarra.IDCOD, CodBarra.DESCRICAO, Recebimentos.VALOR, "
    "Recebimentos.CODBARRA FROM Recebimentos, CodBarra "
    "WHERE Recebimentos.TIPO = CodBarra.IDCOD AND Recebimentos.IDMOVIMENTO = ?");
const QString kMaisNovosPrimeiro = QStringLiteral(" ORDER BY Recebimentos.IDRECEBE DESC");
const QString kTipos = QStringLiteral("Select IDCOD, DESCRICAO FROM CodBarra WHERE IDCOD <= 99 ORDER BY DESCRICAO;");

// The list's columns.
enum Coluna { ORDEM, AUT, TIPO, VALOR, CODBARRA };

QLineEdit *caixa(const char *nome, QWidget *pai, bool obrigatoria)
{
    auto *c = nomeado(new QLineEdit(pai), nome);
    c->setProperty("Tag", obrigatoria ? QStringLiteral("1") : QStringLiteral("0"));
    return c;
}

// A recordset row of the item query as the list shows it.
QStringList colunasDe(const Recordset &rs)
{
    const int codigo = rs.Fields(2).toInt();
    return {QStringLiteral("%1").arg(rs.Fields(0).toInt(), 4, 10, QLatin1Char('0')),
            QStringLiteral("%1").arg(rs.Fields(1).toInt(), 3, 10, QLatin1Char('0')),
            QStringLiteral("%1").arg(codigo, 3, 10, QLatin1Char('0')) + QLatin1Char('-') + rs.Fields(3).toString(),
            Currency::fromRaw(rs.Fields(4).toLongLong()).format(), rs.Fields(5).toString()};
}

// The type code at the head of a TIPO text ("005-IPTU" is 5).
int codigoDoTipo(const QString &tipo)
{
    return tipo.section(QLatin1Char('-'), 0, 0).trimmed().toInt();
}

RegistroEstornos::Origem origem()
{
    RegistroEstornos::Origem o;
    o.numMovimento = gFrente ? gFrente->NumMovimento() : 0;
    o.dia = gFrente ? gFrente->dtpData() : gDataCaixa;
    o.usuario = gUsuario;
    return o;
}

} // namespace

frmCorrigeGuia::frmCorrigeGuia(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCorrigeGuia"));
    setWindowTitle(QStringLiteral("Correção de Lançamentos"));
    setModal(true);

    const Formulario::JanelaAbas abas = Formulario::montaJanelaAbas(this, 760, 520);
    SSTab = abas.SSTab;
    Command3 = abas.Command3;
    montaConsulta(abas.consulta);
    montaCadastro(abas.cadastro);
    connect(Command3, &QPushButton::clicked, this, &frmCorrigeGuia::Command3_Click);

    Lista_itens_dia(ListView1);
    SSTab->setTabEnabled(1, false);
    SSTab->setCurrentIndex(0);
}

int frmCorrigeGuia::abre(QWidget *parent)
{
    QPointer<frmCorrigeGuia> w = new frmCorrigeGuia(parent);
    const int resposta = w->exec();
    delete w.data(); // unless someone unloaded it already
    return resposta;
}

void frmCorrigeGuia::montaConsulta(QWidget *aba)
{
    txtpesquisa = caixa("txtpesquisa", aba, false);
    cmdProcura = Formulario::botao(QStringLiteral("Procurar"), "cmdProcura", aba, false);
    ListView1 = nomeado(new QTreeWidget(aba), "ListView1");
    ListView1->setHeaderLabels({QStringLiteral("ORDEM"), QStringLiteral("AUT."), QStringLiteral("TIPO"),
                                QStringLiteral("VALOR"), QStringLiteral("COD. BARRA")});
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setColumnWidth(TIPO, 180);
    Command1[1] = Formulario::botao(QStringLiteral("Selecione um item e clique aqui para Alterar ou Excluir "), "Command1_1", aba, false);

    auto *pesquisa = new QHBoxLayout;
    pesquisa->addWidget(new QLabel(QStringLiteral("Pesquisar por Autenticação:"), aba));
    pesquisa->addWidget(txtpesquisa, 1);
    pesquisa->addWidget(cmdProcura);
    auto *lay = new QVBoxLayout(aba);
    lay->addLayout(pesquisa);
    lay->addWidget(ListView1, 1);
    lay->addWidget(Command1[1]);

    connect(cmdProcura, &QPushButton::clicked, this, &frmCorrigeGuia::cmdProcura_Click);
    connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });
    // Only a click chooses a row: the focus entering the list, which makes
    // its first row current, or the arrow keys choose nothing.
    connect(ListView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (item)
            m_tag = item->text(ORDEM);
    });
}

void frmCorrigeGuia::montaCadastro(QWidget *aba)
{
    txtordem = caixa("txtordem", aba, false);
    txtaut = caixa("txtaut", aba, true);
    txtbarra = caixa("txtbarra", aba, false);
    for (QLineEdit *c : {txtordem, txtaut, txtbarra})
        c->setEnabled(false);
    cmbOrgao = nomeado(new QComboBox(aba), "cmbOrgao");
    cmbOrgao->setProperty("Tag", QStringLiteral("1"));
    mskvalor = caixa("mskvalor", aba, true);
    mskvalor->setAlignment(Qt::AlignRight);
    Caixa::filtraNumero(mskvalor);
    Formulario::formataValorAoSair(mskvalor, Caixa::leValor);
    txtmotivo = nomeado(new QPlainTextEdit(aba), "txtmotivo");
    txtmotivo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Caixa::maiusculas(txtmotivo, std::numeric_limits<int>::max());
    // The reason has its own check and message, after the required fields.
    txtmotivo->setProperty("Tag", QStringLiteral("0"));
    txttipoantigo = caixa("txttipoantigo", aba, false);
    txtvalorantigo = caixa("txtvalorantigo", aba, false);
    txttipoantigo->hide();
    txtvalorantigo->hide();
    Command2 = Formulario::botao(QStringLiteral("Gravar"), "Command2", aba, false);
    Command1[3] = Formulario::botao(QStringLiteral("Excluir"), "Command1_3", aba, false);
    Command1[0] = Formulario::botao(QStringLiteral("Cancel"), "Command1_0", aba, false);

    auto *campos = new QGridLayout;
    campos->addWidget(new QLabel(QStringLiteral("Ordem"), aba), 0, 0);
    campos->addWidget(txtordem, 0, 1);
    campos->addWidget(new QLabel(QStringLiteral("Autenticação"), aba), 0, 2);
    campos->addWidget(txtaut, 0, 3);
    campos->addWidget(new QLabel(QStringLiteral("Código de barras"), aba), 1, 0);
    campos->addWidget(txtbarra, 1, 1, 1, 3);
    campos->addWidget(new QLabel(QStringLiteral("Tipo"), aba), 2, 0);
    campos->addWidget(cmbOrgao, 2, 1);
    campos->addWidget(new QLabel(QStringLiteral("Valor"), aba), 2, 2);
    campos->addWidget(mskvalor, 2, 3);
    campos->addWidget(new QLabel(QStringLiteral("Motivo"), aba), 3, 0);
    campos->addWidget(txtmotivo, 4, 0, 1, 4);
    campos->addWidget(txttipoantigo, 5, 0);
    campos->addWidget(txtvalorantigo, 5, 1);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(Command2);
    botoes->addWidget(Command1[3]);
    botoes->addWidget(Command1[0]);
    auto *lay = new QVBoxLayout(aba);
    lay->addLayout(campos, 1);
    lay->addLayout(botoes);

    connect(Command2, &QPushButton::clicked, this, &frmCorrigeGuia::Command2_Click);
    for (const int i : {0, 3})
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
}

void frmCorrigeGuia::Lista_itens_dia(QTreeWidget *lista, const QString &sql, const SqlParams &params)
{
    if (!lista)
        return;
    SqlParams valores = params;
    gSQL = sql;
    if (gSQL.isEmpty()) {
        gSQL = kItensDoMovimento + kMaisNovosPrimeiro;
        valores = {Caixa::idMovimento()};
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    gRs = clsDataAccess::selectQuiet(gSQL, valores);
    if (!gRs)
        Aplicativos::Trata_erro(QStringLiteral("Função Lista_Movimento_dia"));
    {
        // The row chosen before stays chosen while it is listed; otherwise no
        // row is chosen, so no action works on an item the list no longer shows.
        const QSignalBlocker bloqueio(lista);
        lista->clear();
        QTreeWidgetItem *escolhida = nullptr;
        if (gRs) {
            for (gRs->MoveFirst(); !gRs->Eof(); gRs->MoveNext()) {
                auto *linha = new QTreeWidgetItem(colunasDe(*gRs));
                linha->setTextAlignment(VALOR, Qt::AlignRight | Qt::AlignVCenter);
                lista->addTopLevelItem(linha);
                if (linha->text(ORDEM) == m_tag)
                    escolhida = linha;
            }
        }
        lista->setCurrentItem(escolhida);
        if (lista == ListView1 && !escolhida)
            m_tag.clear();
    }
    QApplication::restoreOverrideCursor();
    gRs.reset();
}

void frmCorrigeGuia::cmdProcura_Click()
{
    const QString texto = txtpesquisa->text().trimmed();
    if (texto.isEmpty()) {
        Lista_itens_dia(ListView1);
        return;
    }
    bool numero = false;
    const int aut = texto.toInt(&numero);
    Lista_itens_dia(ListView1, kItensDoMovimento + QStringLiteral(" AND Recebimentos.AUTENTICA = ?") + kMaisNovosPrimeiro,
                    {Caixa::idMovimento(), numero ? QVariant(aut) : QVariant(texto)});
}

void frmCorrigeGuia::Command1_Click(int index)
{
    if (m_tag.isEmpty()) {
        MsgBox(kInformeItem, Vb::vbCritical, kAviso);
        return;
    }
    switch (index) {
    case 0: voltaConsulta(); break;
    case 1: carregaItem(); break;
    case 3: exclui(); break;
    default: break;
    }
}

void frmCorrigeGuia::carregaItem()
{
    // The item is read again: the page shows it as stored now.
    const RecordsetPtr rs = gDataAccess->SQLSelect_ReadOnly(
        kItensDoMovimento + QStringLiteral(" AND Recebimentos.IDRECEBE = ?"), {Caixa::idMovimento(), m_tag.toInt()});
    if (!rs)
        return;
    if (rs->RecordCount() != 1) {
        MsgBox(kNaoExiste, Vb::vbExclamation, kAviso);
        Lista_itens_dia(ListView1);
        return;
    }
    const QStringList item = colunasDe(*rs);
    txtordem->setText(m_tag);
    AbreBD::Preenche_lista(kTipos, cmbOrgao);
    cmbOrgao->setCurrentIndex(cmbOrgao->findData(codigoDoTipo(item[TIPO])));
    txtaut->setText(item[AUT]);
    mskvalor->setText(item[VALOR]);
    txtvalorantigo->setText(item[VALOR]);
    txttipoantigo->setText(item[TIPO]);
    txtbarra->setText(item[CODBARRA]);
    txtmotivo->clear();
    Aplicativos::Alterna_aba(SSTab);
}

bool frmCorrigeGuia::semMotivo()
{
    if (!txtmotivo->toPlainText().trimmed().isEmpty())
        return false;
    MsgBox(kSemMotivo, Vb::vbExclamation, kAviso);
    txtmotivo->setFocus();
    return true;
}

int frmCorrigeGuia::tipoEscolhido() const
{
    return cmbOrgao->currentIndex() < 0 ? 0 : cmbOrgao->currentData().toInt();
}

void frmCorrigeGuia::Command2_Click()
{
    if (Caixa::recusaAlteracaoSeFechado())
        return;
    if (Aplicativos::Verifica_campos(this)) {
        MsgBox(kObrigatorios, Vb::vbExclamation, kAviso);
        return;
    }
    if (semMotivo())
        return;
    const std::optional<Currency> valor = Caixa::leValor(mskvalor->text());
    if (!valor || *valor < Currency()) {
        Caixa::avisaValorInvalido();
        mskvalor->setFocus();
        return;
    }
    mskvalor->setText(valor->format());
    const int tipo = tipoEscolhido();
    clsRecebimentos antes;
    switch (CorrecaoItem::altera(Caixa::idMovimento(), txtordem->text().toInt(), tipo, *valor, &antes)) {
    case CorrecaoItem::Resultado::Falhou:
        MsgBox(QStringLiteral("Erro ao gravar"), Vb::vbCritical, kAviso);
        break;
    case CorrecaoItem::Resultado::NaoEncontrado:
        MsgBox(kNaoExiste, Vb::vbExclamation, kAviso);
        break;
    case CorrecaoItem::Resultado::Gravado: {
        const bool mudouValor = antes.VALOR != *valor;
        const bool mudouTipo = antes.TIPO != tipo;
        const QString aut = txtaut->text().trimmed();
        registra(RegistroEstornos::entradaAlteracao(
                     origem(), aut, cmbOrgao->currentText(), *valor,
                     mudouTipo ? std::optional<QString>(txttipoantigo->text()) : std::nullopt,
                     mudouValor ? std::optional<Currency>(antes.VALOR) : std::nullopt, txtmotivo->toPlainText()),
                 QStringLiteral("Operação efetuada com sucesso!!"));
        if (mudouValor)
            imprime(CorrecaoItem::notaValor(aut, *valor));
        if (mudouTipo)
            imprime(CorrecaoItem::notaTipo(aut, cmbOrgao->currentText()));
        break;
    }
    }
    Lista_itens_dia(ListView1);
    voltaConsulta();
}

void frmCorrigeGuia::exclui()
{
    if (Caixa::recusaExclusaoSeFechado())
        return;
    if (semMotivo())
        return;
    if (MsgBox(QStringLiteral("Confirma exclusão deste item?") + QStringLiteral(" - ") + m_tag,
               Vb::vbYesNo | Vb::vbQuestion, kAviso)
        == Vb::vbYes) {
        clsRecebimentos removido;
        switch (CorrecaoItem::exclui(Caixa::idMovimento(), m_tag.toInt(), &removido)) {
        case CorrecaoItem::Resultado::Falhou:
            MsgBox(QStringLiteral("Erro ao excluir"), Vb::vbCritical, kAviso);
            break;
        case CorrecaoItem::Resultado::NaoEncontrado:
            MsgBox(kNaoExiste, Vb::vbExclamation, kAviso);
            Lista_itens_dia(ListView1);
            break;
        case CorrecaoItem::Resultado::Gravado: {
            // The note and the log carry the amount that was stored, not
            // whatever the value box holds.
            const QString aut = txtaut->text().trimmed();
            registra(RegistroEstornos::entradaEstorno(origem(), aut, txttipoantigo->text(), removido.VALOR,
                                                      txtmotivo->toPlainText()),
                     QStringLiteral("Exclusão efetuada com sucesso!!"));
            imprime(CorrecaoItem::notaEstorno(aut, removido.VALOR));
            Lista_itens_dia(ListView1);
            break;
        }
        }
    }
    voltaConsulta();
}

void frmCorrigeGuia::registra(const QStringList &entrada, const QString &feito)
{
    const QString arquivo = RegistroEstornos::arquivoDoDia();
    QString erro;
    if (RegistroEstornos::acrescenta(arquivo, entrada, &erro)) {
        MsgBox(feito, Vb::vbInformation, kAviso);
        return;
    }
    // The change stands; the log must not look complete when it is not. The
    // error log keeps the entry itself, so it can be copied in by hand.
    const QString crlf = QStringLiteral("\r\n");
    MsgBox(QStringLiteral("A mudança do item foi gravada, mas NÃO foi anotada no arquivo de estornos:") + crlf
               + arquivo + crlf + erro + crlf + crlf + QStringLiteral("A entrada que faltou foi guardada em Log.ini."),
           Vb::vbExclamation, kAviso);
    QStringList semFecho = entrada;
    semFecho.removeLast();
    const QString descricao = QStringLiteral("Entrada não gravada em ") + arquivo + QStringLiteral(": ") + erro
                              + QStringLiteral(" | ") + semFecho.join(QStringLiteral(" | "));
    Aplicativos::Registra_erro(75, descricao, QStringLiteral("frmCorrigeGuia"), QStringLiteral("Registro de estornos"));
}

void frmCorrigeGuia::imprime(const QString &nota)
{
    gLinhaImpressao = nota;
    if (gFrente && !gFrente->ProcAutenticarDoc(gLinhaImpressao))
        MsgBox(kNaoImpresso, Vb::vbExclamation, kAviso);
}

void frmCorrigeGuia::voltaConsulta()
{
    if (SSTab->isTabEnabled(1))
        Aplicativos::Alterna_aba(SSTab);
}

void frmCorrigeGuia::Command3_Click()
{
    close();
}
