#include "cls_gera_integra.h"

using CamposFixos::monta;
using CamposFixos::Repete;

bool clsGeraIntegra::Cria_header()
{
    return monta(m_HEADER, Comprimento, u"A", m_BANCO, m_DATA_RECEBIMENTO, m_SETOR, m_NSA, u"0",
                 Repete{u' ', 169});
}

bool clsGeraIntegra::Cria_content()
{
    return monta(m_CONTENT, Comprimento, m_REG, m_DATA_CREDITO, u" ", m_AUTENTICA, m_GUICHE, m_TIPO, u" ",
                 m_ENTRADA, m_SAIDA, m_DIFERENCA, u" ", m_BARRA, u" ", m_ESPECIE, m_IDENTIFICA, u" ", m_EXPORT,
                 m_MSG);
}

bool clsGeraIntegra::Cria_header_debito()
{
    return monta(m_DEBITO_HEADER, Comprimento, m_D_REG, m_DATA_RECEBIMENTO, m_D_VALORTOTAL, m_D_ID,
                 m_D_DESCRICAO);
}

bool clsGeraIntegra::Cria_content_debito()
{
    return monta(m_DEBITO_CONTENT, Comprimento, u"D", m_D_ESPECIE, m_D_NUMERO, m_D_VALOR, m_D_ID,
                 Repete{u' ', 144});
}

bool clsGeraIntegra::Cria_footer()
{
    return monta(m_FOOTER, Comprimento, u"Z", m_cont, m_TOTAL, m_CONFCAIXA, u"0", Repete{u' ', 159});
}
