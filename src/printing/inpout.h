#pragma once
#include <QString>

// The authentication printers driven through their own libraries ("bematech"
// and "quattro"): the document authentication and the roll line.
namespace inpout {

enum Modo : int { Nenhum = 0, AutenticaDocumento = 1, LinhaBobina = 2 };

// Prints `texto` on the printer of model `modelo` (every caller passes
// gImpressora): modo 1 stamps the inserted document, modo 2 prints a roll line
// (the line feed is added here). Acts only while gPrintCupom is 1. Failures
// are shown to the teller. Answers false only when a print was due and did
// not happen (refused port, printer failure, printer not answering); printing
// switched off, an unknown modo and the "txt" model's roll line answer true.
bool Autentica_porta(int modo, const QString &modelo, const QString &texto);

// 1 when bit `bit` (0 to 14) of the low 16 bits of `valor` is set, else 0.
int Testa_bit(int valor, int bit);

// The "quattro" port number of a port text: LPT1 888, LPT2 632, COM1 1, COM2 2,
// anything else 0.
int numeroPorta(const QString &porta);

// How long the "quattro" status wait lasts before the printer counts as not
// answering, and the pause between two status reads.
struct EsperaEstado {
    static inline int limiteMs = 5000;
    static inline int pausaMs = 10;
};

} // namespace inpout
