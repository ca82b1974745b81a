#include "text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace TextFile {

QByteArray encode(const QString &text)
{
    QByteArray out;
    appendEncoded(out, text);
    return out;
}

qsizetype appendEncoded(QByteArray &out, QStringView text)
{
    const qsizetype inicio = out.size();
    const char16_t *c = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    // ASCII, the usual text, is copied as it is.
    out.resize(inicio + n);
    char *d = out.data() + inicio;
    while (i < n && c[i] < 0x80) {
        d[i] = char(c[i]);
        ++i;
    }
    if (i == n)
        return n;
    out.truncate(inicio + i);
    // Anything else goes through the codec one code point at a time so that
    // an unmappable one turns into '?'. The converter is only made for a
    // text that needs it.
    std::optional<QStringEncoder> conversor;
    for (; i < n; ++i) {
        if (c[i] < 0x80) {
            out.append(char(c[i]));
            continue;
        }
        const QChar q(c[i]);
        qsizetype len = 1;
        if (q.isHighSurrogate() && i + 1 < n && QChar(c[i + 1]).isLowSurrogate())
            len = 2;
        const QStringView piece = text.mid(i, len);
        i += len - 1;
        if (!conversor)
            conversor.emplace("windows-1252");
        QStringEncoder &enc = *conversor;
        QByteArray b = enc.encode(piece);
        if (enc.hasError() || b.size() != 1 || uchar(b.at(0)) == 0x1A || b.at(0) == '?') {
            enc.resetState();
            out.append('?');
        } else {
            out.append(b);
        }
    }
    return out.size() - inicio;
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder dec("windows-1252");
    return dec.decode(bytes);
}

QByteArray linesToBytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines) {
        out += encode(l);
        out += "\r\n";
    }
    return out;
}

static void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

bool writeAll(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        setError(error, f.errorString());
        return false;
    }
    // Bytes that fit in the buffer only reach the file at the flush, and a
    // failed flush inside commit() would still rename a cut file into place.
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        setError(error, f.errorString());
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        setError(error, f.errorString());
        return false;
    }
    return true;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeAll(path, linesToBytes(lines), error);
}

bool append(const QString &path, const QByteArray &bytes, QString *error)
{
    // In place, so an append costs the block whatever the file's size. Read
    // access too: the last byte tells whether a line was left cut.
    QFile f(path);
    const bool existia = f.exists();
    if (!f.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        setError(error, f.errorString());
        return false;
    }
    const qint64 before = f.size();
    QByteArray out;
    if (before > 0) {
        char last = 0;
        if (!f.seek(before - 1) || !f.getChar(&last)) {
            setError(error, f.errorString());
            return false;
        }
        // A line cut by a crash or by hand stays as it is; the block starts
        // on a line of its own.
        if (last != '\n')
            out = "\r\n";
    }
    out += bytes;
    // One write at the end (the file is in append mode, whatever the position).
    if (f.write(out) != out.size()) {
        setError(error, f.errorString());
        // Take back a torn tail so a failed append leaves the file as it was;
        // a file it created goes, since callers start a missing file with a banner.
        if (existia)
            f.resize(before);
        else
            f.remove();
        return false;
    }
    return true;
}

bool appendLines(const QString &path, const QStringList &lines, QString *error)
{
    return append(path, linesToBytes(lines), error);
}

QString readAll(const QString &path, bool *ok)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        return {};
    }
    if (ok)
        *ok = true;
    return decode(f.readAll());
}

QStringList readLines(const QString &path, bool *ok)
{
    QString text = readAll(path, ok);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace TextFile
