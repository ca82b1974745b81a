#include "shared_printer.h"

#include <QElapsedTimer>
#include <QThread>

#include <cups/cups.h>

namespace Platform {
namespace {

void setError(QString *erro, const QString &text)
{
    if (erro)
        *erro = text;
}

QString lastCupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// A connection to the server of the host, closed when it goes out of scope.
struct Conexao {
    http_t *http = nullptr;
    ~Conexao()
    {
        if (http)
            httpClose(http);
    }
};

bool conecta(const QString &host, Conexao &c, QString *erro)
{
    QByteArray nome = host.trimmed().toUtf8();
    int porta = ippPort();
    if (nome.isEmpty())
        nome = cupsServer();
    if (!nome.startsWith('/')) {
        const qsizetype doisPontos = nome.lastIndexOf(':');
        if (doisPontos > 0 && nome.indexOf(':') == doisPontos) {
            bool ok = false;
            const int p = nome.mid(doisPontos + 1).toInt(&ok);
            if (ok && p > 0) {
                porta = p;
                nome.truncate(doisPontos);
            }
        }
    }
    c.http = httpConnect2(nome.constData(), porta, nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    if (!c.http) {
        setError(erro, QStringLiteral("Não foi possível falar com o servidor de impressão %1.")
                           .arg(QString::fromUtf8(nome)));
        return false;
    }
    // A server that stops answering fails the request instead of freezing the desk.
    httpSetTimeout(c.http, 10.0, nullptr, nullptr);
    return true;
}

QByteArray uriDaFila(const QString &fila)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", fila.toUtf8().constData());
    return uri;
}

struct EstadoFila {
    bool existe = false;
    bool aceita = false;
    ipp_pstate_t estado = IPP_PSTATE_STOPPED;
};

EstadoFila estadoDaFila(http_t *http, const QString &fila)
{
    static const char *const atributos[] = {"printer-state", "printer-is-accepting-jobs"};
    ipp_t *pedido = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(pedido, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uriDaFila(fila).constData());
    ippAddStrings(pedido, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, atributos);
    ipp_t *resposta = cupsDoRequest(http, pedido, "/");
    EstadoFila e;
    if (resposta && cupsLastError() <= IPP_STATUS_OK_CONFLICTING) {
        e.existe = true;
        if (ipp_attribute_t *a = ippFindAttribute(resposta, "printer-state", IPP_TAG_ENUM))
            e.estado = ipp_pstate_t(ippGetInteger(a, 0));
        if (ipp_attribute_t *a = ippFindAttribute(resposta, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
            e.aceita = ippGetBoolean(a, 0);
    }
    ippDelete(resposta);
    return e;
}

ipp_jstate_t estadoDoTrabalho(http_t *http, int trabalho)
{
    static const char *const atributos[] = {"job-state"};
    ipp_t *pedido = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/jobs/%d",
                     trabalho);
    ippAddString(pedido, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(pedido, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddStrings(pedido, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 1, nullptr, atributos);
    ipp_t *resposta = cupsDoRequest(http, pedido, "/");
    ipp_jstate_t estado = IPP_JSTATE_ABORTED; // a job the server no longer knows did not print
    if (resposta && cupsLastError() <= IPP_STATUS_OK_CONFLICTING)
        if (ipp_attribute_t *a = ippFindAttribute(resposta, "job-state", IPP_TAG_ENUM))
            estado = ipp_jstate_t(ippGetInteger(a, 0));
    ippDelete(resposta);
    return estado;
}

// Waits for the job's end: true once completed, or still printing when the
// time runs out; false when it ended otherwise or the queue stopped under it.
bool aguardaTrabalho(http_t *http, const QString &fila, int trabalho, QString *erro)
{
    QElapsedTimer relogio;
    relogio.start();
    for (;;) {
        const ipp_jstate_t estado = estadoDoTrabalho(http, trabalho);
        if (estado == IPP_JSTATE_COMPLETED)
            return true;
        if (estado >= IPP_JSTATE_CANCELED) {
            setError(erro, QStringLiteral("A fila %1 não imprimiu o trabalho %2.").arg(fila).arg(trabalho));
            return false;
        }
        const EstadoFila f = estadoDaFila(http, fila);
        if (estado == IPP_JSTATE_STOPPED || estado == IPP_JSTATE_HELD || !f.existe
            || f.estado == IPP_PSTATE_STOPPED) {
            // Left queued, it would print on its own later, after the teller has tried again.
            cupsCancelJob2(http, fila.toUtf8().constData(), trabalho, 0);
            setError(erro, QStringLiteral("A fila %1 parou sem imprimir.").arg(fila));
            return false;
        }
        if (relogio.elapsed() >= CupsSharedPrinter::jobTimeoutMs)
            return true;
        QThread::msleep(50);
    }
}

std::shared_ptr<SharedPrinter> &atual()
{
    static std::shared_ptr<SharedPrinter> p = std::make_shared<CupsSharedPrinter>();
    return p;
}

} // namespace

bool CupsSharedPrinter::envia(const QString &host, const QString &fila, const QByteArray &bytes, QString *erro)
{
    if (fila.trimmed().isEmpty()) {
        setError(erro, QStringLiteral("Nenhuma fila de impressão configurada."));
        return false;
    }
    Conexao c;
    if (!conecta(host, c, erro))
        return false;
    const EstadoFila f = estadoDaFila(c.http, fila);
    if (!f.existe) {
        setError(erro, QStringLiteral("A fila %1 não existe no servidor de impressão (%2).").arg(fila, lastCupsError()));
        return false;
    }
    if (f.estado == IPP_PSTATE_STOPPED || !f.aceita) {
        setError(erro, QStringLiteral("A fila %1 está parada ou não aceita trabalhos.").arg(fila));
        return false;
    }
    const QByteArray nome = fila.toUtf8();
    const int trabalho = cupsCreateJob(c.http, nome.constData(), "Autenticação", 0, nullptr);
    if (trabalho <= 0) {
        setError(erro, QStringLiteral("A fila %1 recusou o trabalho: %2").arg(fila, lastCupsError()));
        return false;
    }
    bool enviado = cupsStartDocument(c.http, nome.constData(), trabalho, "autenticacao", CUPS_FORMAT_RAW, 1)
                   == HTTP_STATUS_CONTINUE;
    enviado = enviado && cupsWriteRequestData(c.http, bytes.constData(), size_t(bytes.size())) == HTTP_STATUS_CONTINUE;
    // The document is closed even after a failed write, so that the request ends.
    const ipp_status_t fim = cupsFinishDocument(c.http, nome.constData());
    if (!enviado || fim > IPP_STATUS_OK_CONFLICTING) {
        const QString motivo = lastCupsError();
        cupsCancelJob2(c.http, nome.constData(), trabalho, 0);
        setError(erro, QStringLiteral("Falha ao enviar à fila %1: %2").arg(fila, motivo));
        return false;
    }
    return aguardaTrabalho(c.http, fila, trabalho, erro);
}

SharedPrinter &sharedPrinter()
{
    return *atual();
}

void setSharedPrinter(std::shared_ptr<SharedPrinter> printer)
{
    atual() = printer ? std::move(printer) : std::make_shared<CupsSharedPrinter>();
}

} // namespace Platform
