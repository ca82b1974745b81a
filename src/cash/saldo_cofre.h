#pragma once
#include "currency.h"

#include <QString>
#include <optional>

// The safe's balance, kept in its own INI file (gArquivoCofre), section
// "Reserva", key "cofre", as plain text with a comma decimal ("150", "12,5").
namespace SaldoCofre {

struct Leitura {
    std::optional<Currency> saldo; // nothing when the stored text is not money
    QString texto;                 // the stored text
};

// An absent file or key reads as 0.
Leitura le(const QString &arquivo);

// Writes the balance through a temporary file and a rename, then reads it
// back: true only when the file now holds it. `erro` says why not.
bool grava(const QString &arquivo, Currency saldo, QString *erro = nullptr);

} // namespace SaldoCofre
