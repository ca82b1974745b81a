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
// also answers true, after the error report: a document that cannot be
// checked is not taken twice. With the connection service "caixa" defined
// (Platform::ServidorRede) RECEBIMENTOS1 is the table on the treasury's
// server, otherwise the one in caixa.db.
bool Existe_recebimento(const QString &codBarra);
bool Existe_recebimentos1(const QString &codBarra);

// With the service "caixa" defined: true when the treasury's server answers
// now (at most about 2 s of waiting, attempts 30 s apart while it is down).
// Without it: true when some network interface other than the loopback is up.
bool Rede_ativa();

} // namespace Aplicativos
