#include "ribbon_test_support.h"

#include <QtTest>

class TestRibbonLayout : public QObject
{
    Q_OBJECT

private slots:
    void goldenGeometryOfEachTab_data();
    void goldenGeometryOfEachTab();
    void groupsAndButtonsFollowTheirWidths();
    void emptyRibbonShowsNothing();
    void wideIconAndCentredButtons();
    void relayoutLeavesNoStaleElements();
};

void TestRibbonLayout::goldenGeometryOfEachTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("golden");
    QTest::newRow("inicio") << 0 << "layout_inicio.txt";
    QTest::newRow("caixa") << 1 << "layout_caixa.txt";
    QTest::newRow("relat") << 2 << "layout_relat.txt";
}

void TestRibbonLayout::goldenGeometryOfEachTab()
{
    QFETCH(int, tab);
    QFETCH(QString, golden);
    SampleHost host;
    VexRibbon &r = *host.ribbon;
    QTest::mouseClick(&r, Qt::LeftButton, {}, centreOf(r.elements().TabMouse, tab));
    QString difference;
    QVERIFY2(matchesGolden(dumpElements(r), golden, &difference), qPrintable(difference));
}

// The rules behind the golden files, checked by hand on the first tab.
void TestRibbonLayout::groupsAndButtonsFollowTheirWidths()
{
    SampleHost host;
    const RibbonElements &e = host.ribbon->elements();
    // Tabs: edge 150 + caption (90 a character) + edge 150, side by side from 90.
    QCOMPARE(e.Tab_left[1].left, 90.0 + 150 + 6 * 90 + 150);
    // "Arquivo" (630) under two 570-twip buttons: middle piece 1170, caption centred.
    QCOMPARE(e.ButMouse[2].left, 180.0 + 570 + 30);
    QCOMPARE(e.Cat_Caption[0].left, 180.0 + (1170 - 630) / 2);
    QCOMPARE(e.Cat_Left_off[1].left, 120.0 + 60 + 1170 + 75);
    // Flag 1 and Dlg 1 count as unset; only -1 gives the glyphs.
    QVERIFY(e.Glip_off[4].visible && !e.Glip_off[5].visible);
    QVERIFY(e.Cat_Dlg[1].visible && !e.Cat_Dlg[2].visible);
    // Launcher: right edge 15 inside the right piece, foot 60 above the frame's.
    QCOMPARE(e.Cat_Dlg[1].left + 225, e.Cat_Right_off[1].left + 15);
    QCOMPARE(e.Cat_Dlg[1].top + 210, 360.0 + 1335 - 60);
}

void TestRibbonLayout::emptyRibbonShowsNothing()
{
    VexRibbon r;
    r.setTextMeasurer(std::make_unique<FixedTextMeasurer>());
    r.AddCat("c", "", "Sem aba", -1);
    r.Refresh();
    for (const ElementFamily *family : r.elements().all()) {
        QCOMPARE(family->highest(), 0);
        const bool bar = QByteArray(family->name()).startsWith("Barra");
        QCOMPARE((*family)[0].visible, bar);
    }
    QCOMPARE(r.height(), 116);
}

void TestRibbonLayout::wideIconAndCentredButtons()
{
    VexImageList images;
    images.add(sampleIcon(1, 74));
    const int tall = images.add(sampleIcon(2, 33));
    VexRibbon r;
    r.setTextMeasurer(std::make_unique<FixedTextMeasurer>());
    r.setImageList(&images);
    r.setTheme(0);
    r.AddTab("t", "T");
    r.AddCat("c", "t", "C", 0);
    r.AddButton("wide", "c", "Abc", 1, 0, "");
    r.AddButton("plain", "c", "x", tall, 0, "");
    r.AddButton("drop", "c", "x", tall, -1, "");
    r.setButtonCenter(true);
    r.Refresh();
    const RibbonElements &e = r.elements();
    // 74-pixel icon: 45 + 1110 + 45 from X = 180, next button 30 further.
    QCOMPARE(e.ButMouse[1].width, 1200.0);
    QCOMPARE(e.ButMouse[2].left, 180.0 + 1200 + 30);
    QCOMPARE(e.Button_Icon[1].left, 225.0);
    QCOMPARE(e.Button_Caption[1].left, 225.0 + (1110 - 180) / 2);
    // Frame 990, icon 495, caption 180: gap 315.
    QCOMPARE(e.Button_Icon[2].top, 420 + 157.5);
    QCOMPARE(e.Button_Icon[3].top, 420 + 112.5);
    QCOMPARE(e.Glip_off[3].top, 420 + 112.5 + 495 + 180 + (180 - 60) / 2);
}

// Switching to a tab with fewer groups and buttons destroys the rest.
void TestRibbonLayout::relayoutLeavesNoStaleElements()
{
    SampleHost host;
    VexRibbon &r = *host.ribbon;
    const RibbonElements &e = r.elements();
    QCOMPARE(e.CatMouse.highest(), 2);
    QCOMPARE(e.ButMouse.highest(), 5);
    QTest::mouseClick(&r, Qt::LeftButton, {}, centreOf(e.TabMouse, 2));
    QCOMPARE(e.CatMouse.highest(), 0);
    QCOMPARE(e.ButMouse.highest(), 0);
    QCOMPARE(e.Cat_Center_off[0].width, 10 * 90 + 225.0);
    for (const ElementFamily *family : e.all())
        if (QByteArray(family->name()).startsWith("Button") || family == &e.ButMouse)
            QVERIFY(!(*family)[0].visible);
    // Tabs added after a refresh are all rebuilt in the next one.
    r.AddTab("novo", "Novo");
    r.Refresh();
    QCOMPARE(e.TabMouse.highest(), 3);
    QVERIFY(e.Tab_center[2].visible);
    QVERIFY(!e.Tab_center[0].visible);
}

QTEST_MAIN(TestRibbonLayout)
#include "tst_ribbon_layout.moc"
