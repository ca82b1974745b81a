#include "error_report.h"
#include "clock.h"

#include "msg_box.h"
#include "program_folder.h"
#include "text_file.h"

#include <QDateTime>
#include <QStringList>

CaixaError::CaixaError(int n, QString d, QString s)
    : number(n), description(std::move(d)), source(std::move(s)), m_what(description.toUtf8())
{
}

const char *CaixaError::what() const noexcept
{
    return m_what.constData();
}

CaixaError CaixaError::withOperation(const QString &operation) const
{
    return CaixaError(number, description, source + QStringLiteral("\r\n") + operation);
}

void ErrObject::Clear()
{
    Number = 0;
    Description.clear();
    Source.clear();
}

void ErrObject::set(const CaixaError &e)
{
    set(e.number, e.description, e.source);
}

void ErrObject::set(int number, const QString &description, const QString &source)
{
    Number = number;
    Description = description;
    Source = source;
}

namespace Aplicativos {

ErrObject &Err()
{
    static ErrObject err;
    return err;
}

QString textoCaixaErro(int number, const QString &description, const QString &source, const QString &place)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Houve um erro interno:") + crlf + crlf
           + QStringLiteral("Número do erro:") + QString::number(number) + crlf
           + QStringLiteral("Descrição :") + description + crlf
           + QStringLiteral("Origem :") + source + QStringLiteral(" / ") + place;
}

QStringList linhasLogErro(int number, const QString &description, const QString &source,
                          const QString &place, const QDateTime &when)
{
    return {
        QStringLiteral("Erro interno n°: ") + QString::number(number) + QLatin1Char('\t')
            + QStringLiteral("Data/Hora: ") + when.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
        QStringLiteral("Descrição: ") + description,
        QStringLiteral("Origem: ") + source,
        QStringLiteral("Local: ") + place,
        QString(100, QLatin1Char('=')),
    };
}

bool Registra_erro(int number, const QString &description, const QString &source, const QString &place,
                   QString *motivo)
{
    return TextFile::appendLines(Platform::programFile(QStringLiteral("Log.ini")),
                                 linhasLogErro(number, description, source, place, Relogio::agora()), motivo);
}

void Trata_erro(const QString &place)
{
    ErrObject &e = Err();
    const int number = e.Number;
    const QString description = e.Description;
    const QString source = e.Source;
    // The report is the last step of many traps: a log that cannot be written
    // must not raise again, but the box says the entry is missing.
    QString motivo;
    QString texto = textoCaixaErro(number, description, source, place);
    if (!Registra_erro(number, description, source, place, &motivo))
        texto += QStringLiteral("\r\n\r\nO erro não pôde ser registrado em Log.ini: ") + motivo;
    MsgBox(texto, Vb::vbExclamation);
    e.Clear();
}

void Trata_erro(const CaixaError &error, const QString &place)
{
    Err().set(error);
    Trata_erro(place);
}

} // namespace Aplicativos
