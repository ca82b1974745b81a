#pragma once
#include <QString>

// Switching the default printer around a print on the authentication printer.
namespace Print {

// Makes the installed printer `nome` the system's default and this program's
// current printer. Nothing happens for an empty name, for the printer that is
// already current, or for a printer the system does not list with a driver and
// a port. Answers whether `nome` is the current printer afterwards.
bool Seleciona_impressora(const QString &nome);

// Driver and port of a printer entry "driver,port,...": the texts before the
// first comma and between the first two; empty where a comma is missing.
void Separa_porta(const QString &texto, QString &driver, QString &porta);

// Writes the system's default printer; false when it could not be changed.
bool Define_impressora_padrao(const QString &nome, const QString &driver, const QString &porta);

// Makes the first installed printer named `nome` this program's current printer.
void Ajusta_printer(const QString &nome);

// For the lifetime of the object the authentication printer is the default;
// afterwards the ordinary printer is again, also when the print in between
// failed or threw. Should the ordinary printer not be selectable (no name set,
// not installed), the default that held before comes back instead.
class ImpressoraAutenticadoraAtiva {
public:
    ImpressoraAutenticadoraAtiva(const QString &autenticadora, const QString &padrao);
    // gImpressoraAutenticadora and gImpressoraPadrao.
    ImpressoraAutenticadoraAtiva();
    ~ImpressoraAutenticadoraAtiva();
    ImpressoraAutenticadoraAtiva(const ImpressoraAutenticadoraAtiva &) = delete;
    ImpressoraAutenticadoraAtiva &operator=(const ImpressoraAutenticadoraAtiva &) = delete;

private:
    QString m_padrao;
    QString m_anterior;
};

} // namespace Print
