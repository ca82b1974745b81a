#include "cls_gera_febraban.h"

using CamposFixos::monta;
using CamposFixos::Repete;

bool clsGeraFebraban::Cria_header()
{
    return monta(m_HEADER, Comprimento, u"A", u"0", Repete{u'0', 20}, Repete{u'0', 20}, m_COD_BANCO, m_NOME_BANCO,
                 m_DATA_ARQ, m_NSA, u"03", Repete{u' ', 17}, Repete{u' ', 52});
}

bool clsGeraFebraban::Cria_content()
{
    return monta(m_CONTENT, Comprimento, u"G", Repete{u'0', 20}, m_DATA_PAGTO, m_DATA_PAGTO, m_COD_BARRA,
                 m_VALOR_RECEBIDO, Repete{u'0', 7}, m_SEQ_REG, Repete{u' ', 8}, u"4", Repete{u' ', 23}, u"1",
                 Repete{u' ', 9});
}

bool clsGeraFebraban::Cria_footer()
{
    return monta(m_FOOTER, Comprimento, u"Z", m_CONT_ARQ, m_VALOR_TOTAL, Repete{u' ', 126});
}
