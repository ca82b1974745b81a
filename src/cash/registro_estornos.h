#pragma once
#include "currency.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The station's yearly log of reversed and altered received items: one
// Windows-1252 text file per station and year, CR LF line ends, only ever
// appended to. The log viewer shows it.
namespace RegistroEstornos {

// pasta & "Estorno_" & guiche & "_" & yyyy & ".txt"; the folder is joined as it stands.
QString nome(const QString &pasta, const QString &guiche, const QDate &dia);
// The log of the cash day on view in the main window (the start day without one).
QString arquivoDoDia();

// The four lines a new year's file starts with.
QStringList cabecalho(const QString &pref, const QString &guiche);

// What every entry begins with.
struct Origem {
    int numMovimento = 0;
    QDate dia;
    QString usuario;
};

// A reversed item: its authentication, type text ("005-IPTU") and value.
QStringList entradaEstorno(const Origem &origem, const QString &aut, const QString &tipo, Currency valor,
                           const QString &motivo);

// An altered item: the new type text and value, and the old ones only when they changed.
QStringList entradaAlteracao(const Origem &origem, const QString &aut, const QString &tipoNovo, Currency valorNovo,
                             const std::optional<QString> &tipoAnterior,
                             const std::optional<Currency> &valorAnterior, const QString &motivo);

// Appends the entry, preceded by the banner when the file does not exist yet.
// False, with the reason, when nothing could be written.
bool acrescenta(const QString &arquivo, const QStringList &entrada, QString *erro = nullptr);

} // namespace RegistroEstornos
