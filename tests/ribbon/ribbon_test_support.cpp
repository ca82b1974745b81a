#include "ribbon_test_support.h"

#include <QFile>
#include <QPainter>
#include <QStringList>

QSizeF FixedTextMeasurer::textSize(const QString &text, const QFont &font) const
{
    const bool small = font.pointSizeF() < 8;
    const QStringList lines = ribbonCaptionLines(text);
    qsizetype widest = 0;
    for (const QString &line : lines)
        widest = qMax(widest, line.size());
    return QSizeF(double(widest) * (small ? 60 : 90), double(lines.size()) * (small ? 180 : 240));
}

QImage sampleIcon(int number, int side)
{
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor::fromHsv((number * 67) % 360, 160, 200));
    p.setPen(QColor(40, 40, 40));
    p.drawRoundedRect(QRectF(2.5, 2.5, side - 5, side - 5), 5, 5);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(side / 3.0, side / 3.0, side / 3.0, side / 3.0));
    return icon;
}

SampleHost::SampleHost(int theme, bool fixedText)
    : ribbon(std::make_unique<VexRibbon>())
{
    for (int n = 1; n <= 5; ++n)
        images.add(sampleIcon(n));
    VexRibbon &r = *ribbon;
    if (fixedText)
        r.setTextMeasurer(std::make_unique<FixedTextMeasurer>());
    r.setImageList(&images);
    r.setTheme(theme);
    r.AddTab("inicio", "Início");
    r.AddTab("caixa", "Movimento\r\nde Caixa");
    r.AddTab("relat", "Relatórios");
    r.AddCat("arq", "inicio", "Arquivo", 0);
    r.AddCat("receb", "inicio", "Recebimento", -1);
    r.AddCat("cfg", "inicio", "Opções", 1);
    r.AddCat("mov", "caixa", "Movimento", -1);
    r.AddCat("fech", "caixa", "Fechamento", 0);
    r.AddCat("vazio", "relat", "Sem botões", -1);
    r.AddCat("orfa", "nenhuma", "Órfã", 0);
    r.AddButton("abrir", "arq", "Abrir", 1, 0, "");
    r.AddButton("sair", "arq", "Sair", 2, 0, "Fechar o programa");
    r.AddButton("ler", "receb", "Ler código\r\nde barras", 3, 0, "");
    r.AddButton("autent", "receb", "Autenticar", 4, -1, "");
    r.AddButton("impr", "cfg", "Impressora", 5, 1, "");
    r.AddButton("entrada", "mov", "Entrada", 1, 0, "");
    r.AddButton("sangria", "mov", "Sangria", 2, -1, "");
    r.AddButton("contagem", "fech", "Contagem\r\nde caixa", 3, 0, "");
    r.resize(900, r.height());
    r.Refresh();
}

QString dumpElements(const VexRibbon &ribbon)
{
    QString out;
    for (const ElementFamily *family : ribbon.elements().all()) {
        for (const auto &[index, e] : family->items()) {
            out += QStringLiteral("%1(%2) %3 %4 %5 %6 %7")
                       .arg(QString::fromLatin1(family->name()))
                       .arg(index)
                       .arg(e.left)
                       .arg(e.top)
                       .arg(e.width)
                       .arg(e.height)
                       .arg(e.visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
            if (!e.tag.isEmpty())
                out += QStringLiteral(" tag=") + e.tag;
            if (!e.caption.isEmpty())
                out += QStringLiteral(" caption=\"%1\"").arg(QString(e.caption).replace("\r\n", "|"));
            if (e.kind == RibbonElement::Kind::Label && !e.caption.isEmpty())
                out += QStringLiteral(" colour=%1").arg(e.foreColor, 6, 16, QLatin1Char('0'));
            if (!e.toolTipText.isEmpty())
                out += QStringLiteral(" tip=\"%1\"").arg(e.toolTipText);
            out += QLatin1Char('\n');
        }
    }
    return out;
}

QPoint centreOf(const ElementFamily &family, int index)
{
    const RibbonElement &e = family[index];
    return QPoint(int((e.left + e.width / 2) / 15), int((e.top + e.height / 2) / 15));
}

bool matchesGolden(const QString &text, const QString &name, QString *difference)
{
    QFile file(QStringLiteral(CAIXA_SOURCE_DIR "/tests/ribbon/golden/") + name);
    if (qEnvironmentVariableIsSet("CAIXA_UPDATE_GOLDEN")) {
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(text.toUtf8());
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *difference = QStringLiteral("missing golden file ") + name;
        return false;
    }
    const QStringList want = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QStringList got = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < qMax(want.size(), got.size()); ++i) {
        const QString w = want.value(i), g = got.value(i);
        if (w != g) {
            *difference = QStringLiteral("line %1:\n want %2\n got  %3").arg(i + 1).arg(w, g);
            return false;
        }
    }
    return true;
}
