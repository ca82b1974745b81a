#pragma once
#include "campos_fixos.h"

// Records of the FEBRABAN return file, 150 characters each: header "A",
// detail "G", trailer "Z". Fields are given at their final width; a Cria_
// operation answers whether its record came out exactly 150 characters long.
class clsGeraFebraban {
    CAMPO_REGISTRO(NOME_BANCO)
    CAMPO_REGISTRO(COD_BANCO)
    CAMPO_REGISTRO(NSA)
    CAMPO_REGISTRO(DATA_ARQ)
    CAMPO_REGISTRO(VALOR_RECEBIDO)
    CAMPO_REGISTRO(DATA_PAGTO)
    CAMPO_REGISTRO(SEQ_REG)
    CAMPO_REGISTRO(CONT_ARQ)
    CAMPO_REGISTRO(VALOR_TOTAL)
    CAMPO_REGISTRO(COD_BARRA)

public:
    static constexpr int Comprimento = 150;

    const QString &HEADER() const { return m_HEADER; }
    const QString &CONTENT() const { return m_CONTENT; }
    const QString &FOOTER() const { return m_FOOTER; }

    bool Cria_header();
    bool Cria_footer();
    bool Cria_content();

private:
    QString m_HEADER;
    QString m_CONTENT;
    QString m_FOOTER;
};
