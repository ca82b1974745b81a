#pragma once
// Real-shaped bar codes for the tests, with their check digits computed here
// by the textbook rules, apart from the code under test.
#include <QDate>
#include <QRandomGenerator>
#include <QString>

namespace Gerador {

inline int digito(const QString &s, qsizetype i) { return s.at(i).unicode() - '0'; }

// General digit of a bank bar code over its other 43 digits.
inline int dvBancario(const QString &s)
{
    int soma = 0;
    for (qsizetype i = 0; i < s.size(); ++i)
        soma += digito(s, s.size() - 1 - i) * int(2 + i % 8);
    const int dv = 11 - soma % 11;
    return (dv == 0 || dv > 9) ? 1 : dv;
}

inline int dvModulo10(const QString &s)
{
    int soma = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const int p = digito(s, s.size() - 1 - i) * (i % 2 == 0 ? 2 : 1);
        soma += p / 10 + p % 10;
    }
    return (10 - soma % 10) % 10;
}

inline int dvModulo11(const QString &s)
{
    int soma = 0;
    for (qsizetype i = 0; i < s.size(); ++i)
        soma += digito(s, s.size() - 1 - i) * int(2 + i % 8);
    const int r = soma % 11;
    return r <= 1 ? 0 : (r == 10 ? 1 : 11 - r);
}

inline QString zeros(qint64 n, int largura) { return QStringLiteral("%1").arg(n, largura, 10, QLatin1Char('0')); }

inline QString aleatorio(int n, QRandomGenerator &g)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar('0' + g.bounded(10));
    return s;
}

// Bank document: bank, currency 9, digit, factor, amount in cents, free field
// (its characters 1-5 and 11-15 are the type keys of positions 20-24 and 30-34).
inline QString bancario(const QString &banco, int fator, qint64 centavos, const QString &livre)
{
    const QString semDv = banco + QLatin1Char('9') + zeros(fator, 4) + zeros(centavos, 10) + livre;
    return semDv.left(4) + QString::number(dvBancario(semDv)) + semDv.mid(4);
}

// Collection document: "8", segment, value identifier, digit, amount in
// cents (11), company (type key, 4), due date yyyyMMdd, 17 more digits.
inline QString arrecadacao(QChar identificador, qint64 centavos, const QString &empresa, const QDate &vencimento,
                           const QString &resto, QChar segmento = QLatin1Char('1'))
{
    const QString semDv = QStringLiteral("8") + segmento + identificador + zeros(centavos, 11) + empresa
                          + vencimento.toString(QStringLiteral("yyyyMMdd")) + resto;
    const int dv = identificador < QLatin1Char('8') ? dvModulo10(semDv) : dvModulo11(semDv);
    return semDv.left(3) + QString::number(dv) + semDv.mid(3);
}

// Other document: positions 20-23 "0000", type key in 25-27, no check.
inline QString diverso(int fator, qint64 centavos, const QString &chave)
{
    return QStringLiteral("12390") + zeros(fator, 4) + zeros(centavos, 10) + QStringLiteral("00001") + chave
           + QString(17, QLatin1Char('5'));
}

// The same code with the digit at a position (from 1) moved on by one.
inline QString digitoTrocado(QString codigo, int posicao, bool bancario)
{
    const int d = codigo.at(posicao - 1).unicode() - '0';
    const int novo = bancario ? d % 9 + 1 : (d + 1) % 10;
    codigo[posicao - 1] = QChar('0' + novo);
    return codigo;
}

} // namespace Gerador
