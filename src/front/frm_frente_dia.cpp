// Closing, re-opening and the integration mark of the main window's movement.
#include "frm_frente.h"

#include "aplicativos.h"
#include "cls_autenticadora.h"
#include "cls_movimento.h"
#include "cls_recebimentos.h"
#include "error_report.h"
#include "globals.h"
#include "msg_box.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeWidget>

using namespace AbreBD;

namespace {

const QString kAviso = QStringLiteral("Aviso");
const QString kErro = QStringLiteral("Erro");

// One sum of the day; nothing when the query failed (reported).
std::optional<Currency> somaDoDia(const QString &sql, const QVariant &chave, const QString &campo)
{
    const RecordsetPtr rs = gDataAccess->SQLSelect_ReadOnly(sql, {chave});
    if (!rs || rs->RecordCount() != 1)
        return std::nullopt;
    return Currency::fromRaw(rs->Fields(campo).toLongLong());
}

QString texto12(Currency valor)
{
    const QString t = valor.format();
    return t.size() >= 12 ? t : QString(12 - t.size(), QLatin1Char(' ')) + t;
}

} // namespace

void frmFrente::mnuEncerrar_Click()
{
    if (MsgBox(QStringLiteral("Deseja encerrar a contabilização agora?"), Vb::vbYesNo + Vb::vbInformation, kAviso)
        != Vb::vbYes) {
        MsgBox(QStringLiteral("Operação cancelada."), Vb::vbExclamation, kAviso);
        return;
    }
    // Every sum must be read before anything is printed or stored: a day is
    // never closed on partial sums.
    const QString sqlSangria =
        QStringLiteral("SELECT SUM(ENTRADA) AS ENTRADA, SUM(SAIDA) AS SAIDA FROM Sangria where SDATA = ?;");
    const auto entradas = somaDoDia(sqlSangria, gDataCaixa, QStringLiteral("ENTRADA"));
    const auto saidas = somaDoDia(sqlSangria, gDataCaixa, QStringLiteral("SAIDA"));
    const auto arrecadado =
        somaDoDia(QStringLiteral("SELECT SUM(VALOR)AS SOMA FROM RECEBIMENTOS WHERE IDMOVIMENTO = ?"), IdMovimento,
             QStringLiteral("SOMA"));
    if (!entradas || !saidas || !arrecadado) {
        MsgBox(QStringLiteral("Não foi possível somar o movimento. O caixa não foi encerrado."), Vb::vbCritical, kAviso);
        return;
    }
    const Currency total = *entradas + *arrecadado - *saidas;
    const int n = lstLancado->topLevelItemCount();
    txttotal->setText(n > 0 ? lstLancado->topLevelItem(n - 1)->text(4) : QStringLiteral("0,00"));

    if (MsgBox(QStringLiteral("Deseja finalizar o cupom agora?"), Vb::vbYesNo + Vb::vbQuestion, kAviso) == Vb::vbYes) {
        autenticadora->setVALOR_ARRECADADO(texto12(*arrecadado));
        autenticadora->setVALOR_ENTRADA(texto12(*entradas));
        autenticadora->setVALOR_SAIDA(texto12(*saidas));
        autenticadora->setVALOR_TOTAL(texto12(total));
        const bool blocoCerto = autenticadora->EncerraCaixaCompleto();
        imprimeFita(autenticadora->EncerraFita(), blocoCerto);
    }
    if (gTeclaMais == 1) {
        QString erro;
        if (!grava_recebimentos_txt(2, 0, *arrecadado, *saidas, *entradas, total, &erro))
            MsgBox(QStringLiteral("O resumo do dia não pôde ser escrito no arquivo de recebimentos:\r\n") + erro,
                   Vb::vbExclamation, kAviso);
    }
    movimento->VALOR_ARRECADADO = arrecadado->roundedToCents();
    movimento->ENTRADA = entradas->roundedToCents();
    movimento->SAIDA = saidas->roundedToCents();
    if (gSomaSuprimento != 1) {
        movimento->SUPRIMENTO = Currency();
    } else if (const auto cofre = Currency::parse(
                   Aplicativos::Le_ini(QStringLiteral("Reserva"), QStringLiteral("cofre"), gArquivoCofre))) {
        movimento->SUPRIMENTO = cofre->roundedToCents();
    }
    movimento->STATUS = QStringLiteral("FECHADO");
    bool fechado = false;
    try {
        fechado = movimento->SQLUpdate_Arrecadado(IdMovimento);
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, QStringLiteral("Função mnuEncerrar"));
    }
    if (!fechado) {
        MsgBox(QStringLiteral("Erro ao encerrar."), Vb::vbCritical, kAviso);
        return;
    }
    // The window locks only once the movement is stored as closed.
    Habilita_menus(QStringLiteral("FECHADO"));
    MsgBox(QStringLiteral("Movimento encerrado."), Vb::vbInformation, kAviso);
}

void frmFrente::mnuReabrir_Click()
{
    if (MsgBox(QStringLiteral("Confirma a reabertura do movimento?"), Vb::vbYesNo + Vb::vbQuestion, kAviso) != Vb::vbYes)
        return;
    if (txtValorCodBarra->text() != QLatin1String("CAIXA ENCERRADO"))
        return;
    movimento->MOV = NumMovimento;
    movimento->MDATA = DataMovimento;
    movimento->ENTRADA = Currency();
    movimento->SAIDA = Currency();
    movimento->STATUS = QStringLiteral("ABERTO");
    bool gravado = false;
    try {
        gravado = movimento->SQLUpdate(IdMovimento);
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, QStringLiteral("Função mnuReabrir"));
    }
    if (!gravado) {
        MsgBox(QStringLiteral("Erro de Gravação!!!"), Vb::vbCritical, kErro);
        return;
    }
    if (gPrintCupom == 1
        && MsgBox(QStringLiteral("Deseja imprimir a reabertura de movimento no cupom?"),
                  Vb::vbYesNo + Vb::vbExclamation, kAviso) == Vb::vbYes) {
        autenticadora->setSEQ_MOV(QStringLiteral("%1").arg(NumMovimento, 3, 10, QLatin1Char('0')));
        const bool blocoCerto = autenticadora->ReabreCaixa();
        imprimeFita(autenticadora->AbreFita(), blocoCerto);
    }
    Habilita_menus(QStringLiteral("ABERTO"));
    MsgBox(QStringLiteral("Caixa Aberto!!!"), Vb::vbInformation, QStringLiteral("Gravar Registro"));
    txtValorCodBarra->setFocus();
}

void frmFrente::mnureverter_Click()
{
    bool ok = false;
    try {
        ok = recebimentos->SQLUpIntegra(0, IdMovimento);
    } catch (const CaixaError &e) {
        Aplicativos::Trata_erro(e, QStringLiteral("Função mnureverter"));
    }
    if (ok) {
        MsgBox(QStringLiteral("Revertido com sucesso!!"), Vb::vbInformation, kAviso);
        menu(QStringLiteral("mnureverter"))->setEnabled(false);
    } else {
        MsgBox(QStringLiteral("Erro ao reverter arquivo! "), Vb::vbCritical, kAviso);
    }
}
