#pragma once
#include "campos_fixos.h"

// Records of the integration file, 200 characters each. Every field is given
// already at its final width; a Cria_ operation joins them, keeps the record
// and answers whether it came out exactly 200 characters long.
class clsGeraIntegra {
    CAMPO_REGISTRO(D_VALORTOTAL)
    CAMPO_REGISTRO(D_ID)
    CAMPO_REGISTRO(D_DESCRICAO)
    CAMPO_REGISTRO(D_ESPECIE)
    CAMPO_REGISTRO(D_VALOR)
    CAMPO_REGISTRO(D_NUMERO)
    CAMPO_REGISTRO(D_REG)
    CAMPO_REGISTRO(NSA)
    CAMPO_REGISTRO(CONFCAIXA)
    CAMPO_REGISTRO(cont)
    CAMPO_REGISTRO(TOTAL)
    CAMPO_REGISTRO(BANCO)
    CAMPO_REGISTRO(REG)
    CAMPO_REGISTRO(RECURSO)
    CAMPO_REGISTRO(GUICHE)
    CAMPO_REGISTRO(SETOR)
    CAMPO_REGISTRO(DATA_RECEBIMENTO)
    CAMPO_REGISTRO(DATA_CREDITO)
    CAMPO_REGISTRO(SAIDA)
    CAMPO_REGISTRO(ENTRADA)
    CAMPO_REGISTRO(DIFERENCA)
    CAMPO_REGISTRO(BARRA)
    CAMPO_REGISTRO(AUTENTICA)
    CAMPO_REGISTRO(ESPECIE)
    CAMPO_REGISTRO(MSG)
    CAMPO_REGISTRO(TIPO)
    CAMPO_REGISTRO(IDENTIFICA)
    CAMPO_REGISTRO(EXPORT)

public:
    static constexpr int Comprimento = 200;

    const QString &HEADER() const { return m_HEADER; }
    const QString &CONTENT() const { return m_CONTENT; }
    const QString &FOOTER() const { return m_FOOTER; }
    const QString &DEBITO_HEADER() const { return m_DEBITO_HEADER; }
    const QString &DEBITO_CONTENT() const { return m_DEBITO_CONTENT; }

    bool Cria_header();
    bool Cria_header_debito();
    bool Cria_content_debito();
    bool Cria_footer();
    bool Cria_content();

private:
    QString m_HEADER;
    QString m_CONTENT;
    QString m_FOOTER;
    QString m_DEBITO_HEADER;
    QString m_DEBITO_CONTENT;
};
