#include "print.h"

#include "globals.h"
#include "printers.h"

namespace Print {
namespace {

PrinterSystem &sistema()
{
    return Platform::printers().system();
}

} // namespace

void Separa_porta(const QString &texto, QString &driver, QString &porta)
{
    driver.clear();
    porta.clear();
    const qsizetype p1 = texto.indexOf(QLatin1Char(','));
    if (p1 < 0)
        return;
    driver = texto.left(p1);
    const qsizetype p2 = texto.indexOf(QLatin1Char(','), p1 + 1);
    if (p2 < 0)
        return;
    porta = texto.mid(p1 + 1, p2 - p1 - 1);
}

bool Define_impressora_padrao(const QString &nome, const QString &driver, const QString &porta)
{
    return sistema().setDefaultPrinter(nome, driver, porta);
}

void Ajusta_printer(const QString &nome)
{
    const QStringList instaladas = sistema().installedPrinters();
    if (instaladas.contains(nome))
        sistema().setCurrentPrinter(nome);
}

bool Seleciona_impressora(const QString &nome)
{
    if (nome.isEmpty())
        return false;
    if (nome == sistema().currentPrinter())
        return true;
    QString driver, porta;
    Separa_porta(sistema().printerEntry(nome), driver, porta);
    if (driver.isEmpty() || porta.isEmpty())
        return false;
    Define_impressora_padrao(nome, driver, porta);
    if (sistema().currentPrinter() != nome)
        Ajusta_printer(nome);
    return sistema().currentPrinter() == nome;
}

ImpressoraAutenticadoraAtiva::ImpressoraAutenticadoraAtiva(const QString &autenticadora, const QString &padrao)
    : m_padrao(padrao), m_anterior(sistema().defaultPrinter())
{
    Seleciona_impressora(autenticadora);
}

ImpressoraAutenticadoraAtiva::ImpressoraAutenticadoraAtiva()
    : ImpressoraAutenticadoraAtiva(AbreBD::gImpressoraAutenticadora, AbreBD::gImpressoraPadrao)
{
}

ImpressoraAutenticadoraAtiva::~ImpressoraAutenticadoraAtiva()
{
    if (Seleciona_impressora(m_padrao) && sistema().defaultPrinter() == m_padrao)
        return;
    if (!m_anterior.isEmpty() && sistema().defaultPrinter() != m_anterior)
        Seleciona_impressora(m_anterior);
}

} // namespace Print
