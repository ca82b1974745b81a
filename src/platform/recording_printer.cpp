#include "recording_printer.h"

namespace {
template <typename T>
T next(QList<T> &script, T fallback)
{
    return script.isEmpty() ? fallback : script.takeFirst();
}
} // namespace

RecordingPrinter::Call &RecordingPrinter::record(const QString &function, QList<int> numbers,
                                                 const QByteArray &bytes)
{
    calls.append(Call{function, std::move(numbers), bytes, QString()});
    return calls.last();
}

int RecordingPrinter::IniciaPorta(const QString &porta)
{
    record(QStringLiteral("IniciaPorta"), {}).text = porta;
    return next(iniciaPortaAnswers, 1);
}

int RecordingPrinter::FechaPorta()
{
    record(QStringLiteral("FechaPorta"), {});
    return next(fechaPortaAnswers, 1);
}

int RecordingPrinter::ConfiguraModeloImpressora(int modelo)
{
    record(QStringLiteral("ConfiguraModeloImpressora"), {modelo});
    return 1;
}

int RecordingPrinter::FormataTX(const QByteArray &texto, int tipoLetra, int italico, int sublinhado,
                                int expandido, int enfatizado)
{
    record(QStringLiteral("FormataTX"), {tipoLetra, italico, sublinhado, expandido, enfatizado}, texto);
    return next(formataTXAnswers, 1);
}

int RecordingPrinter::ComandoTX(const QByteArray &comando, int tamanho)
{
    record(QStringLiteral("ComandoTX"), {tamanho}, comando);
    return 1;
}

int RecordingPrinter::AutenticaDoc(const QByteArray &texto, int tempoMs)
{
    record(QStringLiteral("AutenticaDoc"), {tempoMs}, texto);
    return next(autenticaDocAnswers, int(Autenticado));
}

bool RecordingPrinter::TX(int porta, const QByteArray &texto)
{
    record(QStringLiteral("TX"), {porta}, texto);
    return next(envioAnswers, true);
}

bool RecordingPrinter::TXI(int porta, const QByteArray &texto)
{
    record(QStringLiteral("TXI"), {porta}, texto);
    return next(envioAnswers, true);
}

int RecordingPrinter::Estado(int porta)
{
    record(QStringLiteral("Estado"), {porta});
    return next(estadoAnswers, estadoPadrao);
}

QString RecordingPrinter::erro() const
{
    return QStringLiteral("falha simulada");
}

QStringList RecordingPrinter::functions() const
{
    QStringList out;
    for (const Call &c : calls)
        out << c.function;
    return out;
}

QList<RecordingPrinter::Call> RecordingPrinter::callsOf(const QString &function) const
{
    QList<Call> out;
    for (const Call &c : calls)
        if (c.function == function)
            out << c;
    return out;
}

void RecordingPrinter::clear()
{
    calls.clear();
    iniciaPortaAnswers.clear();
    fechaPortaAnswers.clear();
    formataTXAnswers.clear();
    autenticaDocAnswers.clear();
    estadoAnswers.clear();
    envioAnswers.clear();
    estadoPadrao = 16;
}
