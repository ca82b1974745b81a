#pragma once
#include "acrescimos.h"
#include "currency.h"
#include "linha_soma.h"

#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// The look-ups the reading needs from the database and the platform. The
// main window hands it Aplicativos::Existe_recebimento, Existe_recebimentos1,
// Rede_ativa, Proximo_dia_util and E_feriado; tests hand it fakes. All five
// are required.
struct ConsultasLeitura {
    std::function<bool(const QString &codigo)> existeRecebimento;
    std::function<bool(const QString &codigo)> existeRecebimentos1;
    std::function<bool()> redeAtiva;
    std::function<QDate(const QDate &data)> proximoDiaUtil;
    std::function<bool(const QDate &data)> eFeriado;
};

// The settings and the day the reading works with.
struct AjustesLeitura {
    QDate dataCaixa; // gDataCaixa
    int rede = 0;    // gRede: 1 = also look in RECEBIMENTOS1
    int juros = 0;   // gJuros: interest rule 1 or 2
    static AjustesLeitura dosGlobais();
};

// The warning windows of the payment road, each modal. The window answers
// with the dialogs (AvisosJanelas); tests answer from a script.
class AvisosPagamento {
public:
    virtual ~AvisosPagamento() = default;
    // frmContaLancada with "Conta já Lançada!!!" or "Conta já Recebida!!!".
    virtual void contaLancada(const QString &mensagem) = 0;
    // frmBloqueia: a previous-year document of a blocked type.
    virtual void bloqueia() = 0;
    // frmContavencida: a previous-year document, notice only.
    virtual void contaVencida() = 0;
    // frmGuiavencida: true when the teller receives the overdue document anyway.
    virtual bool guiaVencida() = 0;
    // frmAcrescimos: the interest and fine added.
    virtual void acrescimos(const Acrescimos &valores) = 0;
};

// One entry of the document-type list (cmbTipoGuia): DESCRICAO shown, IDCOD as data.
struct TipoGuia {
    int idcod = 0;
    QString descricao;
    QString idtipo;
};

// What the main window does after a reading.
struct ResultadoLeitura {
    enum class Desfecho {
        Ignorado,        // not 44 characters: nothing changes at all
        Recusado,        // refused: txtValorCodBarra emptied, nothing added
        Adicionado,      // `linha` goes to the end of lstSoma (Adiciona_item_soma)
        NaoClassificado, // no kind matched: the code stays in the box
        Erro,            // a payment step failed (reported where that step says); the code stays
    };
    Desfecho desfecho = Desfecho::Ignorado;
    // Every answer but Ignorado: lstSoma is made visible and cmbTipoGuia is
    // replaced by `tipos` (emptied when there are none) with `tipoSelecionado`
    // selected (-1: no selection; otherwise txtItem = that entry's IDCOD).
    QList<TipoGuia> tipos;
    int tipoSelecionado = -1;
    bool limpaCodigo = false;       // empty txtValorCodBarra
    bool focoNoCodigo = false;      // put the focus in txtValorCodBarra
    std::optional<bool> semRede;    // lblStatusRede visible (true) or hidden (false); unset: untouched
    Currency valorCobrar;           // mskvalor, when added
    std::optional<LinhaSoma> linha; // the row to append, when added
};

// Turns one code read into txtValorCodBarra into a row of the sum list, or
// refuses it. No widget here: the window shows what it answers.
class LeitorCodigoBarras {
public:
    LeitorCodigoBarras(ConsultasLeitura consultas, AvisosPagamento &avisos);

    // The reading of one code against the rows already in the sum list.
    ResultadoLeitura VerificaLeituraCodigoBarras(const QString &codigo, const SomaLista &soma,
                                                 const AjustesLeitura &ajustes);

    // The kind text of one type key: PADRAO, BLOQUEIO and JUROS of the one
    // CodBarra row with that IDTIPO (an empty flag counts as "N"), or "" when
    // there is no such row or more than one.
    static QString testa_tipo_barra(const QString &tipo);

    // Due-date rule: a due date on a Saturday, Sunday or holiday whose next
    // business day is the cash day becomes the cash day.
    QDate regraVencimento(const QDate &vencimento, const QDate &dataCaixa) const;

    // The payment step of a document with a due date (also loose payments):
    // due-date rule, overdue question, interest and fine when the type takes
    // them. The amount to charge, or nothing when the teller declined.
    std::optional<Currency> valorACobrar(const QDate &vencimento, Currency valor, bool juros,
                                         const AjustesLeitura &ajustes);

    // The payment step of the third kind (Pagto_diversos): the amount text as
    // cut from the code, charged as it is. An amount that does not read is a
    // run-time error, reported with the place text "Função Pagto_diversos".
    static std::optional<Currency> Pagto_diversos(const QString &valor);

private:
    ConsultasLeitura m_consultas;
    AvisosPagamento &m_avisos;
};
