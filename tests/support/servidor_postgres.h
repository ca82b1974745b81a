#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A PostgreSQL 15 server of the test's own, standing in for the treasury's:
// initdb into a temporary folder, pg_ctl with its Unix socket in that folder
// and no TCP listener, run as the postgres user when the test runs as root.
// The object stops it by its pid and removes the folder when it goes,
// whatever the test did. The programs come from CAIXA_PG_BINDIR, else
// /usr/lib/postgresql/15/bin (Debian's package postgresql-15).
namespace TestSupport {

class ServidorPostgres {
public:
    static constexpr int kPorta = 5432;

    // Creates the cluster and starts it; ok() tells whether both went well.
    ServidorPostgres();
    ~ServidorPostgres();
    ServidorPostgres(const ServidorPostgres &) = delete;
    ServidorPostgres &operator=(const ServidorPostgres &) = delete;

    bool ok() const { return m_ok; }
    // What went wrong last (the program's output), for the test's message.
    QString erro() const { return m_erro; }

    // Starts the stopped server again, on the same data; waits until it takes connections.
    bool inicia();
    // Fast shutdown by the postmaster's pid; waits until the process is gone.
    bool para();
    bool rodando() const { return m_pid > 0; }

    // The folder of the server's socket (libpq's "host").
    QString pastaSocket() const;
    // Statements run by psql as the superuser on the database "postgres",
    // stopping at the first error; the output in *saida.
    bool sql(const QString &comandos, QString *saida = nullptr);
    bool arquivoSql(const QString &caminho);
    // Rows loaded by psql's \copy (one value per line, no statement built
    // from them) into a table and its columns, e.g. "RECEBIMENTOS1 (CODBARRA)".
    bool copia(const QString &destino, const QStringList &linhas);
    // The lines of a pg_service.conf section naming this server.
    QStringList linhasServico(const QString &servico = QStringLiteral("caixa")) const;
    bool escreveServico(const QString &arquivo, const QString &servico = QStringLiteral("caixa")) const;

private:
    bool roda(const QString &programa, const QStringList &args, QString *saida = nullptr, bool comoDono = true);
    QString dados() const;

    QTemporaryDir m_dir;
    bool m_ok = false;
    qint64 m_pid = 0;
    QString m_erro;
};

} // namespace TestSupport
