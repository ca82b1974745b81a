#pragma once
#include "cls_gera_integra.h"
#include "currency.h"
#include "progresso.h"

#include <QDate>
#include <QString>

// What the closing cash count hands the integration writer.
struct DadosIntegracao {
    int idMovimento = 0;       // the open movement (frmFrente.IdMovimento)
    QDate data;                // the count window's date picker
    Currency totalConferido;   // the count's total (txttotal)
    Currency suprimento;       // the safe supply (txtsuprimento)
};

// Writes the day's integration file: [Export] Path1 & [Export] guiche & "_" &
// yyyymmddhhnn & ".INT" (both keys read from "Config.ini" at each run). Every
// record is built first; the file is written only when all of them came out
// right, so a failure leaves no file. A file of the same name is replaced.
class GeraIntegracao {
public:
    static constexpr int PausaPadraoMs = 500;

    // Pause after every received item, debit item and exit row, during which
    // the window answers its events. Tests and benchmarks set it to 0.
    int pausaPorRegistroMs = PausaPadraoMs;
    Progresso progresso;

    // True when the file was written whole. False, with no file, when the
    // movement has no received item (no message), when a record could not be
    // built (the kind of record and the fields that did not fit are shown),
    // when the file could not be written (the reason is shown), on a database
    // error (reported by the data access) or while a run is still going on.
    bool Gera_integracao(const DadosIntegracao &dados);

    // The name of the last file written or attempted.
    const QString &arquivo() const { return m_arquivo; }
    clsGeraIntegra &gerador() { return m_gerador; }

private:
    struct Execucao;
    void cabecalho(Execucao &e);
    bool recebimentos(Execucao &e);
    bool saidas(Execucao &e);
    bool itensDaSaida(Execucao &e, const QVariant &idSangria);
    void rodape(Execucao &e);

    clsGeraIntegra m_gerador;
    QString m_arquivo;
    bool m_emAndamento = false;
};
