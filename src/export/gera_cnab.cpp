#include "gera_cnab.h"
#include "aplicativos.h"
#include "arquivo_registros.h"
#include "clock.h"
#include "error_report.h"
#include "globals.h"
#include "msg_box.h"

#include <QFileInfo>

using namespace CamposFixos;

namespace {

const QString kOrigem = QStringLiteral("GeraCnab");

QString le(const char *secao, const char *chave)
{
    return Aplicativos::Le_ini(QString::fromLatin1(secao), QString::fromLatin1(chave), AbreBD::arquivoConfig());
}

bool soDigitos(const QString &t)
{
    if (t.isEmpty())
        return false;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

std::optional<TituloCodBarra> tituloDoCodBarra(const QString &barra)
{
    // Positions are counted from 1, as the bank's layout counts them.
    auto pos = [&barra](int inicio, int n) { return barra.mid(inicio - 1, n); };
    const QString dias = pos(6, 4), reais = pos(10, 8), centavos = pos(18, 2);
    TituloCodBarra t;
    t.ident = pos(27, 3) + pos(31, 3) + pos(35, 9);
    t.modal = pos(30, 1) + pos(34, 1);
    for (const QString &parte : {dias, reais, centavos, t.ident, t.modal})
        if (!soDigitos(parte))
            return std::nullopt;
    if (t.ident.size() != 15 || t.modal.size() != 2 || centavos.size() != 2)
        return std::nullopt;
    t.vencimento = QDate(1997, 10, 7).addDays(dias.toInt());
    t.valor = Currency::fromCents(reais.toLongLong() * 100 + centavos.toLongLong());
    return t;
}

struct GeraCnab::Execucao {
    ArquivoRegistros arquivo{clsGeraCnab::Comprimento};
    ConferenciaCampos campos;
    QString nome; // the file being written
    bool falhou = false;
    QString banco;
    QString convenio;
    QString agencia;
    QString data;
    int detalhes = 0; // detail records written
    Escrita::ProgressoAtivo *progresso = nullptr;

    void registra(bool criado, const QString &registro, const QString &erro)
    {
        if (criado) {
            arquivo.acrescenta(registro);
        } else {
            campos.avisa(erro, kOrigem, nome);
            falhou = true;
        }
        campos.limpa();
    }
};

bool GeraCnab::Gera_cnab(const PedidoCnab &pedido, const QList<ItemExportacao> &lista)
{
    Escrita::EmAndamento guarda(m_emAndamento);
    if (!guarda.livre())
        return false;
    m_arquivo = le("Export", "Path3") + QStringLiteral("Cnab") + pedido.tipo.left(4)
                + Relogio::agora().toString(QStringLiteral("yyyyMMddHHmm")) + QStringLiteral(".RET");
    if (lista.isEmpty())
        return false;
    if (QFileInfo::exists(m_arquivo)) {
        MsgBox(ArquivoRegistros::textoExistente(m_arquivo), Vb::vbExclamation, QStringLiteral("Aviso"));
        return false;
    }

    Execucao e;
    e.nome = m_arquivo;
    {
        Escrita::CursorEspera cursor;
        Escrita::ProgressoAtivo barra(progresso, int(lista.size()));
        e.progresso = &barra;
        preencheCabecalhos(e, pedido);
        if (!detalhes(e, lista))
            return false;
        trailers(e);
    }
    if (e.falhou)
        return false;
    QString erro;
    if (!e.arquivo.grava(m_arquivo, ArquivoRegistros::SeExistir::Recusa, &erro)) {
        MsgBox(erro, Vb::vbCritical, QStringLiteral("Aviso"));
        return false;
    }
    return true;
}

void GeraCnab::preencheCabecalhos(Execucao &e, const PedidoCnab &pedido)
{
    const QString item = QStringLiteral("Configuração");
    auto confere = [&](const char *campo, const QString &texto, int largura) {
        return e.campos.confere(item, QString::fromLatin1(campo), texto, largura);
    };
    const QString agencia = le("Export", "agencia");
    e.agencia = soDigitos(agencia) ? codigo(agencia.toLongLong(), 5) : agencia;
    e.banco = le("Export", "cod_banco_cnab");
    e.convenio = pedido.tipo.left(4) == QLatin1String("AGUA") ? le("Export", "cedente_agua")
                                                               : le("Export", "cedente_iptu");
    e.data = pedido.data.toString(QStringLiteral("ddMMyyyy"));

    m_gerador.BANCO(confere("BANCO (cod_banco_cnab)", e.banco, 3));
    m_gerador.NUM_INSC_EMP(confere("NUM_INSC_EMP (cnpj)", le("Export", "cnpj"), 14));
    m_gerador.AGENCIA(confere("AGENCIA", e.agencia, 5));
    m_gerador.DIG_AGENCIA(confere("DIG_AGENCIA (dv)", le("Export", "dv"), 1));
    m_gerador.CONVENIO(confere("CONVENIO (cedente)", e.convenio, 6));
    m_gerador.NOME_EMP(ajustado(le("Mensagem", "pref"), 30));
    m_gerador.NOME_BANCO(ajustado(le("Export", "nome_banco"), 30));
    m_gerador.DATA_ARQUIVO(confere("DATA_ARQUIVO", e.data, 8));
    m_gerador.HORA_ARQUIVO(Relogio::agora().toString(QStringLiteral("HHmmss")));
    m_gerador.NSA(confere("NSA", codigo(pedido.numMovimento, 6), 6));
    // Settings that do not fit fail every record holding them; the first message names them.
    e.registra(m_gerador.Cria_header_arquivo(), m_gerador.Header_arquivo(),
               QStringLiteral("Erro ao gerar header do CNAB -> 0"));
    e.registra(m_gerador.Cria_header_lote(), m_gerador.Header_lote(),
               QStringLiteral("Erro ao gerar header do lote CNAB -> 1"));
}

bool GeraCnab::detalhes(Execucao &e, const QList<ItemExportacao> &lista)
{
    int numero = 0;
    int lidos = 0;
    for (const ItemExportacao &item : lista) {
        e.progresso->avanca(++lidos);
        const QString nome = QStringLiteral("Autenticação %1").arg(item.autentica);
        const std::optional<TituloCodBarra> titulo = tituloDoCodBarra(item.codBarra);
        if (!titulo) {
            // An error that ends the writer at once: no box of
            // its own; the error log tells which item stopped it.
            Aplicativos::Registra_erro(
                0, QStringLiteral("%1: o código de barras \"%2\" não traz vencimento e valor do título.")
                       .arg(nome, item.codBarra),
                kOrigem, e.nome);
            return false;
        }
        auto confere = [&](const char *campo, const QString &texto, int largura) {
            return e.campos.confere(nome, QString::fromLatin1(campo), texto, largura);
        };
        m_gerador.BANCO(e.banco);
        m_gerador.NSREGISTRO(confere("NSREGISTRO", codigo(++numero, 5), 5));
        m_gerador.CONVENIO(e.convenio);
        m_gerador.MODAL_NOSSO_NUM(titulo->modal);
        m_gerador.IDENT_TITULO_BANCO(titulo->ident);
        m_gerador.DATA_VENC_TITULO(confere("DATA_VENC_TITULO", titulo->vencimento.toString(QStringLiteral("ddMMyyyy")), 8));
        m_gerador.VALOR_TITULO(confere("VALOR_TITULO", valor(titulo->valor, 15), 15));
        m_gerador.AGENCIA(e.agencia);
        const bool t = m_gerador.Cria_detalhe_t();
        e.registra(t, m_gerador.Detalhe_t(), QStringLiteral("Erro ao gerar Detalhe T"));

        m_gerador.BANCO(e.banco);
        m_gerador.NSREGISTRO(confere("NSREGISTRO", codigo(++numero, 5), 5));
        m_gerador.JUROS_MULTA(confere("JUROS_MULTA", valor(item.valor - titulo->valor, 15), 15));
        m_gerador.VALOR_PAGO_SACADO(confere("VALOR_PAGO_SACADO", valor(item.valor, 15), 15));
        m_gerador.VALOR_LIQUIDO(valor(item.valor, 15));
        m_gerador.DATA_ARQUIVO(e.data);
        const bool u = m_gerador.Cria_detalhe_u();
        e.registra(u, m_gerador.Detalhe_u(), QStringLiteral("Erro ao gerar Detalhe U"));
        e.detalhes += int(t) + int(u);

        Escrita::pausa(pausaPorRegistroMs);
    }
    return true;
}

void GeraCnab::trailers(Execucao &e)
{
    m_gerador.BANCO(e.banco);
    m_gerador.QUANT_REG_LOTE(e.campos.confere(QStringLiteral("Trailer"), QStringLiteral("QUANT_REG_LOTE"),
                                              codigo(e.detalhes + 2, 6), 6));
    e.registra(m_gerador.Cria_trailer_lote(), m_gerador.Trailer_lote(),
               QStringLiteral("Erro ao gerar Trailer de Lote"));
    m_gerador.BANCO(e.banco);
    m_gerador.QUANT_REG_ARQ(e.campos.confere(QStringLiteral("Trailer"), QStringLiteral("QUANT_REG_ARQ"),
                                             codigo(e.detalhes + 4, 6), 6));
    e.registra(m_gerador.Cria_trailer_arquivo(), m_gerador.Trailer_arq(),
               QStringLiteral("Erro ao gerar Trailer de Arquivo"));
}
