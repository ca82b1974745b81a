#pragma once
#include "cls_gera_febraban.h"
#include "item_exportacao.h"
#include "progresso.h"

#include <QDate>
#include <QList>
#include <QString>

// What the export screen hands the FEBRABAN writer.
struct PedidoFebraban {
    int idMovimento = 0;     // frmFrente.IdMovimento
    int idTipo = 0;          // the chosen document type (CodBarra.IDCOD)
    QString tipo;            // its text
    QString codBanco;        // the bank-code box, 3 characters
    QDate data;              // frmFrente.dtpData
    QDate dataCaixa;         // the cash day of the run (gDataCaixa)
    int linhasPendentes = 0; // rows of the pending list
};

// Writes the FEBRABAN return file: [Export] caminho_febraban & "Feb" & "CX" &
// station & first 4 characters of the type & "_" & bank code & "_" &
// yyyymmddhhnn & ".RET". Every record is built first and the file is written
// whole only when all came out right. A file of that name already there is
// never added to: the writer refuses and says so.
class GeraFebraban {
public:
    static constexpr int PausaPadraoMs = 800;

    // Pause after every detail, during which the window answers its events.
    int pausaPorRegistroMs = PausaPadraoMs;
    Progresso progresso;

    // The movement's pending items of the type, read from the database.
    bool Gera_febraban_pendentes(const PedidoFebraban &pedido);
    // The rows of the pending list as they are shown.
    bool Gera_febraban_lista(const PedidoFebraban &pedido, const QList<ItemExportacao> &lista);

    const QString &arquivo() const { return m_arquivo; }
    clsGeraFebraban &gerador() { return m_gerador; }

private:
    bool preparaNome(const PedidoFebraban &pedido);
    bool escreve(const PedidoFebraban &pedido, const QList<ItemExportacao> &itens, bool avisaArquivo);

    clsGeraFebraban m_gerador;
    QString m_arquivo;
    bool m_emAndamento = false;
};
