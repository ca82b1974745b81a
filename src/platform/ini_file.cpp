#include "ini_file.h"
#include "text_file.h"

#include <QFile>
#include <QStringList>

namespace IniFile {
namespace {

struct Lines {
    QStringList lines;
    QString eol = QStringLiteral("\r\n");
    bool endsWithEol = true;
};

Lines load(const QString &file)
{
    Lines out;
    bool ok = false;
    QString text = TextFile::readAll(file, &ok);
    if (!ok || text.isEmpty())
        return out;
    if (!text.contains(QStringLiteral("\r\n")) && text.contains(QLatin1Char('\n')))
        out.eol = QStringLiteral("\n");
    out.endsWithEol = text.endsWith(QLatin1Char('\n'));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.lines = text.split(QLatin1Char('\n'));
    if (out.endsWithEol)
        out.lines.removeLast();
    return out;
}

// The section name of a "[name]" line, or a null string for any other line.
QString sectionOf(const QString &line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return {};
    return t.mid(1, close - 1).trimmed();
}

bool keyOf(const QString &line, QString *key, QString *value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *key = t.left(eq).trimmed();
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return true;
}

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquote(const QString &v)
{
    if (v.size() >= 2 && ((v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
                          || (v.startsWith(QLatin1Char('\'')) && v.endsWith(QLatin1Char('\'')))))
        return v.mid(1, v.size() - 2);
    return v;
}

} // namespace

QString read(const QString &file, const QString &section, const QString &key)
{
    const Lines f = load(file);
    bool inSection = false;
    for (const QString &line : f.lines) {
        const QString sec = sectionOf(line);
        if (!sec.isNull()) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = same(sec, section);
            continue;
        }
        if (!inSection)
            continue;
        QString k, v;
        if (keyOf(line, &k, &v) && same(k, key))
            return unquote(v).left(MaxValueLength);
    }
    return QString(QLatin1String(""));
}

bool write(const QString &file, const QString &section, const QString &key,
           const QString &value, QString *error)
{
    Lines f = load(file);
    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionLine = -1;
    qsizetype lastInSection = -1;
    bool inSection = false;
    bool done = false;
    for (qsizetype i = 0; i < f.lines.size() && !done; ++i) {
        const QString sec = sectionOf(f.lines.at(i));
        if (!sec.isNull()) {
            if (inSection)
                break; // end of the first matching section
            inSection = same(sec, section);
            if (inSection) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        QString k;
        if (keyOf(f.lines.at(i), &k, nullptr)) {
            lastInSection = i;
            if (same(k, key)) {
                f.lines[i] = k + QLatin1Char('=') + value; // the key keeps its spelling
                done = true;
            }
        } else if (!f.lines.at(i).trimmed().isEmpty()) {
            lastInSection = i;
        }
    }
    if (!done) {
        if (sectionLine >= 0) {
            f.lines.insert(lastInSection + 1, entry);
        } else {
            f.lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        }
    }
    QString text = f.lines.join(f.eol);
    // A file that ended without a line end keeps ending so, unless we appended.
    if (f.endsWithEol || sectionLine < 0 || !done)
        text += f.eol;
    return TextFile::writeAll(file, TextFile::encode(text), error);
}

} // namespace IniFile
