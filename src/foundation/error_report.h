#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <exception>

// An error raised to a caller: number, description and source, the way the
// record classes and windows hand failures on.
class CaixaError : public std::exception {
public:
    CaixaError(int number, QString description, QString source);
    int number;
    QString description;
    QString source;
    const char *what() const noexcept override;
    // The same error with "\r\n" + operation appended to its source.
    CaixaError withOperation(const QString &operation) const;

private:
    QByteArray m_what;
};

// The pending error that an error trap reports.
struct ErrObject {
    int Number = 0;
    QString Description;
    QString Source;
    void Clear();
    void set(const CaixaError &e);
    void set(int number, const QString &description, const QString &source);
};

namespace Aplicativos {

ErrObject &Err();

// Shows the pending error in a warning box, appends its entry to "Log.ini" in
// the program's folder and clears it. Never throws: a log that cannot be
// written is left alone, the box has been shown all the same.
void Trata_erro(const QString &place);
// Same, for an error caught as an exception.
void Trata_erro(const CaixaError &error, const QString &place);

// The log half of Trata_erro alone: appends the report's entry to "Log.ini"
// and shows nothing. False, with the reason in `motivo`, when the entry
// could not be written.
bool Registra_erro(int number, const QString &description, const QString &source, const QString &place,
                   QString *motivo = nullptr);

// The box text and the five log lines of one report (without line ends).
QString textoCaixaErro(int number, const QString &description, const QString &source, const QString &place);
QStringList linhasLogErro(int number, const QString &description, const QString &source,
                          const QString &place, const QDateTime &when);

} // namespace Aplicativos
