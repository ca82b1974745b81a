// The main window's sum list: reading codes into it, the change, recording
// its rows, correcting it and keeping it in the sum-list files.
#include "arquivo_soma.h"
#include "avisos_janelas.h"
#include "frm_frente.h"
#include "frm_ldg.h"
#include "grava_recebimento.h"
#include "leitor_codigo_barras.h"

#include "aplicativos.h"
#include "cls_recebimentos.h"
#include "consultas.h"
#include "error_report.h"
#include "frm_autenticar.h"
#include "globals.h"
#include "msg_box.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace AbreBD;

namespace {

const QString kAviso = QStringLiteral("Aviso");
const QString kAPagar = QStringLiteral("A Pagar");

ConsultasLeitura consultasReais()
{
    return {Aplicativos::Existe_recebimento, Aplicativos::Existe_recebimentos1, Aplicativos::Rede_ativa,
            Aplicativos::Proximo_dia_util, Aplicativos::E_feriado};
}

QString caminhoSoma(const char *chave)
{
    return Aplicativos::Le_ini(QStringLiteral("Export"), QString::fromLatin1(chave), arquivoConfig());
}

// The whole number nearest to a non-negative amount, halves going to the
// even neighbour; negative amounts answer 0 or less.
qint64 inteiroMaisProximo(Currency valor)
{
    const qint64 raw = valor.raw();
    qint64 n = raw / Currency::Scale;
    const qint64 resto = raw % Currency::Scale;
    if (raw > 0 && (resto * 2 > Currency::Scale || (resto * 2 == Currency::Scale && n % 2 != 0)))
        ++n;
    return n;
}

} // namespace

void frmFrente::ligaSoma()
{
    m_avisos = std::make_unique<AvisosJanelas>(this);
    m_leitor = std::make_unique<LeitorCodigoBarras>(consultasReais(), *m_avisos);
    qApp->installEventFilter(this);
    connect(cmbTipoGuia, &QComboBox::activated, this, [this](int i) {
        if (i >= 0)
            txtItem->setText(cmbTipoGuia->itemData(i).toString());
    });
    connect(cmdLdg, &QPushButton::clicked, this, &frmFrente::cmdLdg_Click);
    const QList<QPair<const char *, void (frmFrente::*)()>> ligacoes = {
        {"mnuLdg", &frmFrente::cmdLdg_Click},         {"mnuCorrige", &frmFrente::mnuCorrige_Click},
        {"mnuRemove", &frmFrente::mnuRemove_Click},   {"mnuLimpar", &frmFrente::mnuLimpar_Click},
        {"mnuLimpaIdent", &frmFrente::mnuLimpaIdent_Click}, {"mnuGravar", &frmFrente::mnuGravar_Click},
        {"mnuCarregar", &frmFrente::mnuCarregar_Click}, {"mnuEncerrar", &frmFrente::mnuEncerrar_Click},
        {"mnuReabrir", &frmFrente::mnuReabrir_Click}, {"mnureverter", &frmFrente::mnureverter_Click},
    };
    for (const auto &[nome, slot] : ligacoes)
        connect(menu(QString::fromLatin1(nome)), &QAction::triggered, this, slot);
}

bool frmFrente::diaFechado() const
{
    return !txtValorCodBarra->isEnabled();
}

void frmFrente::mostraSoma()
{
    lstSoma->clear();
    QList<QTreeWidgetItem *> linhas;
    for (const LinhaSoma &l : m_soma)
        linhas << new QTreeWidgetItem({l.seq, l.tipo, l.valor.format(), l.saldo.format(), l.codBarra, l.vencimento,
                                       l.parcela, l.obs});
    lstSoma->addTopLevelItems(linhas);
    if (!linhas.isEmpty())
        lstSoma->scrollToItem(linhas.last());
    lbltotalConta->setText(m_soma.isEmpty() ? QStringLiteral("Calcular") : m_soma.last().saldo.formatReais());
}

void frmFrente::VerificaLeituraCodigoBarras()
{
    if (diaFechado())
        return;
    const ResultadoLeitura r =
        m_leitor->VerificaLeituraCodigoBarras(txtValorCodBarra->text(), m_soma, AjustesLeitura::dosGlobais());
    if (r.desfecho == ResultadoLeitura::Desfecho::Ignorado)
        return;
    lstSoma->setVisible(true);
    cmbTipoGuia->clear();
    for (const TipoGuia &t : r.tipos)
        cmbTipoGuia->addItem(t.descricao, t.idcod);
    cmbTipoGuia->setCurrentIndex(r.tipoSelecionado);
    if (r.tipoSelecionado >= 0)
        txtItem->setText(cmbTipoGuia->itemData(r.tipoSelecionado).toString());
    if (r.semRede)
        lblStatusRede->setVisible(*r.semRede);
    if (r.limpaCodigo)
        txtValorCodBarra->clear();
    if (r.desfecho == ResultadoLeitura::Desfecho::Adicionado && r.linha) {
        mskvalor->setText(r.valorCobrar.format());
        acrescentaLinha(*r.linha);
    }
    if (r.focoNoCodigo)
        txtValorCodBarra->setFocus();
}

bool frmFrente::Adiciona_item_soma()
{
    // A closed day takes nothing more, whatever road the item came by.
    if (diaFechado())
        return false;
    if (txtItem->text().isEmpty()) {
        MsgBox(QStringLiteral("Erro na Leitura de dados!!!"), Vb::vbExclamation, kAviso);
        return false;
    }
    const auto valor = Currency::parse(mskvalor->text());
    if (!valor) {
        MsgBox(QStringLiteral("O valor informado não é um número!!"), Vb::vbExclamation, kAviso);
        return false;
    }
    const int idTipo = txtItem->text().toInt();
    const int i = cmbTipoGuia->findData(idTipo);
    const QString descricao = i >= 0 ? cmbTipoGuia->itemText(i) : cmbTipoGuia->currentText();
    acrescentaLinha(novaLinhaSoma(m_soma, idTipo, descricao, *valor, txtValorCodBarra->text(), VencimentoAvulso,
                                  ParcelaAvulso, ObsAvulso));
    return true;
}

void frmFrente::acrescentaLinha(const LinhaSoma &linha)
{
    if (diaFechado())
        return;
    m_soma << linha;
    mostraSoma();
    VencimentoAvulso.clear();
    ParcelaAvulso.clear();
    ObsAvulso.clear();
    txtValorCodBarra->clear();
    mskvalor->clear();
    txtItem->clear();
    Limpa_troco();
    cmbTipoGuia->setCurrentIndex(-1);
}

void frmFrente::limpaEntrada()
{
    mskvalor->clear();
    if (!diaFechado())
        txtValorCodBarra->clear();
    txtValorCodBarra->setFocus();
}

bool frmFrente::eventFilter(QObject *watched, QEvent *event)
{
    // Keys typed anywhere in this window reach it before the focused control.
    // Only the delivery to the window's own focus widget counts (the key is
    // delivered again to the parents when nobody takes it), so each key counts
    // once; the window's focus widget also holds without a window manager.
    const auto type = event->type();
    // The bar-code box selects its whole text whenever it gets the focus, also
    // when a modal window hands it back, so that the next reading replaces it.
    if (type == QEvent::FocusIn && watched == txtValorCodBarra)
        txtValorCodBarra->selectAll();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || watched != focusWidget())
        return QMainWindow::eventFilter(watched, event);
    auto *k = static_cast<QKeyEvent *>(event);
    if (type == QEvent::ShortcutOverride) {
        // The menus' shortcuts (Ctrl+C, Ctrl+Ins, ...) belong to the window,
        // not to the box that has the focus.
        const QKeySequence tecla(k->keyCombination());
        for (QAction *a : std::as_const(m_menus))
            if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == tecla) {
                event->ignore();
                return true;
            }
        return QMainWindow::eventFilter(watched, event);
    }
    return teclaDaJanela(k) || QMainWindow::eventFilter(watched, event);
}

bool frmFrente::teclaDaJanela(QKeyEvent *k)
{
    const bool noCodigo = focusWidget() == txtValorCodBarra;
    const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
    // The bar-code box reads its code on Enter before the window records.
    if (enter && noCodigo)
        VerificaLeituraCodigoBarras();
    if (enter) {
        if (!m_soma.isEmpty() && lblTroco->text() != kAPagar) {
            Grava_item_recebido();
            return true;
        }
        return noCodigo;
    }
    if (k->text() == QLatin1String("-"))
        return calculaTroco() || noCodigo;
    if (k->text() == QLatin1String("+")) {
        cmdAvulso_Click();
        return true;
    }
    if (noCodigo && !k->text().isEmpty() && k->text().at(0).isPrint())
        return !Aplicativos::Filtra_numero_texto(k->text()); // only digits and the comma reach the box
    return false;
}

bool frmFrente::calculaTroco()
{
    const QString texto = txtValorCodBarra->text();
    if (diaFechado() || Aplicativos::Conta_separador(texto, QStringLiteral(",")) >= 2)
        return false;
    if (!lstSoma->isVisible())
        lstSoma->setVisible(true);
    if (m_soma.isEmpty())
        return false;
    const Currency total = m_soma.last().saldo;
    Currency diferenca;
    if (texto.isEmpty()) {
        txtValorCodBarra->setText(total.plainText());
        txtValorCodBarra->selectAll();
    } else {
        const auto pago = Currency::parse(texto);
        if (!pago) {
            MsgBox(QStringLiteral("O valor informado não é um número!!"), Vb::vbExclamation, kAviso);
            return true;
        }
        diferenca = *pago - total;
    }
    LfLettersTroco->setText(diferenca.raw() < 0 ? QStringLiteral("Deve:") : QStringLiteral("Troco:"));
    lblTroco->setText(diferenca.isZero() ? QStringLiteral("Não tem ...") : diferenca.formatReais());
    Timer4->start();
    return true;
}

std::optional<int> frmFrente::proximaAutenticacao()
{
    return GravaRecebimento::proximaAutenticacao(IdMovimento);
}

bool frmFrente::Grava_item_recebido()
{
    if (m_soma.isEmpty() || diaFechado())
        return false;
    lstSoma->setCurrentItem(lstSoma->topLevelItem(0));
    const auto numero = proximaAutenticacao();
    if (!numero) {
        // Never number from 1 on a failed look-up: that would repeat a number.
        Aplicativos::Trata_erro(QStringLiteral("Função Grava_item_recebido"));
        MsgBox(QStringLiteral("Erro de Gravação!!!"), Vb::vbCritical, QStringLiteral("Erro"));
        return false;
    }
    txtcod->setText(QString::number(*numero));
    const LinhaSoma linha = m_soma.first();
    gCancelaAutenticacao = true;
    {
        frmAutenticar dialogo({linha.seq, linha.tipo, linha.valor.format(), txtcod->text()}, this);
        if (aoAutenticar)
            aoAutenticar(dialogo);
        dialogo.exec();
    }
    if (gCancelaAutenticacao) {
        txtValorCodBarra->setFocus();
        return false;
    }

    const bool gravado = GravaRecebimento::grava(*recebimentos, linha, IdMovimento, *numero);
    if (!gravado) {
        MsgBox(QStringLiteral("Erro de Gravação!!!"), Vb::vbCritical, QStringLiteral("Erro"));
        limpaEntrada();
        return false;
    }
    MsgBox(QStringLiteral("Registro Gravado!!!"), Vb::vbInformation, QStringLiteral("Gravar Registro"));
    if (gTeclaMais == 1) {
        QString erro;
        if (!grava_recebimentos_txt(1, *numero, {}, {}, {}, {}, &erro))
            MsgBox(QStringLiteral("O item foi gravado, mas o arquivo de recebimentos não pôde ser escrito:\r\n") + erro,
                   Vb::vbExclamation, kAviso);
    }
    m_soma.removeFirst();
    mostraSoma();
    if (m_soma.isEmpty())
        Limpa_troco();
    limpaEntrada();
    return true;
}

void frmFrente::cmdLdg_Click()
{
    if (diaFechado())
        return;
    frmLdg ldg; // no owner window: it opens centred on the screen
    ldg.entregaCodigo = [this](const QString &codigo) {
        txtValorCodBarra->setText(codigo);
        VerificaLeituraCodigoBarras();
    };
    ldg.exec();
    if (txtValorCodBarra->isEnabled())
        txtValorCodBarra->setFocus();
}

void frmFrente::mnuCorrige_Click()
{
    if (m_soma.isEmpty())
        return;
    m_soma.removeLast();
    Limpa_troco();
    txtValorCodBarra->clear();
    mskvalor->clear();
    mostraSoma();
    if (m_soma.isEmpty())
        cmbTipoGuia->setCurrentIndex(-1);
    txtValorCodBarra->setFocus();
}

void frmFrente::mnuRemove_Click()
{
    const QString resposta = InputBox(QStringLiteral("Informe o número do item a excluir?"), QStringLiteral("Excluir Item"));
    if (resposta.isEmpty()) {
        MsgBox(QStringLiteral("Nenhum valor informado!!!"), Vb::vbExclamation, kAviso);
        txtValorCodBarra->setFocus();
        return;
    }
    // The answer is read in the local number form ("1.000" is one thousand)
    // and taken as a whole number.
    const auto numero = Currency::parse(resposta);
    if (!numero) {
        MsgBox(QStringLiteral("O valor informado não é um número!!"), Vb::vbExclamation, kAviso);
        return;
    }
    const qint64 n = inteiroMaisProximo(*numero);
    if (n < 1 || n > m_soma.size()) {
        MsgBox(QStringLiteral("O Valor informado não corresponde!!!"), Vb::vbExclamation, kAviso);
        return;
    }
    m_soma.removeAt(int(n) - 1);
    // The scratch file keeps what is left; the list is renumbered from memory,
    // so a scratch file that cannot be written loses nothing.
    const QString rascunho = caminhoSoma("caminho_remove_item");
    QString erro;
    if (!rascunho.isEmpty() && !ArquivoSoma::grava(rascunho, m_soma, &erro))
        erroSoma(QStringLiteral("Erro ao salvar registro! "), 75, erro);
    m_soma = ArquivoSoma::renumera(m_soma);
    mostraSoma();
    txtValorCodBarra->setFocus();
}

void frmFrente::mnuLimpar_Click()
{
    if (m_soma.isEmpty())
        return;
    if (MsgBox(QStringLiteral("Deseja realmente limpar a soma?"), Vb::vbYesNo + Vb::vbInformation, kAviso) != Vb::vbYes)
        return;
    mskvalor->clear();
    m_soma.clear();
    mostraSoma();
    lblTroco->clear();
    cmbTipoGuia->setCurrentIndex(-1);
    txtValorCodBarra->clear();
    txtLeitura->clear();
    Limpa_troco();
    txtValorCodBarra->setFocus();
}

void frmFrente::mnuLimpaIdent_Click()
{
    txtValorCodBarra->clear();
    txtLeitura->clear();
    txtValorCodBarra->setFocus();
}

void frmFrente::erroSoma(const QString &texto, int numero, const QString &detalhe)
{
    MsgBox(texto + detalhe, Vb::vbCritical, QStringLiteral("Erro n.º ") + QString::number(numero));
}

void frmFrente::mnuGravar_Click()
{
    if (m_soma.size() > 1)
        Grava_soma();
}

bool frmFrente::Grava_soma()
{
    const QString arquivo = caminhoSoma("caminho_soma");
    pbr->setMaximum(int(m_soma.size()));
    pbr->setValue(0);
    pbr->setVisible(true);
    QString erro;
    if (arquivo.isEmpty() || !ArquivoSoma::grava(arquivo, m_soma, &erro)) {
        erroSoma(QStringLiteral("Erro ao salvar registro! "), 75,
                 arquivo.isEmpty() ? QStringLiteral("Arquivo da soma não configurado.") : erro);
        pbr->setValue(0);
        return false;
    }
    pbr->setValue(int(m_soma.size()));
    lstSoma->setCurrentItem(lstSoma->topLevelItem(lstSoma->topLevelItemCount() - 1));
    MsgBox(QStringLiteral("Arquivo salvo com sucesso!!"), Vb::vbInformation, kAviso);
    pbr->setValue(0);
    pbr->setVisible(false);
    return true;
}

void frmFrente::mnuCarregar_Click()
{
    Carrega_soma();
}

bool frmFrente::Carrega_soma()
{
    if (!m_soma.isEmpty() || diaFechado())
        return false;
    const ArquivoSoma::Carga c = ArquivoSoma::carrega(caminhoSoma("caminho_soma"), false);
    if (!c.existe) {
        MsgBox(QStringLiteral("Não há dados!!"), Vb::vbInformation, kAviso);
        return false;
    }
    if (!c.ok || c.linhas.isEmpty()) {
        // Nothing of a file that does not read whole goes into the list.
        const QString onde = c.linhaErro > 0 ? QStringLiteral("linha %1: ").arg(c.linhaErro) : QString();
        erroSoma(QStringLiteral("Erro ao listar dados! "), c.linhaErro > 0 ? 13 : 62,
                 onde + (c.erro.isEmpty() ? QStringLiteral("o arquivo não tem itens") : c.erro));
        return false;
    }
    pbr->setMaximum(int(c.linhas.size()));
    m_soma = c.linhas;
    mostraSoma();
    pbr->setValue(int(c.linhas.size()));
    MsgBox(QStringLiteral("Arquivo carregado com sucesso!!"), Vb::vbInformation, kAviso);
    pbr->setValue(0);
    return true;
}
