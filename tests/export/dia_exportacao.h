#pragma once
#include "currency.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>

// A closed day with several document types, a rejected item, an item
// without bar code (44 zeros), exits with accented descriptions and their
// breakdowns; and a second movement whose rows must never show up.
namespace DiaExportacao {

constexpr int Movimento = 7;
constexpr int NumMovimento = 3;
constexpr int OutroMovimento = 8;

// A bank collection bar code: bank, due-date factor (positions 6-9), amount
// in centavos (10-19) and 25 free digits.
QString boleto(const QString &banco, int fator, qint64 centavos, const QString &livre);

void executa(const QString &sql, const QVariantList &params = {});
qint64 insereRecebimento(int autentica, int tipo, Currency valor, const QString &codBarra, int exportFlag,
                         int movimento = Movimento);
void prepara();

// Lines of a file's bytes split at CR LF; fails the caller's checks when a
// line end is anything else.
QList<QByteArray> linhas(const QByteArray &bytes, bool *soCrLf);

// What the error log ("Log.ini" of the program's folder) holds; empty when
// nothing was logged.
QString logDeErros();

} // namespace DiaExportacao
