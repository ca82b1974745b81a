#include "ribbon_test_support.h"

#include <QDir>
#include <QSet>
#include <QtTest>

// Renders the sample ribbon in each theme with real fonts; the pictures are
// left beside the test executable for a look.
class TestRibbonScreenshot : public QObject
{
    Q_OBJECT

private slots:
    void eachThemeRendersTheWholeBar();
};

namespace {

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

QImage shoot(int theme, const QString &name)
{
    SampleHost host(theme, false);
    VexRibbon &r = *host.ribbon;
    r.show();
    if (!QTest::qWaitForWindowExposed(&r))
        return QImage();
    // Hover a button so the lit looks are drawn as well.
    QTest::mouseMove(&r, QPoint(880, 100));
    QTest::mouseMove(&r, centreOf(r.elements().ButMouse, 4));
    if (!r.elements().Button_center[4].visible)
        return QImage();
    const QImage image = r.grab().toImage();
    image.save(QDir::current().filePath(name));
    return image;
}

} // namespace

void TestRibbonScreenshot::eachThemeRendersTheWholeBar()
{
    const QStringList names{"ribbon_black.png", "ribbon_blue.png", "ribbon_silver.png"};
    QList<QImage> shots;
    for (int theme = 0; theme < 3; ++theme) {
        const QImage image = shoot(theme, names.at(theme));
        QCOMPARE(image.size(), QSize(900, 116));
        QVERIFY2(distinctColours(image) > 40, qPrintable(names.at(theme)));
        // The bar's band covers the far right where nothing is laid out.
        QCOMPARE(image.pixelColor(890, 60).alpha(), 255);
        shots << image;
    }
    QVERIFY(shots.at(0) != shots.at(1));
    QVERIFY(shots.at(1) != shots.at(2));
}

QTEST_MAIN(TestRibbonScreenshot)
#include "tst_ribbon_screenshot.moc"
