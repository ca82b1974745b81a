#pragma once
#include "currency.h"

#include <QList>
#include <QString>

// One row of the sum list (one document of the payment being received).
struct LinhaSoma {
    QString seq;        // "01", "02", ...
    int idTipo = 0;     // IDCOD of the document type
    QString tipo;       // "01-IPTU"
    Currency valor;
    Currency saldo;     // running total of the batch
    QString codBarra;   // 44 digits; 44 zeros for a loose payment
    QString vencimento; // "yyyyMMdd" of a loose payment, else ""
    QString parcela;
    QString obs;
};

using SomaLista = QList<LinhaSoma>;

// Code of a document entered without a bar code.
QString codigoSemBarras();

// The text of the TIPO column: "01-IPTU", "105-TAXA".
QString textoTipo(int idTipo, const QString &descricao);

// The row appended after the given rows: SEQ follows the row count, SALDO adds
// the amount to the last row's SALDO as shown (in whole cents). An empty code
// becomes 44 zeros.
LinhaSoma novaLinhaSoma(const SomaLista &atuais, int idTipo, const QString &descricao, Currency valor,
                        const QString &codBarra, const QString &vencimento = QString(),
                        const QString &parcela = QString(), const QString &obs = QString());

// True when a row carries exactly this code.
bool somaContemCodigo(const SomaLista &linhas, const QString &codigo);
