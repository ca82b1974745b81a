#include "linha_digitavel.h"

#include "codigo_barras.h"
#include "currency.h"
#include "digitos.h"

#include <QStringList>

using CodigoBarras::posicoes;

namespace LinhaDigitavel {

const QString erroVazio = QStringLiteral("ERRO!!! Todos os campos devem ser preenchidos. Verifique.");
const QString erroGeral = QStringLiteral("ERRO!!! Tavez você tenha digitado algo errado. Verifique.");

QString erroSequencia(int grupo)
{
    return QStringLiteral("ERRO!!! Tavez você tenha digitado algo errado. %1ª Sequencia - verifique.").arg(grupo);
}

namespace {

bool algumVazio(const QStringList &campos)
{
    for (const QString &c : campos)
        if (c.isEmpty())
            return true;
    return false;
}

// The key filter lets a comma through; a line holds digits only.
bool soDigitos(const QStringList &campos)
{
    for (const QString &c : campos)
        for (const QChar ch : c)
            if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
                return false;
    return true;
}

bool tamanhos(const QStringList &campos, std::initializer_list<int> esperados)
{
    qsizetype i = 0;
    for (int t : esperados)
        if (campos.at(i++).size() != t)
            return false;
    return true;
}

QString emReais(const QString &centavos)
{
    return Currency::fromCents(centavos.toLongLong()).format();
}

// A group of the bank line: its digits, then its check digit as the last character.
bool grupoConfere(const QString &grupo)
{
    const QString digito = Aplicativos::Modulo10_campo(grupo.left(grupo.size() - 1));
    return digito.trimmed() == grupo.right(1).trimmed();
}

} // namespace

Resultado valida(const Bancaria &l, const QDate &dataCaixa)
{
    const QStringList campos{l.campo1, l.campo2, l.campo3, l.campo4, l.campo5, l.campo6, l.digito, l.campo7};
    Resultado r;
    if (algumVazio(campos)) {
        r.erro = erroVazio;
        return r;
    }
    if (!tamanhos(campos, {5, 5, 5, 6, 5, 6, 1, 14}) || !soDigitos(campos)) {
        r.erro = erroGeral;
        return r;
    }
    if (!grupoConfere(l.campo1 + l.campo2) || !grupoConfere(l.campo3 + l.campo4)
        || !grupoConfere(l.campo5 + l.campo6)) {
        r.erro = erroGeral;
        return r;
    }
    const QString linha = campos.join(QString());
    const QString codigo = posicoes(linha, 1, 4) + posicoes(linha, 33, 33) + posicoes(linha, 34, 37)
                           + posicoes(linha, 38, 47) + posicoes(linha, 5, 9) + posicoes(linha, 11, 20)
                           + posicoes(linha, 22, 31);
    r.valor = emReais(posicoes(codigo, 10, 19));
    r.dta = CodigoBarras::vencimentoFator(posicoes(codigo, 6, 9).toInt(), dataCaixa)
                .toString(QStringLiteral("dd/MM/yyyy"));
    if (Aplicativos::Modulo11_barra(posicoes(codigo, 1, 4) + posicoes(codigo, 6, 44))
        != posicoes(codigo, 5, 5).toInt()) {
        r.erro = erroGeral;
        r.codigo = QString();
        return r;
    }
    r.codigo = codigo;
    return r;
}

Resultado valida(const Arrecadacao &l)
{
    const QStringList campos{l.input[0], l.dv[0], l.input[1], l.dv[1], l.input[2], l.dv[2], l.input[3], l.dv[3]};
    Resultado r;
    if (algumVazio(campos)) {
        r.erro = erroVazio;
        return r;
    }
    if (!tamanhos(campos, {11, 1, 11, 1, 11, 1, 11, 1}) || !soDigitos(campos)) {
        r.erro = erroGeral;
        return r;
    }
    const bool modulo10 = posicoes(l.input[0], 3, 3).toInt() < 8;
    for (int g = 0; g < 4; ++g) {
        const QString digito = modulo10 ? Aplicativos::Modulo10(l.input[g]) : Aplicativos::Modulo11_arrecadacao(l.input[g]);
        if (digito.trimmed() != l.dv[g].trimmed()) {
            r.erro = erroSequencia(g + 1);
            return r;
        }
    }
    const QString codigo = l.input[0] + l.input[1] + l.input[2] + l.input[3];
    r.codigo = codigo;
    r.dta = posicoes(codigo, 26, 27) + QLatin1Char('/') + posicoes(codigo, 24, 25) + QLatin1Char('/')
            + posicoes(codigo, 20, 23);
    r.valor = emReais(posicoes(codigo, 5, 15));
    return r;
}

} // namespace LinhaDigitavel
