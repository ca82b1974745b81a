#include "servidor_rede.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

namespace Platform::ServidorRede {
namespace {

const QString kConexao = QStringLiteral("caixa_rede");
const QString kDriver = QStringLiteral("QPSQL");

// What the connection adds to the service's own parameters: the bounded
// wait, and a dead peer noticed within about the same time on a kept
// connection (tcp_user_timeout, in ms; keepalives while idle).
const QString kOpcoes = QStringLiteral(
    "service=caixa;connect_timeout=%1;tcp_user_timeout=%2;keepalives=1;keepalives_idle=30;"
    "keepalives_interval=5;keepalives_count=3;fallback_application_name=caixa")
                            .arg(kEsperaS)
                            .arg(kEsperaS * 1000);

// A probe that fails in less than this found the connection closed rather
// than the server silent: a new connection is tried at once.
constexpr qint64 kFalhaRapidaMs = 1000;

struct Estado {
    std::optional<bool> servico;
    bool conectado = false;
    std::optional<qint64> falhouEm; // clock of the last failed attempt
    int tentativas = 0;
    QString ultimaFalha;
    QHash<QString, QSqlQuery> preparadas; // on the open connection
    std::function<qint64()> relogio;
};

// Never destroyed: the queries it keeps must not outlive the SQL drivers at exit.
Estado &estado()
{
    static Estado *e = new Estado;
    return *e;
}

qint64 agora()
{
    if (const auto &r = estado().relogio)
        return r();
    static const QElapsedTimer inicio = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return inicio.elapsed();
}

QSqlDatabase banco()
{
    return QSqlDatabase::database(kConexao, false);
}

// libpq's reading of a service file: a line "[caixa]", blanks around it allowed.
bool temSecao(const QString &arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    while (!f.atEnd())
        if (f.readLine().trimmed().startsWith("[caixa]"))
            return true;
    return false;
}

void desconecta()
{
    Estado &e = estado();
    // Each kept statement is freed on the server first (on a lost connection
    // the driver warns that it could not).
    e.preparadas.clear();
    e.conectado = false;
    if (QSqlDatabase::contains(kConexao))
        banco().close();
}

bool falhou(const QString &motivo)
{
    Estado &e = estado();
    e.falhouEm = agora();
    e.ultimaFalha = motivo;
    desconecta();
    return false;
}

bool conecta()
{
    Estado &e = estado();
    ++e.tentativas;
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        return falhou(QStringLiteral("O driver QPSQL do QtSql não está instalado (pacote libqt6sql6-psql)."));
    QSqlDatabase db = QSqlDatabase::contains(kConexao) ? banco() : QSqlDatabase::addDatabase(kDriver, kConexao);
    db.setConnectOptions(kOpcoes);
    if (!db.open())
        return falhou(db.lastError().text());
    // A server that takes the connection but not the look-up does not hold the desk either.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SET statement_timeout = %1").arg(kEsperaS * 1000)))
        return falhou(q.lastError().text());
    e.conectado = true;
    e.falhouEm.reset();
    e.ultimaFalha.clear();
    return true;
}

bool responde(QString *motivo)
{
    QSqlQuery q(banco());
    if (q.exec(QStringLiteral("SELECT 1")) && q.next())
        return true;
    *motivo = q.lastError().text();
    return false;
}

} // namespace

QStringList arquivosServico()
{
    const QString usuario = qEnvironmentVariableIsSet("PGSERVICEFILE")
                                ? qEnvironmentVariable("PGSERVICEFILE")
                                : QDir::homePath() + QStringLiteral("/.pg_service.conf");
    const QString sistema = qEnvironmentVariableIsSet("PGSYSCONFDIR") ? qEnvironmentVariable("PGSYSCONFDIR")
                                                                       : QStringLiteral("/etc/postgresql-common");
    return {usuario, sistema + QStringLiteral("/pg_service.conf")};
}

bool servicoDefinido()
{
    Estado &e = estado();
    if (!e.servico) {
        const QStringList arquivos = arquivosServico();
        e.servico = std::any_of(arquivos.cbegin(), arquivos.cend(), temSecao);
    }
    return *e.servico;
}

bool ativo()
{
    Estado &e = estado();
    if (!servicoDefinido())
        return false;
    if (e.conectado) {
        QElapsedTimer gasto;
        gasto.start();
        QString motivo;
        if (responde(&motivo))
            return true;
        desconecta();
        // The wait for this reading is spent: the next attempt waits its turn.
        if (gasto.elapsed() >= kFalhaRapidaMs)
            return falhou(motivo);
    } else if (e.falhouEm && agora() - *e.falhouEm < kIntervaloMs) {
        return false;
    }
    return conecta();
}

std::optional<QList<QVariantList>> consulta(const QString &sql, const QVariantList &valores, QSqlError *erro)
{
    Estado &e = estado();
    if (!e.conectado && !ativo()) {
        *erro = QSqlError(QStringLiteral("Sem acesso ao servidor da rede"), e.ultimaFalha,
                          QSqlError::ConnectionError);
        return std::nullopt;
    }
    auto it = e.preparadas.find(sql);
    if (it == e.preparadas.end()) {
        QSqlQuery q(banco());
        q.setForwardOnly(true);
        if (!q.prepare(sql)) {
            *erro = q.lastError();
            return std::nullopt;
        }
        it = e.preparadas.insert(sql, q);
    }
    QSqlQuery &q = *it;
    for (int i = 0; i < valores.size(); ++i)
        q.bindValue(i, valores.at(i));
    if (!q.exec()) {
        *erro = q.lastError();
        return std::nullopt;
    }
    QList<QVariantList> linhas;
    const int campos = q.record().count();
    while (q.next()) {
        QVariantList linha;
        linha.reserve(campos);
        for (int i = 0; i < campos; ++i)
            linha << q.value(i);
        linhas << std::move(linha);
    }
    const QSqlError depois = q.lastError();
    q.finish();
    if (depois.isValid()) {
        *erro = depois;
        return std::nullopt;
    }
    return linhas;
}

void fechar()
{
    desconecta();
    if (QSqlDatabase::contains(kConexao))
        QSqlDatabase::removeDatabase(kConexao);
    Estado &e = estado();
    e.servico.reset();
    e.falhouEm.reset();
    e.tentativas = 0;
    e.ultimaFalha.clear();
}

void definirRelogio(std::function<qint64()> ms)
{
    estado().relogio = std::move(ms);
}

int tentativas()
{
    return estado().tentativas;
}

QString ultimaFalha()
{
    return estado().ultimaFalha;
}

} // namespace Platform::ServidorRede
