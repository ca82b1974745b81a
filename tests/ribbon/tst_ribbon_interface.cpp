#include "ribbon_error.h"
#include "ribbon_pictures.h"
#include "ribbon_test_support.h"

#include <QtTest>

#include <functional>

namespace {

int errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const RibbonError &error) {
        return error.number();
    }
    return 0;
}

bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 0)
                return true;
    return false;
}

} // namespace

class TestRibbonInterface : public QObject
{
    Q_OBJECT

private slots:
    void addingKeepsKeysCaptionsAndCurrentTab();
    void fullTablesRefuseWithoutStoring();
    void buttonWithoutIconSourceIsRefusedWhole();
    void themeValuesAndColours_data();
    void themeValuesAndColours();
    void themePicturesHaveTheirSizes();
    void themeSwitchRepaintsWhatIsLaidOut();
    void propertiesPersist();
    void skinsAndBackground();
};

void TestRibbonInterface::addingKeepsKeysCaptionsAndCurrentTab()
{
    VexImageList images;
    images.add(sampleIcon(1));
    VexRibbon r;
    r.setImageList(&images);
    QCOMPARE(r.CurrentTab(), QString());
    QCOMPARE(r.AddTab("a", "Linha 1\r\nLinha 2"), 0);
    QCOMPARE(r.CurrentTab(), QString("a"));
    r.AddTab("b", "B");
    QCOMPARE(r.CurrentTab(), QString("a"));
    QCOMPARE(r.tab(0).Caption, QString("Linha 1 Linha 2"));
    QCOMPARE(r.AddCat("c", "a", "Dois\r\nnomes", 1), 0);
    QCOMPARE(r.cat(0).Caption, QString("Dois nomes"));
    QCOMPARE(r.cat(0).Dlg, 1);
    QCOMPARE(r.AddButton("k", "c", "Ler\r\ncódigo", 1, 1, ""), 0);
    r.AddButton("m", "c", "M", 1, -1, "Dica\r\nlonga");
    QCOMPARE(r.button(0).Caption, QString("Ler\r\ncódigo"));
    QCOMPARE(r.button(0).Tip, QString("Ler código"));
    QCOMPARE(r.button(1).Tip, QString("Dica longa"));
    QCOMPARE(r.button(0).Icon.size(), QSize(32, 32));
    QCOMPARE(r.ButtonCount(), 2);
}

void TestRibbonInterface::fullTablesRefuseWithoutStoring()
{
    VexImageList images;
    images.add(sampleIcon(1));
    VexRibbon r;
    r.setTextMeasurer(std::make_unique<FixedTextMeasurer>());
    r.setImageList(&images);
    for (int i = 0; i < VexRibbon::kMaxTabs; ++i)
        r.AddTab(QString::number(i), "T");
    for (int i = 0; i < VexRibbon::kMaxCats; ++i)
        r.AddCat(QString::number(i), "0", "C", 0);
    for (int i = 0; i < VexRibbon::kMaxButtons; ++i)
        r.AddButton(QString::number(i), "0", "B", 1, 0, "");
    for (int attempt = 0; attempt < 2; ++attempt) {
        QCOMPARE(errorOf([&] { r.AddTab("x", "X"); }), 9);
        QCOMPARE(errorOf([&] { r.AddCat("x", "0", "X", 0); }), 9);
        QCOMPARE(errorOf([&] { r.AddButton("x", "0", "X", 1, 0, ""); }), 9);
    }
    QCOMPARE(r.TabCount(), 31);
    QCOMPARE(r.CatCount(), 31);
    QCOMPARE(r.ButtonCount(), 91);
    QCOMPARE(r.tab(30).Key, QString("30"));
    r.Refresh();
    QCOMPARE(r.elements().TabMouse.highest(), 30);
    QCOMPARE(r.elements().ButMouse.highest(), 91);
}

void TestRibbonInterface::buttonWithoutIconSourceIsRefusedWhole()
{
    VexRibbon r;
    QCOMPARE(errorOf([&] { r.AddButton("k", "c", "K", 1, 0, ""); }), 91);
    VexImageList images;
    images.add(sampleIcon(1));
    r.setImageList(&images);
    QCOMPARE(errorOf([&] { r.AddButton("k", "c", "K", 2, 0, ""); }), 35600);
    QCOMPARE(errorOf([&] { r.AddButton("k", "c", "K", 0, 0, ""); }), 35600);
    QCOMPARE(r.ButtonCount(), 0);
    QCOMPARE(r.button(0).Key, QString());
}

void TestRibbonInterface::themeValuesAndColours_data()
{
    QTest::addColumn<int>("assigned");
    QTest::addColumn<int>("stored");
    QTest::addColumn<quint32>("tab");
    QTest::addColumn<quint32>("tabSelected");
    QTest::addColumn<quint32>("cat");
    QTest::addColumn<quint32>("button");
    QTest::addColumn<quint32>("back");
    QTest::addColumn<quint32>("fore");
    QTest::newRow("black") << 0 << 0 << 0xFFFFFFu << 0x0u << 0xFFFFFFu << 0x80000008u
                           << 0x464646u << 0xFFFFFFu;
    QTest::newRow("blue") << 1 << 1 << 0x8B4215u << 0x8B4215u << 0xB86A3Eu << 0x8B4215u
                          << 0xDAB08Eu << 0x8B4215u;
    QTest::newRow("silver") << 2 << 2 << 0x6A625Cu << 0x6A625Cu << 0x6A625Cu << 0x6A625Cu
                            << 0xDDD4D0u << 0x6A625Cu;
    QTest::newRow("above") << 5 << 0 << 0xFFFFFFu << 0x0u << 0xFFFFFFu << 0x80000008u
                           << 0x464646u << 0xFFFFFFu;
    QTest::newRow("below") << -1 << 0 << 0xFFFFFFu << 0x0u << 0xFFFFFFu << 0x80000008u
                           << 0x464646u << 0xFFFFFFu;
}

void TestRibbonInterface::themeValuesAndColours()
{
    QFETCH(int, assigned);
    VexRibbon r;
    r.setTheme(assigned == 0 ? 1 : 2); // start from another theme
    QSignalSpy changed(&r, &VexRibbon::propertyChanged);
    r.setTheme(assigned);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QString("Theme"));
    QTEST(r.Theme(), "stored");
    QTEST(r.TabCaptionColor(), "tab");
    QTEST(r.TabCaptionColorSelected(), "tabSelected");
    QTEST(r.elements().Cat_Caption[0].foreColor, "cat");
    QTEST(r.elements().Button_Caption[0].foreColor, "button");
    QTEST(r.BackColor(), "back");
    QTEST(r.ForeColor(), "fore");
}

void TestRibbonInterface::themePicturesHaveTheirSizes()
{
    const QMap<int, QSize> sizes{
        {101, {11, 142}}, {102, {7, 142}},  {103, {7, 142}},  {118, {15, 14}}, {119, {15, 14}},
        {120, {15, 14}},  {121, {4, 89}},   {122, {5, 89}},   {123, {5, 89}},  {124, {4, 89}},
        {125, {4, 89}},   {126, {5, 89}},   {127, {10, 24}},  {128, {18, 24}}, {129, {10, 24}},
        {130, {10, 24}},  {131, {37, 24}},  {132, {10, 24}},  {133, {5, 4}},   {134, {5, 4}},
        {135, {3, 66}},   {136, {49, 66}},  {137, {3, 66}},   {138, {3, 66}},  {139, {49, 66}},
        {140, {3, 66}}};
    for (int theme = 0; theme < 3; ++theme) {
        for (auto it = sizes.cbegin(); it != sizes.cend(); ++it) {
            const QImage image = RibbonPictures::picture(theme, it.key());
            QVERIFY2(image.size() == it.value(), qPrintable(QString::number(it.key())));
            QVERIFY(hasInk(image));
        }
        const QSize background = theme == 2 ? QSize(1, 1) : QSize(499, 157);
        QCOMPARE(RibbonPictures::picture(theme, 141).size(), background);
    }
    QVERIFY(RibbonPictures::picture(0, 101) != RibbonPictures::picture(1, 101));
    QVERIFY(RibbonPictures::picture(3, 101).isNull());
}

void TestRibbonInterface::themeSwitchRepaintsWhatIsLaidOut()
{
    SampleHost host(1);
    VexRibbon &r = *host.ribbon;
    const RibbonElements &e = r.elements();
    const QImage blueFrame = e.Cat_Left_off[2].picture;
    r.setTheme(0);
    QVERIFY(e.Cat_Left_off[2].picture != blueFrame);
    QCOMPARE(e.Cat_Left_off[2].picture, RibbonPictures::picture(0, 121));
    QCOMPARE(e.Button_Caption[4].foreColor, 0x80000008u);
    QCOMPARE(e.Tab_caption[0].foreColor, 0x0u);
    QCOMPARE(e.Tab_caption[1].foreColor, 0xFFFFFFu);
    QCOMPARE(e.Cat_Left_off[2].left, 2970.0);
}

void TestRibbonInterface::propertiesPersist()
{
    VexRibbon saved;
    saved.setTheme(2);
    saved.setButtonCenter(true);
    QVariantMap bag;
    saved.WriteProperties(bag);
    QCOMPARE(bag.value("Theme").toInt(), 2);
    QCOMPARE(bag.value("ButtonCenter").toBool(), true);
    QCOMPARE(bag.value("BackColor").toUInt(), 0xDDD4D0u);
    QCOMPARE(bag.value("ForeColor").toUInt(), 0x6A625Cu);

    VexRibbon restored;
    restored.ReadProperties(bag);
    QCOMPARE(restored.Theme(), 2);
    QVERIFY(restored.ButtonCenter());
    // Only assigning a theme loads its pictures.
    QVERIFY(restored.elements().Barra2[0].picture.isNull());

    restored.ReadProperties({});
    QCOMPARE(restored.Theme(), 0);
    QVERIFY(!restored.ButtonCenter());
}

void TestRibbonInterface::skinsAndBackground()
{
    VexRibbon r;
    r.setTheme(1);
    QCOMPARE(r.LoadSkin().name, QString("Skin2"));
    QCOMPARE(r.LoadBackground().size(), QSize(499, 157));
    r.setTheme(2);
    QCOMPARE(r.LoadBackground().size(), QSize(1, 1));
    r.ReadProperties({{"Theme", 7}});
    QCOMPARE(r.Theme(), 7);
    QCOMPARE(r.LoadSkin().name, QString("Skin1"));
    try {
        r.LoadBackground();
        QFAIL("a background without a theme");
    } catch (const RibbonError &error) {
        QVERIFY(error.source().endsWith(".cLoadResPicture"));
    }
}

QTEST_MAIN(TestRibbonInterface)
#include "tst_ribbon_interface.moc"
