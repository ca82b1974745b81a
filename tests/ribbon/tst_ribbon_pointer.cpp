#include "ribbon_test_support.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QtTest>

class TestRibbonPointer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tabsLightUnlessSelected();
    void buttonKeepsItsCategoryLitAndBarClearsAll();
    void pressShowsPressedFrameAndClickRaisesButtonClick();
    void dialogLauncherRaisesCatClick();
    void tabClickSelectsLaysOutAndRaisesTabClick();
    void refreshKeepsTheClickedTabSelected();
    void buttonShowsItsTip();

private:
    void moveTo(const ElementFamily &family, int index)
    {
        QTest::mouseMove(ribbon(), centreOf(family, index));
    }
    VexRibbon *ribbon() { return m_host->ribbon.get(); }
    const RibbonElements &el() { return ribbon()->elements(); }

    std::unique_ptr<SampleHost> m_host;
};

void TestRibbonPointer::init()
{
    m_host = std::make_unique<SampleHost>();
    ribbon()->show();
    QVERIFY(QTest::qWaitForWindowExposed(ribbon()));
}

void TestRibbonPointer::cleanup()
{
    m_host.reset();
}

void TestRibbonPointer::tabsLightUnlessSelected()
{
    moveTo(el().TabMouse, 0);
    QVERIFY(!el().Tab_center_over[0].visible);
    moveTo(el().TabMouse, 2);
    QVERIFY(el().Tab_left_over[2].visible && el().Tab_center_over[2].visible
            && el().Tab_right_over[2].visible);
    moveTo(el().TabMouse, 1);
    QVERIFY(!el().Tab_center_over[2].visible);
    QVERIFY(el().Tab_center_over[1].visible);
}

void TestRibbonPointer::buttonKeepsItsCategoryLitAndBarClearsAll()
{
    moveTo(el().TabMouse, 1);
    moveTo(el().ButMouse, 4);
    QVERIFY(!el().Tab_center_over[1].visible);
    QVERIFY(el().Button_left[4].visible && el().Button_center[4].visible);
    QVERIFY(el().Glip_on[4].visible);
    QVERIFY(el().Cat_Center_on[1].visible && el().Cat_Left_on[1].visible);
    QVERIFY(el().Cat_Dlg_on[1].visible);
    moveTo(el().ButMouse, 1);
    QVERIFY(!el().Button_center[4].visible && !el().Glip_on[4].visible);
    QVERIFY(!el().Cat_Center_on[1].visible && !el().Cat_Dlg_on[1].visible);
    QVERIFY(el().Cat_Center_on[0].visible && el().Button_center[1].visible);
    QTest::mouseMove(ribbon(), QPoint(800, 100)); // bar background
    for (const ElementFamily *family : {&el().Button_center, &el().Cat_Center_on,
                                        &el().Tab_center_over, &el().Glip_on})
        for (const auto &item : family->items())
            QVERIFY(!item.second.visible);
    // Leaving the control clears a highlight as well.
    moveTo(el().ButMouse, 2);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(ribbon(), &leave);
    QVERIFY(!el().Button_center[2].visible && !el().Cat_Center_on[0].visible);
}

void TestRibbonPointer::pressShowsPressedFrameAndClickRaisesButtonClick()
{
    QSignalSpy clicks(ribbon(), &VexRibbon::ButtonClick);
    const QPoint button = centreOf(el().ButMouse, 3);
    moveTo(el().ButMouse, 3);
    QTest::mousePress(ribbon(), Qt::LeftButton, {}, button);
    QVERIFY(el().Button_center_over[3].visible && el().Button_left_over[3].visible);
    QCOMPARE(clicks.count(), 0);
    QTest::mouseRelease(ribbon(), Qt::LeftButton, {}, button);
    QVERIFY(!el().Button_center_over[3].visible);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toString(), QString("ler"));
    QCOMPARE(clicks.at(0).at(1).toString(), QString("Ler código\r\nde barras"));
    // Pressed on one button, released on another: no click.
    QTest::mousePress(ribbon(), Qt::LeftButton, {}, button);
    QTest::mouseRelease(ribbon(), Qt::LeftButton, {}, centreOf(el().ButMouse, 4));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!el().Button_center_over[3].visible);
}

void TestRibbonPointer::dialogLauncherRaisesCatClick()
{
    QSignalSpy clicks(ribbon(), &VexRibbon::CatClick);
    // Without a glyph the category only lights its frame.
    moveTo(el().CatMouse, 0);
    QVERIFY(el().Cat_Center_on[0].visible && !el().Cat_Dlg_on[0].visible);
    QTest::mouseClick(ribbon(), Qt::LeftButton, {}, centreOf(el().CatMouse, 0));
    QCOMPARE(clicks.count(), 0);

    moveTo(el().CatMouse, 1);
    QVERIFY(el().Cat_Dlg_on[1].visible && !el().Cat_Dlg_over[1].visible);
    moveTo(el().Cat_Dlg, 1);
    QVERIFY(el().Cat_Dlg_over[1].visible);
    QTest::mouseClick(ribbon(), Qt::LeftButton, {}, centreOf(el().Cat_Dlg, 1));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toString(), QString("receb"));
    QCOMPARE(clicks.at(0).at(1).toString(), QString("Recebimento"));
    moveTo(el().CatMouse, 1);
    QVERIFY(!el().Cat_Dlg_over[1].visible);
}

void TestRibbonPointer::tabClickSelectsLaysOutAndRaisesTabClick()
{
    QStringList seen;
    connect(ribbon(), &VexRibbon::TabClick, this, [&](const QString &key, const QString &caption) {
        // The new categories are in place when the host hears of the click.
        seen << key << caption << el().Cat_Caption[0].tag;
    });
    moveTo(el().TabMouse, 1);
    QTest::mouseClick(ribbon(), Qt::LeftButton, {}, centreOf(el().TabMouse, 1));
    QCOMPARE(seen, QStringList({"caixa", "Movimento de Caixa", "mov"}));
    QCOMPARE(ribbon()->CurrentTab(), QString("caixa"));
    QVERIFY(el().Tab_center[1].visible && !el().Tab_center[0].visible);
    QVERIFY(!el().Tab_center_over[1].visible);
    QCOMPARE(el().Tab_caption[1].foreColor, ribbon()->TabCaptionColorSelected());
    // The selected tab again: laid out and raised again.
    QTest::mouseClick(ribbon(), Qt::LeftButton, {}, centreOf(el().TabMouse, 1));
    QCOMPARE(seen.size(), 6);
}

void TestRibbonPointer::refreshKeepsTheClickedTabSelected()
{
    QTest::mouseClick(ribbon(), Qt::LeftButton, {}, centreOf(el().TabMouse, 2));
    ribbon()->Refresh();
    QVERIFY(el().Tab_center[2].visible);
    QVERIFY(!el().Tab_center[0].visible);
    QCOMPARE(el().Cat_Caption[0].tag, QString("vazio"));
}

void TestRibbonPointer::buttonShowsItsTip()
{
    const QPoint at = centreOf(el().ButMouse, 2);
    QHelpEvent help(QEvent::ToolTip, at, ribbon()->mapToGlobal(at));
    QApplication::sendEvent(ribbon(), &help);
    QCOMPARE(QToolTip::text(), QString("Fechar o programa"));
}

QTEST_MAIN(TestRibbonPointer)
#include "tst_ribbon_pointer.moc"
