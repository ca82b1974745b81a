#pragma once
// Direct reads and writes of the test database, past the classes under test.
#include "data_access.h"
#include "error_report.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtTest>

namespace BancoTeste {

inline QSqlQuery executa(const QString &sql, const QVariantList &params = {})
{
    QSqlQuery q(Conexao::banco());
    q.prepare(sql);
    for (const QVariant &p : params)
        q.addBindValue(p);
    if (!q.exec())
        qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return q;
}

// The first field of the first row; invalid when there is no row.
inline QVariant valor(const QString &sql, const QVariantList &params = {})
{
    QSqlQuery q = executa(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

inline int conta(const QString &tabela)
{
    return valor(QStringLiteral("SELECT COUNT(*) FROM ") + tabela).toInt();
}

// The error a call raised, or number -1 when it raised none.
template <class F>
CaixaError erroDe(F &&chamada)
{
    try {
        chamada();
    } catch (const CaixaError &e) {
        return e;
    }
    return CaixaError(-1, {}, {});
}

} // namespace BancoTeste
