#include "globals.h"
#include "aplicativos.h"
#include "currency.h"

#include "program_folder.h"

#include <optional>

namespace AbreBD {
namespace {

// The text as a 16-bit whole number, the way the settings were always
// converted: decimals round half to even; empty, non-numeric or out of range
// texts give nothing.
std::optional<int> paraInteger(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = false;
    int v = t.toInt(&ok);
    if (!ok) {
        const auto c = Currency::parse(t);
        if (!c)
            return std::nullopt;
        const qint64 raw = c->raw();
        qint64 whole = raw / Currency::Scale;
        const qint64 rest = raw % Currency::Scale;
        const qint64 half = Currency::Scale / 2;
        if (rest > half || (rest == half && whole % 2 != 0))
            ++whole;
        else if (rest < -half || (rest == -half && whole % 2 != 0))
            --whole;
        if (whole < -32768 || whole > 32767)
            return std::nullopt;
        v = int(whole);
    }
    if (v < -32768 || v > 32767)
        return std::nullopt;
    return v;
}

QString texto(const char *section, const char *key)
{
    return Aplicativos::Le_ini(QString::fromLatin1(section), QString::fromLatin1(key), arquivoConfig());
}

void inteiro(int &global, const char *section, const char *key)
{
    if (const auto v = paraInteger(texto(section, key)))
        global = *v;
}

} // namespace

QString arquivoConfig()
{
    return Platform::programFile(QStringLiteral("Config.ini"));
}

bool Carrega_variaveis()
{
    gRede = 0;
    gGuicheExport = texto("Export", "guiche");
    gMensagem = texto("Mensagem", "mensagem");
    gCabecalho = texto("Mensagem", "cabecalho");
    gArquivoCofre = texto("Reserva", "cofre");
    gPref = texto("Mensagem", "pref");
    inteiro(gSomaSuprimento, "Reserva", "soma");
    gGuiche = texto("Export", "guiche");
    gCaminhoRecebimentos = texto("Export", "Path3");
    inteiro(gJuros, "Opcoes", "juros");
    gCaminhoEstorno = texto("Export", "Path2");
    gImpressora = texto("Print", "impressora");
    gModo = texto("Print", "modo");
    gModoPrint = texto("Print", "modo_print");
    inteiro(gPrintCupom, "Print", "print_cupom");
    inteiro(gPortaOpcoes, "Opcoes", "porta");
    gPorta = texto("Print", "porta");
    gImpressoraAutenticadora = texto("Print", "impressora_autenticadora");
    gImpressoraPadrao = texto("Print", "impressora_padrao");
    inteiro(gTeclaMais, "Export", "tecla_mais");
    inteiro(gLineFeed, "Print", "lineFeed");
    inteiro(gDisableEsc, "Print", "disableEsc");
    gIP = texto("Print", "ip");
    // A negative or unreadable value leaves 0; an earlier load's value is not kept.
    if (const auto rede = paraInteger(texto("Export", "rede")); rede && *rede >= 0)
        gRede = *rede;
    return true;
}

void reiniciaGlobais()
{
    gDataAccess.reset();
    gSQL.clear();
    gRs.reset();
    gRsIntegra.reset();
    gGuicheExport.clear(); gMensagem.clear(); gCabecalho.clear(); gArquivoCofre.clear();
    gPref.clear(); gSomaSuprimento = 0; gGuiche.clear(); gCaminhoRecebimentos.clear();
    gJuros = 0; gCaminhoEstorno.clear(); gImpressora.clear(); gModo.clear(); gModoPrint.clear();
    gPrintCupom = 0; gPortaOpcoes = 0; gPorta.clear(); gImpressoraAutenticadora.clear();
    gImpressoraPadrao.clear(); gTeclaMais = 0; gLineFeed = 0; gDisableEsc = 0; gIP.clear(); gRede = 0;
    gDataCaixa = QDate();
    gUsuario.clear(); gTipoUsuario.clear(); gModoExibicao.clear(); gLinhaImpressao.clear();
    gCancelaAutenticacao = false;
    gContinuaVencida = false;
}

} // namespace AbreBD
