#include "cls_gera_integra.h"

using CamposFixos::brancos;

bool clsGeraIntegra::Cria_header()
{
    m_HEADER = QStringLiteral("A") + m_BANCO + m_DATA_RECEBIMENTO + m_SETOR + m_NSA + QStringLiteral("0")
               + brancos(169);
    return m_HEADER.size() == Comprimento;
}

bool clsGeraIntegra::Cria_content()
{
    m_CONTENT = m_REG + m_DATA_CREDITO + QStringLiteral(" ") + m_AUTENTICA + m_GUICHE + m_TIPO
                + QStringLiteral(" ") + m_ENTRADA + m_SAIDA + m_DIFERENCA + QStringLiteral(" ") + m_BARRA
                + QStringLiteral(" ") + m_ESPECIE + m_IDENTIFICA + QStringLiteral(" ") + m_EXPORT + m_MSG;
    return m_CONTENT.size() == Comprimento;
}

bool clsGeraIntegra::Cria_header_debito()
{
    m_DEBITO_HEADER = m_D_REG + m_DATA_RECEBIMENTO + m_D_VALORTOTAL + m_D_ID + m_D_DESCRICAO;
    return m_DEBITO_HEADER.size() == Comprimento;
}

bool clsGeraIntegra::Cria_content_debito()
{
    m_DEBITO_CONTENT = QStringLiteral("D") + m_D_ESPECIE + m_D_NUMERO + m_D_VALOR + m_D_ID + brancos(144);
    return m_DEBITO_CONTENT.size() == Comprimento;
}

bool clsGeraIntegra::Cria_footer()
{
    m_FOOTER = QStringLiteral("Z") + m_cont + m_TOTAL + m_CONFCAIXA + QStringLiteral("0") + brancos(159);
    return m_FOOTER.size() == Comprimento;
}
