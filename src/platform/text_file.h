#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files as the desk's other systems expect them: Windows-1252 bytes and
// CR LF line ends. Whole files are replaced through a temporary file and a
// rename; logs are appended in place. Both report failure instead of hiding it.
namespace TextFile {

// Windows-1252 bytes of the text; a character with no Windows-1252 form becomes '?'.
QByteArray encode(const QString &text);
// The same bytes added at the end of out; answers how many were added.
qsizetype appendEncoded(QByteArray &out, QStringView text);
QString decode(const QByteArray &bytes);

// Joins the lines with CR LF, each line ended by CR LF.
QByteArray linesToBytes(const QStringList &lines);

// Replaces the whole file (temporary name, then rename). False on any failure,
// in which case the previous file is left as it was.
bool writeAll(const QString &path, const QByteArray &bytes, QString *error = nullptr);
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// Appends the bytes at the end of the file, creating it when missing. A file
// whose last line is cut gets CR LF first; nothing already there is changed.
// False on any failure, in which case the previous file is left as it was.
bool append(const QString &path, const QByteArray &bytes, QString *error = nullptr);
bool appendLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// Reads the file as Windows-1252 text. ok is false when it could not be read.
QString readAll(const QString &path, bool *ok = nullptr);
// The file's lines without their CR LF / LF ends.
QStringList readLines(const QString &path, bool *ok = nullptr);

} // namespace TextFile
