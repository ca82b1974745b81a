#include "gera_febraban.h"
#include "aplicativos.h"
#include "arquivo_registros.h"
#include "clock.h"
#include "consulta_recebimentos.h"
#include "error_report.h"
#include "globals.h"
#include "msg_box.h"

#include <QFileInfo>

using namespace CamposFixos;

namespace {

const QString kOrigem = QStringLiteral("GeraFebraban");

QString leExport(const char *chave)
{
    return Aplicativos::Le_ini(QStringLiteral("Export"), QString::fromLatin1(chave), AbreBD::arquivoConfig());
}

} // namespace

bool GeraFebraban::preparaNome(const PedidoFebraban &pedido)
{
    m_arquivo = leExport("caminho_febraban") + QStringLiteral("Feb") + QStringLiteral("CX") + AbreBD::gGuiche
                + pedido.tipo.left(4) + QStringLiteral("_") + pedido.codBanco + QStringLiteral("_")
                + Relogio::agora().toString(QStringLiteral("yyyyMMddHHmm")) + QStringLiteral(".RET");
    if (QFileInfo::exists(m_arquivo)) {
        MsgBox(ArquivoRegistros::textoExistente(m_arquivo), Vb::vbExclamation, QStringLiteral("Aviso"));
        return false;
    }
    return true;
}

bool GeraFebraban::Gera_febraban_pendentes(const PedidoFebraban &pedido)
{
    Escrita::EmAndamento guarda(m_emAndamento);
    if (!guarda.livre() || pedido.linhasPendentes == 0 || !preparaNome(pedido))
        return false;
    QList<ItemExportacao> itens;
    itens.reserve(pedido.linhasPendentes);
    if (!leItensRecebimentos(pedido.idMovimento, pedido.idTipo, 0, &itens)) {
        Aplicativos::Trata_erro(QStringLiteral("Função Gera_febraban_pendentes"));
        return false;
    }
    return escreve(pedido, itens, true);
}

bool GeraFebraban::Gera_febraban_lista(const PedidoFebraban &pedido, const QList<ItemExportacao> &lista)
{
    Escrita::EmAndamento guarda(m_emAndamento);
    if (!guarda.livre() || lista.isEmpty() || !preparaNome(pedido))
        return false;
    return escreve(pedido, lista, false);
}

bool GeraFebraban::escreve(const PedidoFebraban &pedido, const QList<ItemExportacao> &itens, bool avisaArquivo)
{
    ArquivoRegistros arquivo(clsGeraFebraban::Comprimento);
    arquivo.reserva(int(itens.size()) + 2);
    ConferenciaCampos campos;
    bool falhou = false;
    {
        Escrita::CursorEspera cursor;
        Escrita::ProgressoAtivo barra(progresso, int(itens.size()));

        const QString cabecalho = QStringLiteral("Cabeçalho");
        const QString dataPagto = pedido.data.toString(QStringLiteral("yyyyMMdd"));
        m_gerador.COD_BANCO(campos.confere(cabecalho, QStringLiteral("COD_BANCO"), pedido.codBanco, 3));
        m_gerador.NOME_BANCO(ajustado(leExport("nome_banco"), 20));
        m_gerador.DATA_ARQ(campos.confere(cabecalho, QStringLiteral("DATA_ARQ"), dataPagto, 8));
        m_gerador.NSA(campos.confere(cabecalho, QStringLiteral("NSA"),
                                     pedido.dataCaixa.toString(QStringLiteral("yyMMdd")), 6));
        if (m_gerador.Cria_header()) {
            arquivo.acrescenta(m_gerador.HEADER());
        } else {
            campos.avisa(QStringLiteral("Erro ao gerar header"), kOrigem, m_arquivo);
            falhou = true;
        }
        campos.limpa();

        int escritos = 0;
        Currency total;
        for (const ItemExportacao &item : itens) {
            barra.avanca(escritos + 1);
            const auto nome = [&item] { return QStringLiteral("Autenticação %1").arg(item.autentica); };
            m_gerador.DATA_PAGTO(dataPagto);
            m_gerador.COD_BARRA(campos.confereCom(nome, QStringLiteral("COD_BARRA"), item.codBarra, 44));
            m_gerador.VALOR_RECEBIDO(
                campos.confereCom(nome, QStringLiteral("VALOR_RECEBIDO"), valor(item.valor, 12), 12));
            m_gerador.SEQ_REG(codigo(escritos + 1, 8));
            if (!m_gerador.Cria_content()) {
                campos.avisa(QStringLiteral("Erro ao gerar content"), kOrigem, m_arquivo);
                falhou = true;
                break;
            }
            arquivo.acrescenta(m_gerador.CONTENT());
            ++escritos;
            total += item.valor;
            Escrita::pausa(pausaPorRegistroMs);
        }
        campos.limpa();

        const QString rodape = QStringLiteral("Rodapé");
        m_gerador.CONT_ARQ(campos.confere(rodape, QStringLiteral("CONT_ARQ"), codigo(escritos + 2, 6), 6));
        m_gerador.VALOR_TOTAL(campos.confere(rodape, QStringLiteral("VALOR_TOTAL"), valor(total, 17), 17));
        if (m_gerador.Cria_footer()) {
            arquivo.acrescenta(m_gerador.FOOTER());
        } else {
            campos.avisa(QStringLiteral("Erro ao gerar footer"), kOrigem, m_arquivo);
            falhou = true;
        }
    }
    if (falhou) {
        if (avisaArquivo)
            MsgBox(QStringLiteral("Erro ao gerar arquivo"));
        return false;
    }
    QString erro;
    if (!arquivo.grava(m_arquivo, ArquivoRegistros::SeExistir::Recusa, &erro)) {
        MsgBox(erro, Vb::vbCritical, QStringLiteral("Aviso"));
        return false;
    }
    return true;
}
