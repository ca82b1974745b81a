#pragma once
// Direct reads and writes of the test database, past the classes under test.
#include "data_access.h"
#include "test_support.h"
#include "error_report.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QtTest>

namespace BancoTeste {

using TestSupport::executa;

using TestSupport::valor;

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
