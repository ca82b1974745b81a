#pragma once
// The item the crash helper records under each authentication number: every
// field follows from the number, so a test can tell a whole row from a torn one.
#include "arquivo_recebimentos.h"
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

// The receipt-file lines the helper writes for that item.
inline QStringList bloco(int autentica)
{
    const LinhaSoma l = linha(autentica);
    const ArquivoRecebimentos::Item item{l.seq, autentica, l.tipo, l.valor.format(), QString(), l.parcela, l.obs,
                                         l.codBarra};
    return ArquivoRecebimentos::blocoItem(item, QStringLiteral("09/12/2026"), QStringLiteral("10:30"),
                                          QStringLiteral("CAIXA 01"), l.valor.format(), QStringLiteral("0,00"));
}

} // namespace ItemTeste
