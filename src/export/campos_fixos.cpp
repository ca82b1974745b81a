#include "campos_fixos.h"

namespace CamposFixos {

QString brancos(int n)
{
    return QString(n, QLatin1Char(' '));
}

QString zeros(int n)
{
    return QString(n, QLatin1Char('0'));
}

static QString preenchido(qint64 n, int largura)
{
    const QString digitos = QString::number(n < 0 ? -n : n).rightJustified(largura, QLatin1Char('0'));
    return n < 0 ? QLatin1Char('-') + digitos : digitos;
}

QString valor(Currency v, int largura)
{
    return preenchido(v.cents(), largura);
}

QString codigo(qint64 n, int largura)
{
    return preenchido(n, largura);
}

QString textoOuBrancos(const QVariant &v, int largura)
{
    const QString t = v.isNull() ? QString() : v.toString();
    if (t.isEmpty() || t.size() >= largura)
        return brancos(largura);
    return t.leftJustified(largura, QLatin1Char(' '));
}

QString ajustado(const QString &texto, int largura)
{
    return texto.leftJustified(largura, QLatin1Char(' '), true);
}

} // namespace CamposFixos

QString ConferenciaCampos::confere(const QString &item, const QString &campo, const QString &texto, int largura)
{
    if (texto.size() != largura)
        anota(QStringLiteral("%1: campo %2 \"%3\" com %4 posições, o registro pede %5")
                  .arg(item, campo, texto).arg(texto.size()).arg(largura));
    return texto;
}

void ConferenciaCampos::anota(const QString &problema)
{
    if (!m_problemas.contains(problema))
        m_problemas.append(problema);
}

QString ConferenciaCampos::resumo() const
{
    constexpr int mostrados = 8;
    QString out;
    for (int i = 0; i < m_problemas.size() && i < mostrados; ++i)
        out += QStringLiteral("\r\n") + m_problemas.at(i);
    if (m_problemas.size() > mostrados)
        out += QStringLiteral("\r\n(e mais %1)").arg(m_problemas.size() - mostrados);
    return out;
}
