#pragma once
// What the benchmarks share: sizes, timing figures and the one-line results
// that bench/run.sh gathers into its table.
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace Bench {

// Stored receipts to run at: CAIXA_BENCH_TAMANHOS="1000,100000,1000000" by default.
QList<int> tamanhos();
// A whole-number setting from the environment.
int ajuste(const char *nome, int padrao);

// Durations in nanoseconds, and their median and 99th percentile.
class Medidas {
public:
    void acrescenta(qint64 ns) { m_ns.push_back(ns); }
    double medianaMs() const { return percentilMs(50); }
    double p99Ms() const { return percentilMs(99); }
    double percentilMs(double p) const;
    int quantidade() const { return int(m_ns.size()); }

private:
    std::vector<qint64> m_ns;
};

// Times one call.
qint64 cronometra(const std::function<void()> &f);

// One row of the table: a figure at each size. run.sh prints them all.
// "RESULTADO|bench|medida|unidade|alvo|v1|v2|...", sizes in "TAMANHOS|...".
void publicaTamanhos(const QList<int> &tamanhos);
void publica(const QString &bench, const QString &medida, const QString &unidade, const QString &alvo,
             const QList<double> &valores);

// Progress on stderr.
void nota(const QString &texto);

// Peak resident memory of this process since the last reset, in kB, and its reset.
qint64 picoMemoriaKb();
qint64 memoriaAtualKb();
void zeraPicoMemoria();

} // namespace Bench
