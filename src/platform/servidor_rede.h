#pragma once
#include <QList>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

// The treasury's PostgreSQL server, where the desks find what the others
// received. The station reaches it through the standard PostgreSQL
// connection service "caixa" (pg_service.conf, password in ~/.pgpass), with
// QtSql's PostgreSQL driver; nothing about it is kept in Config.ini.
//
// One connection for the run, opened at the first question and kept; a
// connection found lost is opened again at once. No question waits more than
// about kEsperaS seconds for a server that cannot be reached, and after a
// failed attempt the next one is made only kIntervaloMs later: the questions
// in between answer at once that the server is down.
namespace Platform::ServidorRede {

inline constexpr int kEsperaS = 2;              // libpq's connect_timeout (its minimum)
inline constexpr qint64 kIntervaloMs = 30'000;  // between failed attempts

// The service files libpq looks in for "caixa", in its order: the user's
// (PGSERVICEFILE, else ~/.pg_service.conf), then the system's
// (PGSYSCONFDIR/pg_service.conf, else /etc/postgresql-common/pg_service.conf).
QStringList arquivosServico();
// True when one of those files has a [caixa] section. Read at the first
// question of the run (and again after fechar).
bool servicoDefinido();

// True when the server answers now. False at once while the last failed
// attempt is less than kIntervaloMs old.
bool ativo();

// One statement with values bound to its "?" placeholders, on the kept
// connection (which ativo() opens). The rows, each the list of its values; or
// nothing when the statement failed, the server's reason in *erro.
std::optional<QList<QVariantList>> consulta(const QString &sql, const QVariantList &valores, QSqlError *erro);

// Closes the connection and forgets the service, the last failed attempt and
// the count of attempts.
void fechar();

// The monotonic clock in milliseconds that the interval between attempts is
// measured with; an empty function brings back the real one (tests).
void definirRelogio(std::function<qint64()> ms);

// Connection attempts since fechar(), and why the last one failed.
int tentativas();
QString ultimaFalha();

} // namespace Platform::ServidorRede
