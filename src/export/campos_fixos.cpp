#include "campos_fixos.h"

#include "error_report.h"
#include "msg_box.h"

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
    // Digits written straight into the text: the files ask for this once per field of every record.
    char16_t digitos[20];
    int k = 0;
    quint64 resto = n < 0 ? 0 - quint64(n) : quint64(n);
    do {
        digitos[k++] = char16_t(u'0' + resto % 10);
        resto /= 10;
    } while (resto != 0);
    QString s;
    s.reserve((n < 0 ? 1 : 0) + qMax(k, largura));
    if (n < 0)
        s.append(QLatin1Char('-'));
    if (largura > k)
        s.resize(s.size() + largura - k, QLatin1Char('0'));
    while (k > 0)
        s.append(QChar(digitos[--k]));
    return s;
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
        anotaLargura(item, campo, texto, largura);
    return texto;
}

void ConferenciaCampos::anotaLargura(const QString &item, const QString &campo, const QString &texto, int largura)
{
    anota(QStringLiteral("%1: campo %2 \"%3\" com %4 posições, o registro pede %5")
              .arg(item, campo, texto)
              .arg(texto.size())
              .arg(largura));
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

void ConferenciaCampos::avisa(const QString &texto, const QString &origem, const QString &arquivo) const
{
    if (!vazia())
        Aplicativos::Registra_erro(0, texto + resumo(), origem, arquivo);
    MsgBox(texto, Vb::vbCritical, QStringLiteral("Aviso"));
}
