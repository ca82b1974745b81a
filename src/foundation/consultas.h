#pragma once
#include <QDate>
#include <QString>

// Look-ups that answer one question each from the database or the platform.
// Those that query go through gDataAccess with gSQL and gRs, and close gRs
// before they return.
namespace Aplicativos {

// The first day after the date that is neither a Saturday, a Sunday nor a
// holiday; never the date itself. When the holidays cannot be read (the
// data-access object has reported why) the search stops at the next weekday.
QDate Proximo_dia_util(const QDate &data);

// True when the date is in Feriados; also true when the table cannot be read.
bool E_feriado(const QDate &data);

// The bank code of a document type; "" for an unknown type or a failed query.
QString Pega_codbanco(int idTipo);

// True when the bar code was already received at this station (Recebimentos)
// or at another one (RECEBIMENTOS1), without regard to case. A failed query
// also answers true: a document that cannot be checked is not taken twice.
bool Existe_recebimento(const QString &codBarra);
bool Existe_recebimentos1(const QString &codBarra);

// True when some network interface other than the loopback is up and running.
bool Rede_ativa();

} // namespace Aplicativos
