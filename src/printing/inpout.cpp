#include "inpout.h"

#include "globals.h"
#include "msg_box.h"
#include "printers.h"
#include "text_file.h"

#include <QElapsedTimer>
#include <QThread>

namespace inpout {
namespace {

const char ESC = 27;
const QString tituloAutenticacao = QStringLiteral("Autenticação de Documentos");

QByteArray esc(const char *seq)
{
    return QByteArray(1, ESC) + QByteArray(seq);
}

void falhaAutenticacao(const QString &texto)
{
    MsgBox(texto, Vb::vbCritical, tituloAutenticacao);
}

void falhaBobina()
{
    MsgBox(QStringLiteral("Problemas na impressão do texto.\nPossíveis causas: Impressora desligada, "
                          "off-line ou sem papel"),
           Vb::vbInformation);
}

void falhaEnvio(Ap40n &impressora, bool documento)
{
    const QString texto = QStringLiteral("Não foi possível enviar o texto à impressora autenticadora.\n")
                          + impressora.erro();
    if (documento)
        falhaAutenticacao(texto);
    else
        MsgBox(texto, Vb::vbInformation);
}

// Waits, for a bounded time, until the printer reports the document ready.
bool esperaDocumento(Ap40n &impressora, int porta)
{
    QThread::msleep(1);
    QElapsedTimer relogio;
    relogio.start();
    while (Testa_bit(impressora.Estado(porta), 4) != 1) {
        if (relogio.elapsed() >= EsperaEstado::limiteMs)
            return false;
        QThread::msleep(EsperaEstado::pausaMs);
    }
    return true;
}

bool autenticaQuattro(int porta, const QByteArray &texto)
{
    if (porta == 1 || porta == 2) {
        MsgBox(QStringLiteral("Essa função só funciona com as portas paralelas LPT1, LPT2 OU LPT3"),
               Vb::vbInformation, QStringLiteral("Aviso"));
        return false;
    }
    Ap40n &impressora = Platform::printers().ap40n();
    if (!impressora.TXI(porta, esc("~1"))) {
        falhaEnvio(impressora, true);
        return false;
    }
    if (!esperaDocumento(impressora, porta)) {
        // Leave the printer out of authentication mode all the same.
        impressora.TXI(porta, esc("~0"));
        falhaAutenticacao(QStringLiteral("A impressora autenticadora não respondeu.\nPossíveis causas: "
                                         "Documento não inserido, impressora desligada, off-line ou sem papel"));
        return false;
    }
    const bool impresso = impressora.TXI(porta, esc("V") + texto);
    const bool encerrado = impressora.TXI(porta, esc("~0"));
    if (!impresso || !encerrado)
        falhaEnvio(impressora, true);
    return impresso && encerrado;
}

bool autenticaBematech(const QByteArray &texto)
{
    Mp2032 &impressora = Platform::printers().mp2032();
    const int r = impressora.AutenticaDoc(texto, 6000);
    if (r == 0)
        falhaAutenticacao(QStringLiteral("Problemas na autenticação do documento.\nPossíveis causas: "
                                         "Documento não inserido, impressora desligada, off-line ou sem papel"));
    else if (r == -1)
        falhaAutenticacao(QStringLiteral("Tempo maior que o permitido."));
    impressora.ComandoTX(QByteArray("\x1b~\0", 3), 3);
    return r != 0 && r != -1;
}

bool bobinaQuattro(int porta, const QByteArray &texto)
{
    Ap40n &impressora = Platform::printers().ap40n();
    if (impressora.TX(porta, texto + '\n'))
        return true;
    falhaEnvio(impressora, false);
    return false;
}

bool bobinaBematech(const QByteArray &texto)
{
    if (Platform::printers().mp2032().FormataTX(texto + '\n', 3, 0, 0, 0, 0) != 0)
        return true;
    falhaBobina();
    return false;
}

} // namespace

int Testa_bit(int valor, int bit)
{
    if (bit < 0 || bit > 14)
        return 0;
    const int mascara = 1 << bit;
    return ((valor & 0xFFFF) & mascara) / mascara;
}

int numeroPorta(const QString &porta)
{
    if (porta == QLatin1String("LPT1"))
        return 888;
    if (porta == QLatin1String("LPT2"))
        return 632;
    if (porta == QLatin1String("COM1"))
        return 1;
    if (porta == QLatin1String("COM2"))
        return 2;
    return 0;
}

bool Autentica_porta(int modo, const QString &modelo, const QString &texto)
{
    const bool quattro = modelo == QLatin1String("quattro");
    const int porta = quattro ? numeroPorta(AbreBD::gPorta) : 0;
    if (modo != AutenticaDocumento && modo != LinhaBobina)
        return true;
    if (AbreBD::gPrintCupom != 1)
        return true;
    const QByteArray bytes = TextFile::encode(texto);
    if (modo == AutenticaDocumento)
        return quattro ? autenticaQuattro(porta, bytes) : autenticaBematech(bytes);
    if (quattro)
        return bobinaQuattro(porta, bytes);
    if (modelo == QLatin1String("bematech"))
        return bobinaBematech(bytes);
    return true;
}

} // namespace inpout
