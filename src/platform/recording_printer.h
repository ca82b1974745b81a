#pragma once
#include "auth_printer.h"

#include <QList>
#include <QStringList>

// Both authentication printers as a recorder: every call is kept with its
// arguments and bytes, and the answers come from scripts (then the defaults:
// port opened, printed, authenticated, status ready).
class RecordingPrinter : public Mp2032, public Ap40n {
public:
    enum AutenticaDocAnswer : int { NaoAutenticado = 0, TempoEsgotado = -1, Autenticado = 1 };

    struct Call {
        QString function;
        QList<int> numbers; // the numeric arguments, in order
        QByteArray bytes;   // the text or command bytes
        QString text;       // the port text of IniciaPorta
    };
    QList<Call> calls;

    QList<int> iniciaPortaAnswers;
    QList<int> fechaPortaAnswers;
    QList<int> formataTXAnswers;
    QList<int> autenticaDocAnswers;
    QList<int> estadoAnswers;
    int estadoPadrao = 16;
    QList<bool> envioAnswers; // TX and TXI

    int IniciaPorta(const QString &porta) override;
    int FechaPorta() override;
    int ConfiguraModeloImpressora(int modelo) override;
    int FormataTX(const QByteArray &texto, int tipoLetra, int italico, int sublinhado,
                  int expandido, int enfatizado) override;
    int ComandoTX(const QByteArray &comando, int tamanho) override;
    int AutenticaDoc(const QByteArray &texto, int tempoMs) override;
    bool TX(int porta, const QByteArray &texto) override;
    bool TXI(int porta, const QByteArray &texto) override;
    int Estado(int porta) override;
    QString erro() const override;

    QStringList functions() const;
    // The calls of one function.
    QList<Call> callsOf(const QString &function) const;
    void clear();

private:
    Call &record(const QString &function, QList<int> numbers, const QByteArray &bytes = {});
};
