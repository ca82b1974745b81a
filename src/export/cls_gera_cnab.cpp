#include "cls_gera_cnab.h"

using CamposFixos::brancos;
using CamposFixos::zeros;

bool clsGeraCnab::Cria_header_arquivo()
{
    m_Header_arquivo = m_BANCO + QStringLiteral("0000") + QStringLiteral("0") + brancos(9) + QStringLiteral("2")
                       + m_NUM_INSC_EMP + zeros(20) + m_AGENCIA + m_DIG_AGENCIA + m_CONVENIO + zeros(7)
                       + QStringLiteral("0") + m_NOME_EMP + m_NOME_BANCO + brancos(10) + QStringLiteral("2")
                       + m_DATA_ARQUIVO + m_HORA_ARQUIVO + m_NSA + QStringLiteral("040") + zeros(5) + brancos(20)
                       + QStringLiteral("RETORNO-PRODUCAO    ") + brancos(4) + brancos(10) + QStringLiteral("000")
                       + brancos(12);
    return m_Header_arquivo.size() == Comprimento;
}

bool clsGeraCnab::Cria_header_lote()
{
    m_Header_lote = m_BANCO + QStringLiteral("0001") + QStringLiteral("1") + QStringLiteral("T")
                    + QStringLiteral("01") + QStringLiteral("00") + QStringLiteral("030") + brancos(1)
                    + QStringLiteral("2") + QStringLiteral("0") + m_NUM_INSC_EMP + zeros(6) + zeros(14) + m_AGENCIA
                    + m_DIG_AGENCIA + m_CONVENIO + zeros(7) + QStringLiteral("0") + m_NOME_EMP + brancos(80)
                    + QStringLiteral("00") + m_NSA + m_DATA_ARQUIVO + zeros(10) + brancos(26) + QStringLiteral("00")
                    + brancos(3);
    return m_Header_lote.size() == Comprimento;
}

bool clsGeraCnab::Cria_detalhe_t()
{
    m_Detalhe_t = m_BANCO + QStringLiteral("0001") + QStringLiteral("3") + m_NSREGISTRO + QStringLiteral("T")
                  + brancos(1) + QStringLiteral("06") + zeros(5) + QStringLiteral("0") + m_CONVENIO + zeros(3)
                  + zeros(3) + QStringLiteral("0") + brancos(3) + m_MODAL_NOSSO_NUM + m_IDENT_TITULO_BANCO
                  + QStringLiteral("0") + QStringLiteral("1") + zeros(11) + zeros(4) + m_DATA_VENC_TITULO
                  + m_VALOR_TITULO + zeros(3) + m_AGENCIA + QStringLiteral("0") + zeros(15) + brancos(10)
                  + QStringLiteral("09") + QStringLiteral("0") + zeros(15) + brancos(50) + zeros(15) + zeros(6)
                  + brancos(4) + brancos(17);
    return m_Detalhe_t.size() == Comprimento;
}

bool clsGeraCnab::Cria_detalhe_u()
{
    m_Detalhe_u = m_BANCO + QStringLiteral("0001") + QStringLiteral("3") + m_NSREGISTRO + QStringLiteral("U")
                  + brancos(1) + QStringLiteral("06") + m_JUROS_MULTA + zeros(45) + m_VALOR_PAGO_SACADO
                  + m_VALOR_LIQUIDO + zeros(30) + m_DATA_ARQUIVO + m_DATA_ARQUIVO + zeros(4) + m_DATA_ARQUIVO
                  + zeros(15) + zeros(30) + zeros(3) + zeros(20) + brancos(7);
    return m_Detalhe_u.size() == Comprimento;
}

bool clsGeraCnab::Cria_trailer_lote()
{
    // Count and amount, zero, for each of the three kinds of collection.
    const QString semTitulos = zeros(6) + zeros(17);
    m_Trailer_lote = m_BANCO + QStringLiteral("0001") + QStringLiteral("5") + brancos(9) + m_QUANT_REG_LOTE
                     + semTitulos + semTitulos + semTitulos + zeros(23) + brancos(8) + brancos(117);
    return m_Trailer_lote.size() == Comprimento;
}

bool clsGeraCnab::Cria_trailer_arquivo()
{
    m_Trailer_arq = m_BANCO + QStringLiteral("9999") + QStringLiteral("9") + brancos(9) + QStringLiteral("000001")
                    + m_QUANT_REG_ARQ + brancos(211);
    return m_Trailer_arq.size() == Comprimento;
}
