#pragma once
#include "cls_gera_cnab.h"
#include "item_exportacao.h"
#include "progresso.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// What the export screen hands the CNAB 240 writer.
struct PedidoCnab {
    QString tipo;          // the chosen document type's text
    QDate data;            // frmFrente.dtpData
    int numMovimento = 0;  // frmFrente.NumMovimento
};

// The title data a collection bar code carries.
struct TituloCodBarra {
    QDate vencimento;  // 7 Oct 1997 plus the days of positions 6-9
    QString ident;     // positions 27-29, 31-33 and 35-43
    QString modal;     // positions 30 and 34
    Currency valor;    // positions 10-17 reais, 18-19 centavos
};
// Nothing when the bar code does not give a date and numbers there.
std::optional<TituloCodBarra> tituloDoCodBarra(const QString &barra);

// Writes the CNAB 240 return file of the listed items: [Export] Path3 &
// "Cnab" & first 4 characters of the type & yyyymmddhhnn & ".RET". Every
// record is built first and the file is written whole only when all came out
// right; a file of that name already there is never added to.
class GeraCnab {
public:
    static constexpr int PausaPadraoMs = 800;

    // Pause after every item, during which the window answers its events.
    int pausaPorRegistroMs = PausaPadraoMs;
    Progresso progresso;

    bool Gera_cnab(const PedidoCnab &pedido, const QList<ItemExportacao> &lista);

    const QString &arquivo() const { return m_arquivo; }
    clsGeraCnab &gerador() { return m_gerador; }

private:
    struct Execucao;
    void preencheCabecalhos(Execucao &e, const PedidoCnab &pedido);
    bool detalhes(Execucao &e, const QList<ItemExportacao> &lista);
    void trailers(Execucao &e);

    clsGeraCnab m_gerador;
    QString m_arquivo;
    bool m_emAndamento = false;
};
