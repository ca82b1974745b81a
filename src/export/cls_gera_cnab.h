#pragma once
#include "campos_fixos.h"

// Records of the CNAB 240 return file, 240 characters each: file header,
// batch header, detail segments T and U, batch trailer and file trailer.
// Fields are given at their final width; a Cria_ operation answers whether
// its record came out exactly 240 characters long.
class clsGeraCnab {
    CAMPO_REGISTRO(AGENCIA)
    CAMPO_REGISTRO(BANCO)
    CAMPO_REGISTRO(CONVENIO)
    CAMPO_REGISTRO(DATA_ARQUIVO)
    CAMPO_REGISTRO(DATA_VENC_TITULO)
    CAMPO_REGISTRO(DIG_AGENCIA)
    CAMPO_REGISTRO(HORA_ARQUIVO)
    CAMPO_REGISTRO(IDENT_TITULO_BANCO)
    CAMPO_REGISTRO(JUROS_MULTA)
    CAMPO_REGISTRO(MODAL_NOSSO_NUM)
    CAMPO_REGISTRO(NOME_BANCO)
    CAMPO_REGISTRO(NOME_EMP)
    CAMPO_REGISTRO(NSA)
    CAMPO_REGISTRO(NSREGISTRO)
    CAMPO_REGISTRO(NUM_INSC_EMP)
    CAMPO_REGISTRO(QUANT_REG_ARQ)
    CAMPO_REGISTRO(QUANT_REG_LOTE)
    CAMPO_REGISTRO(VALOR_LIQUIDO)
    CAMPO_REGISTRO(VALOR_PAGO_SACADO)
    CAMPO_REGISTRO(VALOR_TITULO)

public:
    static constexpr int Comprimento = 240;

    const QString &Header_arquivo() const { return m_Header_arquivo; }
    const QString &Header_lote() const { return m_Header_lote; }
    const QString &Detalhe_t() const { return m_Detalhe_t; }
    const QString &Detalhe_u() const { return m_Detalhe_u; }
    const QString &Trailer_lote() const { return m_Trailer_lote; }
    const QString &Trailer_arq() const { return m_Trailer_arq; }

    bool Cria_header_arquivo();
    bool Cria_header_lote();
    bool Cria_detalhe_t();
    bool Cria_detalhe_u();
    bool Cria_trailer_lote();
    bool Cria_trailer_arquivo();

private:
    QString m_Header_arquivo;
    QString m_Header_lote;
    QString m_Detalhe_t;
    QString m_Detalhe_u;
    QString m_Trailer_lote;
    QString m_Trailer_arq;
};
