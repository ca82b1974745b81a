#include "arquivo_recebimentos.h"

#include "text_file.h"

namespace ArquivoRecebimentos {

namespace {
const QString kTab = QStringLiteral("\t");
QString iguais() { return QString(100, QLatin1Char('=')); }
}

QString nome(const QString &pasta, const QString &guiche, const QDate &dia)
{
    return pasta + QStringLiteral("Receb_") + guiche + QLatin1Char('_') + dia.toString(QStringLiteral("yyyyMMdd"))
           + QStringLiteral(".txt");
}

QStringList cabecalho(const QString &pref, int numMovimento, const QString &guiche)
{
    return {
        iguais(),
        QStringLiteral("CONTROLE DE RECEBIMENTO DIÁRIO - ") + pref,
        QStringLiteral("MOVIMENTO: ") + QStringLiteral("%1").arg(numMovimento, 3, 10, QLatin1Char('0')),
        QStringLiteral("CAIXA: ") + guiche,
        iguais(),
    };
}

QStringList blocoItem(const Item &item, const QString &diaTexto, const QString &hora, const QString &usuario,
                      const QString &total, const QString &troco)
{
    QStringList out;
    if (item.seq == QLatin1String("01")) {
        out << iguais()
            << QStringLiteral("Data: ") + diaTexto + kTab + QStringLiteral("Hora: ") + hora + kTab
                   + QStringLiteral("User: ") + usuario
            << QStringLiteral("Total Pago: ") + total + kTab + QStringLiteral("Troco: ") + troco;
    }
    out << QString();
    out << QStringLiteral("Aut: ") + QStringLiteral("%1").arg(item.autenticacao, 3, 10, QLatin1Char('0')) + kTab
               + QStringLiteral("Tipo: ") + item.tipo + kTab + QStringLiteral("Valor: ") + item.valor;
    if (!item.vencimento.isEmpty()) {
        const QString &v = item.vencimento;
        out << QStringLiteral("Venc: ") + v.right(2) + QLatin1Char('/') + v.mid(4, 2) + QLatin1Char('/') + v.left(4)
                   + kTab + QStringLiteral("Parc: ") + item.parcela
            << QStringLiteral("Obs: ") + item.obs;
    } else {
        out << QStringLiteral("COD.: ") + item.codBarra;
    }
    return out;
}

QStringList resumo(Currency arrecadado, Currency entradas, Currency retiradas, Currency totalGeral)
{
    return {
        iguais(),
        QStringLiteral("VALOR ARRECADADO: ") + arrecadado.format(),
        QStringLiteral("VALOR ENTRADAS: ") + entradas.format(),
        QStringLiteral("VALOR RETIRADAS: ") + retiradas.format(),
        QString(50, QLatin1Char('-')),
        QStringLiteral("TOTAL GERAL: ") + totalGeral.format(),
    };
}

bool acrescenta(const QString &arquivo, const QStringList &linhas, QString *erro)
{
    return TextFile::appendLines(arquivo, linhas, erro);
}

} // namespace ArquivoRecebimentos
