#include "ini_file.h"
#include "text_file.h"

#include <QFile>
#include <QStringList>
#include <QStringView>
#include <optional>

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

// Lines are looked at through views: a value of many megabytes is not copied
// for every key read.

// The section name of a "[name]" line; nothing for any other line.
std::optional<QStringView> sectionOf(QStringView line)
{
    const QStringView t = line.trimmed();
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool keyOf(QStringView line, QStringView *key, QStringView *value)
{
    const QStringView t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'['))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq < 0)
        return false;
    *key = t.left(eq).trimmed();
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return true;
}

bool same(QStringView a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringView unquote(QStringView v)
{
    if (v.size() >= 2 && ((v.startsWith(u'"') && v.endsWith(u'"')) || (v.startsWith(u'\'') && v.endsWith(u'\''))))
        return v.mid(1, v.size() - 2);
    return v;
}

} // namespace

QString read(const QString &file, const QString &section, const QString &key)
{
    // Line by line, decoding only what is compared and the value found: a
    // file of huge values reads as fast as a small one.
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString(QLatin1String(""));
    const auto texto = [](QByteArrayView b) { return TextFile::decode(b.toByteArray()); };
    bool inSection = false;
    while (!f.atEnd()) {
        const QByteArray raw = f.readLine();
        const QByteArrayView t = QByteArrayView(raw).trimmed();
        if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            if (close >= 0) {
                if (inSection)
                    break; // only the first section of that name counts
                inSection = same(texto(t.sliced(1, close - 1)).trimmed(), section);
            }
            continue;
        }
        if (!inSection || t.isEmpty() || t.startsWith(';'))
            continue;
        const qsizetype eq = t.indexOf('=');
        if (eq < 0 || !same(texto(t.first(eq)).trimmed(), key))
            continue;
        const QByteArrayView v = t.sliced(eq + 1);
        if (v.size() <= 4 * MaxValueLength)
            return unquote(QStringView(texto(v)).trimmed()).left(MaxValueLength).toString();
        QByteArrayView longo = v.trimmed();
        if ((longo.startsWith('"') && longo.endsWith('"')) || (longo.startsWith('\'') && longo.endsWith('\'')))
            longo = longo.sliced(1, longo.size() - 2);
        return texto(longo.first(qMin<qsizetype>(longo.size(), MaxValueLength)));
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
        if (const auto sec = sectionOf(f.lines.at(i))) {
            if (inSection)
                break; // end of the first matching section
            inSection = same(*sec, section);
            if (inSection) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        QStringView k;
        if (keyOf(f.lines.at(i), &k, nullptr)) {
            lastInSection = i;
            if (same(k, key)) {
                QString linha = k.toString() + QLatin1Char('=') + value; // the key keeps its spelling
                f.lines[i] = std::move(linha);
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
