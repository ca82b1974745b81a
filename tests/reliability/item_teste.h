#pragma once
// The item the crash helper records under each authentication number: every
// field follows from the number, so a test can tell a whole row from a torn one.
#include "linha_soma.h"

#include <QString>

namespace ItemTeste {

inline QString codigo(int autentica)
{
    return QStringLiteral("8") + QStringLiteral("%1").arg(autentica, 43, 10, QLatin1Char('0'));
}

inline LinhaSoma linha(int autentica)
{
    LinhaSoma l = novaLinhaSoma({}, 1 + autentica % 5, QStringLiteral("ITEM"), Currency::fromCents(100 + autentica),
                                codigo(autentica), QStringLiteral("20261209"),
                                QString::number(1 + autentica % 12), QStringLiteral("OBS %1").arg(autentica));
    return l;
}

} // namespace ItemTeste
