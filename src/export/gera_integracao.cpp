#include "gera_integracao.h"
#include "aplicativos.h"
#include "arquivo_registros.h"
#include "clock.h"
#include "error_report.h"
#include "globals.h"
#include "msg_box.h"

#include <QSqlQuery>

using namespace CamposFixos;

namespace {

// One received item of the day as its record needs it.
struct Recebido {
    QVariant autentica;
    qint64 valor = 0;
    QString codBarra;
    QVariant exportado;
    qint64 idCod = 0;
};

} // namespace

struct GeraIntegracao::Execucao {
    explicit Execucao(const DadosIntegracao &d) : dados(d) {}
    const DadosIntegracao &dados;
    QString guiche;
    QString data;
    QList<Recebido> itens;
    ArquivoRegistros arquivo{clsGeraIntegra::Comprimento};
    ConferenciaCampos campos;
    QString falha;        // kind of the last record that failed
    int quantidade = 0;   // received items written
    Currency total;       // their sum
    Escrita::ProgressoAtivo *progresso = nullptr;

    void registra(bool criado, const QString &registro, const QString &tipo)
    {
        if (criado)
            arquivo.acrescenta(registro);
        else
            falha = tipo;
    }
};

bool GeraIntegracao::Gera_integracao(const DadosIntegracao &dados)
{
    Escrita::EmAndamento guarda(m_emAndamento);
    if (!guarda.livre())
        return false;

    const QString ini = AbreBD::arquivoConfig();
    Execucao e(dados);
    e.guiche = Aplicativos::Le_ini(QStringLiteral("Export"), QStringLiteral("guiche"), ini);
    e.data = dados.data.toString(QStringLiteral("ddMMyyyy"));
    m_arquivo = Aplicativos::Le_ini(QStringLiteral("Export"), QStringLiteral("Path1"), ini) + e.guiche
                + QStringLiteral("_") + Relogio::agora().toString(QStringLiteral("yyyyMMddHHmm"))
                + QStringLiteral(".INT");

    // The day is read whole before the first record, as it stood when the
    // run began (the window answers its events during the pauses), but
    // straight into what the records need.
    const bool lido = clsDataAccess::percorreQuiet(
        QStringLiteral("SELECT Recebimentos.IDRECEBE, Recebimentos.AUTENTICA, Recebimentos.VALOR, "
                       "Recebimentos.CODBARRA, Recebimentos.EXPORT, CodBarra.IDCOD FROM Recebimentos, CodBarra "
                       "WHERE Recebimentos.TIPO = CodBarra.IDCOD and Recebimentos.IDMOVIMENTO = ? "
                       "ORDER BY Recebimentos.IDRECEBE"),
        {dados.idMovimento}, [&e](const QSqlQuery &linha) {
            e.itens.append({linha.value(1), linha.value(2).toLongLong(), linha.value(3).toString(), linha.value(4),
                            linha.value(5).toLongLong()});
        });
    if (!lido) {
        Aplicativos::Trata_erro(QStringLiteral("Função sqlSelect_ReadyOnly em clsDataAccess"));
        return false;
    }
    if (e.itens.isEmpty())
        return false;
    e.arquivo.reserva(int(e.itens.size()) + 2);

    bool completo = false;
    {
        Escrita::CursorEspera cursor;
        Escrita::ProgressoAtivo barra(progresso, int(e.itens.size()));
        e.progresso = &barra;
        cabecalho(e);
        completo = recebimentos(e) && saidas(e);
        if (completo)
            rodape(e);
    }
    if (!completo)
        return false; // a database error, already reported

    if (!e.falha.isEmpty()) {
        e.campos.avisa(QStringLiteral("Erro ao gerar: ") + e.falha, QStringLiteral("GeraIntegracao"), m_arquivo);
        return false;
    }
    QString erro;
    if (!e.arquivo.grava(m_arquivo, ArquivoRegistros::SeExistir::Substitui, &erro)) {
        MsgBox(erro, Vb::vbCritical, QStringLiteral("Aviso"));
        return false;
    }
    return true;
}

void GeraIntegracao::cabecalho(Execucao &e)
{
    const QString item = QStringLiteral("Cabeçalho");
    m_gerador.BANCO(codigo(5001, 6));
    m_gerador.DATA_RECEBIMENTO(e.campos.confere(item, QStringLiteral("DATA_RECEBIMENTO"), e.data, 8));
    m_gerador.SETOR(e.campos.confere(item, QStringLiteral("SETOR (guichê)"), e.guiche, 1));
    m_gerador.NSA(e.campos.confere(item, QStringLiteral("NSA"), codigo(e.dados.idMovimento, 14), 14));
    e.registra(m_gerador.Cria_header(), m_gerador.HEADER(), QStringLiteral("Header"));
}

bool GeraIntegracao::recebimentos(Execucao &e)
{
    // The fields every received item shares, made once.
    const QString reg = QStringLiteral("R");
    const QString zeros9 = zeros(9);
    const QString zeros10 = zeros(10);
    const QString brancos10 = brancos(10);
    const QString brancos84 = brancos(84);
    int lidos = 0;
    for (const Recebido &r : std::as_const(e.itens)) {
        const Currency quantia = Currency::fromRaw(r.valor);
        const auto item = [&r] { return QStringLiteral("Autenticação %1").arg(r.autentica.toString()); };
        auto confere = [&](const QString &campo, const QString &texto, int largura) {
            return e.campos.confereCom(item, campo, texto, largura);
        };
        m_gerador.REG(reg);
        m_gerador.DATA_CREDITO(e.data);
        m_gerador.AUTENTICA(confere(QStringLiteral("AUTENTICA"), codigo(r.autentica.toLongLong(), 5), 5));
        m_gerador.TIPO(confere(QStringLiteral("TIPO"), codigo(r.idCod, 4), 4));
        m_gerador.ENTRADA(confere(QStringLiteral("ENTRADA (valor)"), valor(quantia, 9), 9));
        m_gerador.SAIDA(zeros9);
        m_gerador.GUICHE(confere(QStringLiteral("GUICHE"), e.guiche, 1));
        m_gerador.DIFERENCA(zeros9);
        m_gerador.BARRA(confere(QStringLiteral("BARRA (código de barras)"), r.codBarra, 44));
        m_gerador.ESPECIE(brancos10);
        m_gerador.IDENTIFICA(zeros10);
        m_gerador.EXPORT(confere(QStringLiteral("EXPORT"), r.exportado.toString(), 1));
        m_gerador.MSG(brancos84);
        if (m_gerador.Cria_content()) {
            e.arquivo.acrescenta(m_gerador.CONTENT());
            ++e.quantidade;
            e.total += quantia;
        } else {
            e.falha = QStringLiteral("CONTENT");
        }
        Escrita::pausa(pausaPorRegistroMs);
        e.progresso->avanca(++lidos);
    }
    return true;
}

bool GeraIntegracao::saidas(Execucao &e)
{
    const RecordsetPtr rs = AbreBD::gDataAccess->SQLSelect_ReadOnly(
        QStringLiteral("select * from sangria where TIPO <> 'ENTRADA' AND IDMOVIMENTO = ? ORDER BY ID"),
        {e.dados.idMovimento});
    if (!rs)
        return false;
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        const QVariant id = rs->Fields(QStringLiteral("ID"));
        const QString item = QStringLiteral("Saída %1").arg(id.toString());
        const bool retirada = rs->Fields(QStringLiteral("TIPO")).toString() == QLatin1String("SANGRIA");
        m_gerador.D_VALORTOTAL(e.campos.confere(
            item, QStringLiteral("D_VALORTOTAL (valor)"),
            valor(Currency::fromRaw(rs->Fields(QStringLiteral("SAIDA")).toLongLong()), 10), 10));
        m_gerador.D_ID(e.campos.confere(item, QStringLiteral("D_ID"), codigo(id.toLongLong(), 10), 10));
        m_gerador.D_REG(retirada ? QStringLiteral("J") : QStringLiteral("S"));
        m_gerador.D_DESCRICAO(textoOuBrancos(rs->Fields(QStringLiteral("DESCRICAO")), 171));
        e.registra(m_gerador.Cria_header_debito(), m_gerador.DEBITO_HEADER(), QStringLiteral("HEADER_DEBITO"));
        if (!retirada && !itensDaSaida(e, id))
            return false;
        Escrita::pausa(pausaPorRegistroMs);
    }
    return true;
}

bool GeraIntegracao::itensDaSaida(Execucao &e, const QVariant &idSangria)
{
    const RecordsetPtr rs = AbreBD::gDataAccess->SQLSelect_ReadOnly(
        QStringLiteral("select * from itens where IDSANGRIA = ? ORDER BY ID"), {idSangria});
    if (!rs)
        return false;
    const QString item = QStringLiteral("Saída %1").arg(idSangria.toString());
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
        m_gerador.D_ESPECIE(e.campos.confere(item, QStringLiteral("D_ESPECIE"),
                                             codigo(rs->Fields(QStringLiteral("ESPECIE")).toLongLong(), 5), 5));
        m_gerador.D_NUMERO(textoOuBrancos(rs->Fields(QStringLiteral("NUMERO")), 30));
        m_gerador.D_VALOR(e.campos.confere(
            item, QStringLiteral("D_VALOR (valor)"),
            valor(Currency::fromRaw(rs->Fields(QStringLiteral("VALOR")).toLongLong()), 10), 10));
        e.registra(m_gerador.Cria_content_debito(), m_gerador.DEBITO_CONTENT(), QStringLiteral("CONTENT_DEBITO"));
        Escrita::pausa(pausaPorRegistroMs);
    }
    return true;
}

void GeraIntegracao::rodape(Execucao &e)
{
    const QString item = QStringLiteral("Rodapé");
    m_gerador.cont(e.campos.confere(item, QStringLiteral("cont"), codigo(e.quantidade, 9), 9));
    m_gerador.TOTAL(e.campos.confere(item, QStringLiteral("TOTAL"), valor(e.total, 15), 15));
    m_gerador.CONFCAIXA(e.campos.confere(item, QStringLiteral("CONFCAIXA"),
                                         valor(e.dados.totalConferido + e.dados.suprimento, 15), 15));
    e.registra(m_gerador.Cria_footer(), m_gerador.FOOTER(), QStringLiteral("FOOTER"));
}
