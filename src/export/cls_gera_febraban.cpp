#include "cls_gera_febraban.h"

using CamposFixos::brancos;
using CamposFixos::zeros;

bool clsGeraFebraban::Cria_header()
{
    m_HEADER = QStringLiteral("A") + QStringLiteral("0") + zeros(20) + zeros(20) + m_COD_BANCO + m_NOME_BANCO
               + m_DATA_ARQ + m_NSA + QStringLiteral("03") + brancos(17) + brancos(52);
    return m_HEADER.size() == Comprimento;
}

bool clsGeraFebraban::Cria_content()
{
    m_CONTENT = QStringLiteral("G") + zeros(20) + m_DATA_PAGTO + m_DATA_PAGTO + m_COD_BARRA + m_VALOR_RECEBIDO
                + zeros(7) + m_SEQ_REG + brancos(8) + QStringLiteral("4") + brancos(23) + QStringLiteral("1")
                + brancos(9);
    return m_CONTENT.size() == Comprimento;
}

bool clsGeraFebraban::Cria_footer()
{
    m_FOOTER = QStringLiteral("Z") + m_CONT_ARQ + m_VALOR_TOTAL + brancos(126);
    return m_FOOTER.size() == Comprimento;
}
