#include "cls_autenticadora.h"

#include "error_report.h"

namespace {

const QChar LF(10);

QString espacos(int n)
{
    return QString(n, QLatin1Char(' '));
}

QString fileira(char c)
{
    return QString(clsAutenticadora::Colunas, QLatin1Char(c));
}

// Lines, each followed by LF.
QString linhasComLF(const QStringList &linhas)
{
    QString out;
    for (const QString &l : linhas)
        out += l + LF;
    return out;
}

} // namespace

bool clsAutenticadora::AutenticaBoleto()
{
    m_BOLETO = m_MENSAGEM + QLatin1Char(' ') + m_GUICHE + QLatin1Char(' ') + m_SEQ_REG + QLatin1Char(' ')
               + m_DATA_PAGTO + espacos(2) + m_VALOR_RECEBIDO + QLatin1Char('R');
    return m_BOLETO.size() >= 36;
}

bool clsAutenticadora::AutenticaFita()
{
    m_FITA = m_SEQ_REG + QLatin1Char(' ') + m_DATA_PAGTO + QLatin1Char(' ') + m_NOME_GUIA + espacos(2)
             + m_VALOR_TOTAL;
    return m_FITA.size() >= Colunas;
}

bool clsAutenticadora::ReplicaCaracter(const QString &ch)
{
    m_caracter.clear();
    if (ch.isEmpty())
        throw CaixaError(5, QStringLiteral("Chamada de procedimento ou argumento inválido"),
                         QStringLiteral("clsAutenticadora.ReplicaCaracter"));
    m_caracter = QString(Colunas, ch.at(0));
    return false;
}

QString clsAutenticadora::linhaAbertura(int modo) const
{
    if (modo == 1)
        return QStringLiteral("=") + espacos(6) + QStringLiteral("ABERTURA DE MOVIMENTO: ") + m_SEQ_MOV
               + espacos(6) + QStringLiteral("=");
    if (modo == 2)
        return QStringLiteral("=") + espacos(14) + QStringLiteral("GUICHE:  ") + m_GUICHE + espacos(14)
               + QStringLiteral("=");
    return {};
}

bool clsAutenticadora::AbreCaixa(int modo)
{
    m_AbreFita = linhaAbertura(modo);
    return m_AbreFita.size() == Colunas;
}

// The closing line of `tipo` with `sinais` "=" in its label; empty for an unknown tipo.
QString clsAutenticadora::linhaEncerramento(const QString &tipo, int sinais) const
{
    const QString barra(sinais, QLatin1Char('='));
    if (tipo == QLatin1String("ARRECADADO"))
        return QStringLiteral("(+)") + barra + QStringLiteral(" ARRECADADO --> ") + m_VALOR_ARRECADADO;
    if (tipo == QLatin1String("ENTRADA"))
        return QStringLiteral("(+)") + barra + QStringLiteral(" ENTRADAS   --> ") + m_VALOR_ENTRADA;
    if (tipo == QLatin1String("SAIDA"))
        return QStringLiteral("(-)") + barra + QStringLiteral(" RETIRADAS  --> ") + m_VALOR_SAIDA;
    if (tipo == QLatin1String("TOTAL"))
        return QStringLiteral("(=)") + barra + QStringLiteral(" TOTAL/DIA  --> ") + m_VALOR_TOTAL;
    return {};
}

bool clsAutenticadora::EncerraCaixa(const QString &tipo)
{
    m_EncerraFita = linhaEncerramento(tipo, 10);
    return m_EncerraFita.size() == Colunas;
}

bool clsAutenticadora::EncerraCaixaCompleto()
{
    const QStringList linhas{
        fileira('-'),
        linhaEncerramento(QStringLiteral("ARRECADADO"), 9),
        linhaEncerramento(QStringLiteral("ENTRADA"), 9),
        linhaEncerramento(QStringLiteral("SAIDA"), 9),
        espacos(21) + QString(19, QLatin1Char('-')),
        linhaEncerramento(QStringLiteral("TOTAL"), 9),
    };
    m_EncerraFita = linhas.join(LF);
    return m_EncerraFita.size() == 245;
}

bool clsAutenticadora::AbreCaixaCompleto()
{
    m_AbreFita = linhasComLF({fileira('='), QStringLiteral("=") + m_MENSAGEM + QStringLiteral("="),
                              linhaAbertura(1), linhaAbertura(2), fileira('=')});
    return m_AbreFita.size() == 205;
}

bool clsAutenticadora::PrintCabecalho()
{
    m_AbreFita = linhasComLF({fileira('-'), QStringLiteral("DATA/HORA: ") + m_DATA_PAGTO + m_USUARIO,
                              m_VALOR_TOTAL});
    return m_AbreFita.size() == 123;
}

bool clsAutenticadora::ReabreCaixa()
{
    m_AbreFita = linhasComLF({fileira('='),
                              QStringLiteral("=        REABRINDO MOVIMENTO: ") + m_SEQ_MOV + espacos(6)
                                  + QStringLiteral("="),
                              fileira('=')});
    return m_AbreFita.size() == 123;
}

bool clsAutenticadora::OperacaoCaixa()
{
    m_AbreFita = linhasComLF({fileira('='), m_MENSAGEM, fileira('=')});
    return m_AbreFita.size() == 123;
}
