#include "registro_estornos.h"

#include "frente_publica.h"
#include "globals.h"
#include "text_file.h"

#include <QFileInfo>

namespace RegistroEstornos {

namespace {

const QChar kTab = QLatin1Char('\t');

QString fileira()
{
    return QString(100, QLatin1Char('='));
}

QString primeiraLinha(const Origem &o)
{
    return QStringLiteral("Movimento: ") + QString::number(o.numMovimento) + kTab + QStringLiteral("Data: ")
           + o.dia.toString(QStringLiteral("dd/MM/yyyy")) + kTab + QStringLiteral("User: ") + o.usuario;
}

QString linhaItem(const QString &aut, const QString &tipo, Currency valor)
{
    return QStringLiteral("Item: ") + aut + kTab + QStringLiteral("Tipo: ") + tipo + kTab + QStringLiteral("Valor: ")
           + valor.format();
}

// The reason exactly as typed, spaces and all; one typed over several lines
// keeps them, each ended like the others.
QStringList comMotivo(const QString &rotulo, const QString &motivo)
{
    QString texto = motivo;
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList linhas = texto.split(QLatin1Char('\n'));
    linhas.first().prepend(rotulo);
    return linhas;
}

} // namespace

QString nome(const QString &pasta, const QString &guiche, const QDate &dia)
{
    return pasta + QStringLiteral("Estorno_") + guiche + QLatin1Char('_') + dia.toString(QStringLiteral("yyyy"))
           + QStringLiteral(".txt");
}

QString arquivoDoDia()
{
    const QDate dia = AbreBD::gFrente ? AbreBD::gFrente->dtpData() : AbreBD::gDataCaixa;
    return nome(AbreBD::gCaminhoEstorno, AbreBD::gGuiche, dia);
}

QStringList cabecalho(const QString &pref, const QString &guiche)
{
    return {fileira(), QStringLiteral("CONTROLE DE RECEBIMENTO DIÁRIO - ") + pref, QStringLiteral("CAIXA: ") + guiche,
            fileira()};
}

QStringList entradaEstorno(const Origem &origem, const QString &aut, const QString &tipo, Currency valor,
                           const QString &motivo)
{
    return QStringList{primeiraLinha(origem), linhaItem(aut, tipo, valor)}
           + comMotivo(QStringLiteral("Motivo do estorno: "), motivo) + QStringList{fileira()};
}

QStringList entradaAlteracao(const Origem &origem, const QString &aut, const QString &tipoNovo, Currency valorNovo,
                             const std::optional<QString> &tipoAnterior,
                             const std::optional<Currency> &valorAnterior, const QString &motivo)
{
    QStringList linhas{primeiraLinha(origem), linhaItem(aut, tipoNovo, valorNovo)};
    if (tipoAnterior)
        linhas << QStringLiteral("Tipo anterior: ") + *tipoAnterior;
    if (valorAnterior)
        linhas << QStringLiteral("Valor anterior: ") + valorAnterior->format();
    return linhas + comMotivo(QStringLiteral("Motivo da Alteração: "), motivo) + QStringList{fileira()};
}

bool acrescenta(const QString &arquivo, const QStringList &entrada, QString *erro)
{
    // Banner and entry go in one append: a new file never holds half of them.
    QStringList linhas;
    if (!QFileInfo::exists(arquivo))
        linhas = cabecalho(AbreBD::gPref, AbreBD::gGuiche);
    return TextFile::appendLines(arquivo, linhas + entrada, erro);
}

} // namespace RegistroEstornos
