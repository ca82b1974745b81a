#include "gera_integracao.h"
#include "aplicativos.h"
#include "arquivo_registros.h"
#include "clock.h"
#include "globals.h"
#include "msg_box.h"

using namespace CamposFixos;

struct GeraIntegracao::Execucao {
    explicit Execucao(const DadosIntegracao &d) : dados(d) {}
    const DadosIntegracao &dados;
    QString guiche;
    QString data;
    RecordsetPtr itens;
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

    e.itens = AbreBD::gDataAccess->SQLSelect_ReadOnly(
        QStringLiteral("SELECT Recebimentos.IDRECEBE, Recebimentos.AUTENTICA, Recebimentos.VALOR, "
                       "Recebimentos.CODBARRA, Recebimentos.EXPORT, CodBarra.IDCOD FROM Recebimentos, CodBarra "
                       "WHERE Recebimentos.TIPO = CodBarra.IDCOD and Recebimentos.IDMOVIMENTO = ? "
                       "ORDER BY Recebimentos.IDRECEBE"),
        {dados.idMovimento});
    if (!e.itens || e.itens->RecordCount() == 0)
        return false;

    bool completo = false;
    {
        Escrita::CursorEspera cursor;
        Escrita::ProgressoAtivo barra(progresso, e.itens->RecordCount());
        e.progresso = &barra;
        cabecalho(e);
        completo = recebimentos(e) && saidas(e);
        if (completo)
            rodape(e);
    }
    if (!completo)
        return false; // a database error, already reported

    if (!e.falha.isEmpty()) {
        MsgBox(QStringLiteral("Erro ao gerar: ") + e.falha + e.campos.resumo(), Vb::vbCritical,
               QStringLiteral("Aviso"));
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
    Recordset &rs = *e.itens;
    int lidos = 0;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const Currency quantia = Currency::fromRaw(rs.Fields(QStringLiteral("VALOR")).toLongLong());
        const QString item = QStringLiteral("Autenticação %1").arg(rs.Fields(QStringLiteral("AUTENTICA")).toString());
        auto confere = [&](const char *campo, const QString &texto, int largura) {
            return e.campos.confere(item, QString::fromLatin1(campo), texto, largura);
        };
        m_gerador.REG(QStringLiteral("R"));
        m_gerador.DATA_CREDITO(e.data);
        m_gerador.AUTENTICA(confere("AUTENTICA", codigo(rs.Fields(QStringLiteral("AUTENTICA")).toLongLong(), 5), 5));
        m_gerador.TIPO(confere("TIPO", codigo(rs.Fields(QStringLiteral("IDCOD")).toLongLong(), 4), 4));
        m_gerador.ENTRADA(confere("ENTRADA (valor)", valor(quantia, 9), 9));
        m_gerador.SAIDA(zeros(9));
        m_gerador.GUICHE(confere("GUICHE", e.guiche, 1));
        m_gerador.DIFERENCA(zeros(9));
        m_gerador.BARRA(confere("BARRA (código de barras)", rs.Fields(QStringLiteral("CODBARRA")).toString(), 44));
        m_gerador.ESPECIE(brancos(10));
        m_gerador.IDENTIFICA(zeros(10));
        m_gerador.EXPORT(confere("EXPORT", rs.Fields(QStringLiteral("EXPORT")).toString(), 1));
        m_gerador.MSG(brancos(84));
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
