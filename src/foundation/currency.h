#pragma once
#include <QMetaType>
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

// Money: a whole number of ten-thousandths of a real, as the desk has always
// counted it. Never a double. Texts use the Brazilian forms (comma decimal,
// point thousands).
class Currency {
public:
    static constexpr qint64 Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(qint64 tenThousandths) { Currency c; c.m_raw = tenThousandths; return c; }
    static constexpr Currency fromCents(qint64 cents) { return fromRaw(cents * 100); }
    static constexpr Currency fromReais(qint64 reais) { return fromRaw(reais * Scale); }
    // A double rounded to the nearest ten-thousandth, halves to even (as the
    // conversion to the currency type always did). Only for results of the
    // interest arithmetic, never for amounts typed or stored.
    static Currency fromDouble(double value);

    // Reads "1.234,56", "1234,56", "-12,5", "R$ 10,00", "0,0001". At most four
    // decimals; more are rounded half to even. Nothing else is accepted.
    static std::optional<Currency> parse(const QString &text);

    constexpr qint64 raw() const { return m_raw; }
    double toDouble() const { return double(m_raw) / Scale; }

    // Rounded to whole cents, halves away from zero (what formatting with two
    // decimals does).
    Currency roundedToCents() const;
    // Whole cents of the rounded value.
    qint64 cents() const { return roundedToCents().raw() / 100; }

    QString format() const;       // "#,##0.00"
    QString formatReais() const;  // "R$ #,##0.00"
    QString plainText() const;    // "12,5", "0", "0,0001", "-3" : no thousands, no trailing zeros
    QString fixed2() const;       // "1234,56": two decimals, no thousands

    constexpr Currency operator+(Currency o) const { return fromRaw(m_raw + o.m_raw); }
    constexpr Currency operator-(Currency o) const { return fromRaw(m_raw - o.m_raw); }
    constexpr Currency operator-() const { return fromRaw(-m_raw); }
    constexpr Currency operator*(qint64 n) const { return fromRaw(m_raw * n); }
    Currency &operator+=(Currency o) { m_raw += o.m_raw; return *this; }
    Currency &operator-=(Currency o) { m_raw -= o.m_raw; return *this; }
    constexpr auto operator<=>(const Currency &) const = default;
    constexpr bool isZero() const { return m_raw == 0; }

private:
    qint64 m_raw = 0;
};

Q_DECLARE_METATYPE(Currency)
