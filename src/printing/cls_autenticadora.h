#pragma once
#include <QString>

// The 40-column texts of the authentication printer's roll and documents. The
// caller sets inputs already formatted to their widths, calls one builder and
// reads its output; the builder pads and cuts nothing and answers whether the
// text came out with its layout's width. Lines are joined by a single LF.
class clsAutenticadora {
public:
    // Inputs (kept from one build to the next).
    void setMENSAGEM(const QString &v) { m_MENSAGEM = v; }
    void setUSUARIO(const QString &v) { m_USUARIO = v; }
    void setGUICHE(const QString &v) { m_GUICHE = v; }
    void setVALOR_RECEBIDO(const QString &v) { m_VALOR_RECEBIDO = v; }
    void setVALOR_ARRECADADO(const QString &v) { m_VALOR_ARRECADADO = v; }
    void setVALOR_ENTRADA(const QString &v) { m_VALOR_ENTRADA = v; }
    void setVALOR_SAIDA(const QString &v) { m_VALOR_SAIDA = v; }
    void setVALOR_TOTAL(const QString &v) { m_VALOR_TOTAL = v; }
    void setDATA_PAGTO(const QString &v) { m_DATA_PAGTO = v; }
    void setSEQ_REG(const QString &v) { m_SEQ_REG = v; }
    void setSEQ_MOV(const QString &v) { m_SEQ_MOV = v; }
    void setNOME_GUIA(const QString &v) { m_NOME_GUIA = v; }

    // Outputs: each holds the text of its last build, right or wrong.
    QString BOLETO() const { return m_BOLETO; }
    QString FITA() const { return m_FITA; }
    QString AbreFita() const { return m_AbreFita; }
    QString EncerraFita() const { return m_EncerraFita; }
    QString caracter() const { return m_caracter; }

    // The document line; true when at least 36 characters long.
    bool AutenticaBoleto();
    // The roll line of a received item; true when at least 40 characters long.
    bool AutenticaFita();
    // 40 copies of the first character of ch; always false. Throws CaixaError
    // (invalid argument) for an empty ch.
    bool ReplicaCaracter(const QString &ch);
    // One line of the opening box: modo 1 the movement, 2 the station; any other
    // modo leaves AbreFita empty and answers false.
    bool AbreCaixa(int modo);
    // One closing line: tipo "ARRECADADO", "ENTRADA", "SAIDA" or "TOTAL" (exact case).
    bool EncerraCaixa(const QString &tipo);

    // The tapes: true only when the whole block has its layout's length (245,
    // 205, 123, 123 and 123 characters), however that length is spread over
    // the lines.
    bool EncerraCaixaCompleto();
    bool AbreCaixaCompleto();
    bool PrintCabecalho();
    bool ReabreCaixa();
    bool OperacaoCaixa();

    static constexpr int Colunas = 40;

private:
    QString linhaAbertura(int modo) const;
    QString linhaEncerramento(const QString &tipo, int sinais) const;

    QString m_MENSAGEM, m_USUARIO, m_GUICHE, m_NOME_GUIA, m_VALOR_RECEBIDO, m_VALOR_ARRECADADO,
        m_VALOR_ENTRADA, m_VALOR_SAIDA, m_VALOR_TOTAL, m_DATA_PAGTO, m_SEQ_REG, m_SEQ_MOV;
    QString m_BOLETO, m_FITA, m_AbreFita, m_EncerraFita, m_caracter;
};
