#pragma once
#include "currency.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The day's receipt file: one plain-text control file per station and cash
// day, in Windows-1252 with CR LF, only ever appended to.
namespace ArquivoRecebimentos {

QString nome(const QString &pasta, const QString &guiche, const QDate &dia);

QStringList cabecalho(const QString &pref, int numMovimento, const QString &guiche);

// One recorded row of the sum list, as the list shows it.
struct Item {
    QString seq;        // "01" for a payment's first document
    int autenticacao = 0;
    QString tipo;       // "3 - AGUA E ESGOTO"
    QString valor;      // as shown, "#,##0.00"
    QString vencimento; // "yyyyMMdd" or empty
    QString parcela;
    QString obs;
    QString codBarra;
};

// The item block. The payment lines (first document only) carry the cash day
// as text, the time, the user, the batch total and the change.
QStringList blocoItem(const Item &item, const QString &diaTexto, const QString &hora, const QString &usuario,
                      const QString &total, const QString &troco);

QStringList resumo(Currency arrecadado, Currency entradas, Currency retiradas, Currency totalGeral);

// Appends the lines; false (with the reason) when the file could not be written.
bool acrescenta(const QString &arquivo, const QStringList &linhas, QString *erro = nullptr);

} // namespace ArquivoRecebimentos
