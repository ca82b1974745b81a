#pragma once
// Generated but realistic data: a year of business days, each with its
// movement, cash entries and withdrawals, cash count and received items
// spread over the demo's document types, and codes received at other stations.
#include "test_support.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>

namespace Massa {

// The day measured: the year's data ends the day before.
inline QDate diaMedido() { return QDate(2026, 12, 9); }

// A database at the path holding `recebimentos` received items over the year.
// With CAIXA_BENCH_CACHE set, a copy kept there is used when present.
bool geraBase(const QString &caminho, int recebimentos);

// A program folder of its own (TestSupport::ProgramFolder), its caixa.db from
// geraBase, the connection opened and the settings loaded.
class Pasta {
public:
    explicit Pasta(int recebimentos, const QStringList &extraConfig = {});
    std::unique_ptr<TestSupport::ProgramFolder> folder;

    // The measured day's movement, open, with `itens` received items (all of
    // document type `tipo`, or spread over the types when 0). Its id.
    int abreDia(int itens, int tipo = 0);
    // Stored bar codes picked at random (to be read again as duplicates).
    QStringList amostraCodigos(int quantos) const;
};

// A bar code of the document type (1..5) with its check digit right; serial
// makes it unique, vencimento is its due date.
QString codigo(int tipo, qint64 serial, qint64 centavos, const QDate &vencimento);

} // namespace Massa
