#include "comum.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Bench {

QList<int> tamanhos()
{
    const QString texto = qEnvironmentVariable("CAIXA_BENCH_TAMANHOS", QStringLiteral("1000,100000,1000000"));
    QList<int> out;
    for (const QString &t : texto.split(QLatin1Char(','), Qt::SkipEmptyParts))
        out << t.trimmed().toInt();
    return out;
}

int ajuste(const char *nome, int padrao)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(nome, &ok);
    return ok ? v : padrao;
}

double Medidas::percentilMs(double p) const
{
    if (m_ns.empty())
        return 0;
    std::vector<qint64> v = m_ns;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(std::ceil(p / 100.0 * double(v.size()))) - (p > 0 ? 1 : 0));
    return double(v[i]) / 1e6;
}

qint64 cronometra(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed();
}

void publicaTamanhos(const QList<int> &tamanhos)
{
    QStringList partes;
    for (int t : tamanhos)
        partes << QString::number(t);
    std::printf("TAMANHOS|%s\n", qPrintable(partes.join(QLatin1Char('|'))));
    std::fflush(stdout);
}

void publica(const QString &bench, const QString &medida, const QString &unidade, const QString &alvo,
             const QList<double> &valores)
{
    QStringList partes{QStringLiteral("RESULTADO"), bench, medida, unidade, alvo};
    for (double v : valores)
        partes << QString::number(v, 'f', v >= 1000 ? 0 : 3);
    std::printf("%s\n", qPrintable(partes.join(QLatin1Char('|'))));
    std::fflush(stdout);
}

void nota(const QString &texto)
{
    std::fprintf(stderr, "  %s\n", qPrintable(texto));
}

namespace {
qint64 campoStatus(const char *nome)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QString texto = QString::fromLatin1(f.readAll());
    const QRegularExpression re(QString::fromLatin1(nome) + QStringLiteral(":\\s+(\\d+)"));
    const auto m = re.match(texto);
    return m.hasMatch() ? m.captured(1).toLongLong() : 0;
}
} // namespace

qint64 picoMemoriaKb() { return campoStatus("VmHWM"); }
qint64 memoriaAtualKb() { return campoStatus("VmRSS"); }

void zeraPicoMemoria()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace Bench
