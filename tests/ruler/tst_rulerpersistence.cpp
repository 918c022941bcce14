// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/mnemonics.h"
#include "ruler/commands/rulermenu.h"
#include "prefs/ruleroptions.h"
#include "rulerfixture.h"
#include "settingsfilekeys.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <memory>

using C = RulerCommand;
using O = RulerOption;

// A ruler's settings: what it reads at construction, what the first ruler restores, what it saves.
class TestRulerPersistence : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void firstStartWithEmptyStore();
    void booleanKeysRoundTrip_data();
    void booleanKeysRoundTrip();
    void garbageValues_data();
    void garbageValues();
    void colorsAndGeometryRoundTrip();
    void paletteRotation();
    void hiddenFigureStartsWithoutFigureReadings();
    void boldControlPointsFollowTheStore_data();
    void boldControlPointsFollowTheStore();
    void panelSideEntryFollowsTheStore_data();
    void panelSideEntryFollowsTheStore();
    void startPointCheckMark_data();
    void startPointCheckMark();
    void savingInFullScreenStoresNormalGeometry();
    void geometryOffEveryScreenIsBroughtBack();
    void missingPictureIsDropped();
    void savedKeysInTableOrder();

private:
    RulerWindow *makeRuler() { return m_fixture.attached(); }
    RulerFixture m_fixture;
};

void TestRulerPersistence::init()
{
    m_fixture.setUp();
}

void TestRulerPersistence::cleanup()
{
    m_fixture.tearDown();
}

void TestRulerPersistence::firstStartWithEmptyStore()
{
    RulerWindow *ruler = makeRuler();
    ruler->restoreStored(QString());
    QCOMPARE(ruler->geometry(), QRect(0, 0, 640, 480));
    QCOMPARE(ruler->state().color(ColorTarget::Background), QColor(255, 255, 255, 128));
    QCOMPARE(ruler->state().color(ColorTarget::Ruler), QColor(111, 33, 55, 255));
    QCOMPARE(ruler->state().color(ColorTarget::Guides), QColor(Qt::red));
    // Every option at its default, every check mark showing it.
    QCOMPARE(ruler->state().options(), RulerOptions());
    const RulerMenu *menu = ruler->menu();
    QVERIFY(menu->action(C::StartTopLeft)->isChecked());
    QVERIFY(menu->action(C::StartFromPixelZero)->isChecked());
    QVERIFY(menu->action(C::Megapixels)->isChecked());
    QVERIFY(!menu->action(C::ReverseAlt)->isChecked());
    QVERIFY(ruler->isVisible());
    QVERIFY(ruler->state().pictureFile().isEmpty());
    QVERIFY(!menu->action(C::ClearPicture)->isEnabled());
}

// Each boolean key set to the opposite of its default: the new ruler's field and check mark follow,
// and a save writes the same value back.
void TestRulerPersistence::booleanKeysRoundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("stored");

    const std::pair<const char *, bool> keys[] = {
        {"showMasterPointLines", true}, {"zeroAtLeft", false},        {"zeroAtBottom", true},
        {"crossHairVisible", true},     {"borderVisible", false},     {"flyingFigureVisible", false},
        {"showRulerReadings", false},   {"hoverGuides", true},        {"stayOnTop", true},
        {"selectInvertedAlt", true},    {"selectMPix", false},        {"snapToScreen", true},
        {"lockToScreen", true},         {"antiAliasing", true},       {"leftTickerVisible", false},
        {"rightTickerVisible", false},  {"topTickerVisible", false},  {"bottomTickerVisible", false},
        {"rulerStartsFrom1", true},     {"stretchImage", true},       {"proportionalImage", false},
        {"transparentImage", true},     {"boldControlPoints", false}, {"noControlPoints", true},
        {"bottmRightLabel", true},      {"R_M_Width", true},          {"R_M_Height", true},
        {"R_M_MinimalReadings", true}};
    for (const auto &[key, value] : keys)
        QTest::newRow(key) << QString::fromLatin1(key) << value;
}

// The option stored under a key, as the ruler holds it.
static bool fieldOf(const RulerWindow &r, const QString &key)
{
    for (RulerOption option : RulerOptionTable::all()) {
        const char *stored = RulerOptionTable::entry(option).key;
        if (stored && key == QLatin1String(stored))
            return r.state().options().value(option);
    }
    qFatal("no option is stored under %s", qPrintable(key));
}

void TestRulerPersistence::booleanKeysRoundTrip()
{
    QFETCH(QString, key);
    QFETCH(bool, stored);
    QSettings().setValue(key, stored);

    RulerWindow *ruler = makeRuler();
    ruler->restoreStored(QString());
    QCOMPARE(fieldOf(*ruler, key), stored);

    TestSupport::clearStore();
    ruler->saveSettings();
    QSettings store;
    QVERIFY(store.contains(key));
    QCOMPARE(store.value(key).toBool(), stored);
}

// Values that are not booleans follow the toolkit's conversion; wrong-typed colours are no colours.
void TestRulerPersistence::garbageValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("expected");
    QTest::newRow("text counts as true") << "borderVisible" << QVariant("garbage") << true;
    QTest::newRow("zero text is false") << "borderVisible" << QVariant("0") << false;
    QTest::newRow("number 2 is true") << "crossHairVisible" << QVariant(2) << true;
    QTest::newRow("empty text is false") << "leftTickerVisible" << QVariant("") << false;
}

void TestRulerPersistence::garbageValues()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(bool, expected);
    QSettings().setValue(key, stored);
    RulerWindow *ruler = makeRuler();
    QCOMPARE(fieldOf(*ruler, key), expected);
}

void TestRulerPersistence::colorsAndGeometryRoundTrip()
{
    {
        QSettings store;
        store.setValue("background", QColor(1, 2, 3, 40));
        store.setValue("rulerColor", QColor(10, 20, 30));
        store.setValue("guidesColor", "not a colour");
        store.setValue("geometry", QRect(100, 120, 333, 222));
    }
    RulerWindow *ruler = makeRuler();
    ruler->restoreStored(QString());
    QCOMPARE(ruler->state().color(ColorTarget::Background), QColor(1, 2, 3, 40));
    QCOMPARE(ruler->state().color(ColorTarget::Ruler), QColor(10, 20, 30));
    // A stored value that is not a colour reads as the default, and is written back as one.
    QCOMPARE(ruler->state().color(ColorTarget::Guides), QColor(Qt::red));
    QCOMPARE(ruler->geometry(), QRect(100, 120, 333, 222));

    ruler->setColor(ColorTarget::Guides, Qt::blue);
    ruler->saveSettings();
    const QSettings store;
    QCOMPARE(store.value("background").value<QColor>(), QColor(1, 2, 3, 40));
    QCOMPARE(store.value("guidesColor").value<QColor>(), QColor(Qt::blue));
    QCOMPARE(store.value("geometry").toRect(), QRect(100, 120, 333, 222));
}

void TestRulerPersistence::paletteRotation()
{
    const QList<QColor> palette = RulerWindow::backgroundPalette();
    QCOMPARE(palette.size(), 7);
    for (int i = 0; i < 8; ++i)
        makeRuler();
    QCOMPARE(m_fixture.rulers.at(2)->state().color(ColorTarget::Background), palette.at(2));
    QCOMPARE(m_fixture.rulers.at(6)->state().color(ColorTarget::Background), palette.at(6));
    QCOMPARE(m_fixture.rulers.at(7)->state().color(ColorTarget::Background), palette.at(0));
}

void TestRulerPersistence::hiddenFigureStartsWithoutFigureReadings()
{
    QSettings().setValue("flyingFigureVisible", false);
    RulerWindow *ruler = makeRuler();
    const RulerMenu *menu = ruler->menu();
    QVERIFY(!ruler->state().options().value(O::ShowFigure));
    QVERIFY(!ruler->state().options().value(O::ShowFigureReadings));
    QVERIFY(!menu->action(C::ShowFigureReadings)->isChecked());
    QVERIFY(!menu->action(C::ShowFigureReadings)->isEnabled());
    QVERIFY(!menu->action(C::FlyingRuler)->isEnabled());
    QVERIFY(!menu->action(C::SendFigureToCenter)->isEnabled());

    // The option cannot change while the figure is hidden.
    menu->action(C::ShowFigureReadings)->trigger();
    QVERIFY(!ruler->state().options().value(O::ShowFigureReadings));
    ruler->execute(C::ShowFigure);
    QVERIFY(ruler->state().options().value(O::ShowFigure));
    QVERIFY(menu->action(C::ShowFigureReadings)->isEnabled());
}

void TestRulerPersistence::boldControlPointsFollowTheStore_data()
{
    QTest::addColumn<QVariant>("bold");
    QTest::addColumn<QVariant>("hidden");
    QTest::addColumn<bool>("expectBold");
    QTest::addColumn<bool>("expectBoldEnabled");
    QTest::newRow("absent") << QVariant() << QVariant() << true << true;
    QTest::newRow("bold off") << QVariant(false) << QVariant() << false << true;
    QTest::newRow("bold on, points hidden") << QVariant(true) << QVariant(true) << true << false;
    QTest::newRow("bold off, points hidden") << QVariant(false) << QVariant(true) << false << false;
}

void TestRulerPersistence::boldControlPointsFollowTheStore()
{
    QFETCH(QVariant, bold);
    QFETCH(QVariant, hidden);
    QFETCH(bool, expectBold);
    QFETCH(bool, expectBoldEnabled);
    {
        QSettings store;
        if (bold.isValid())
            store.setValue("boldControlPoints", bold);
        if (hidden.isValid())
            store.setValue("noControlPoints", hidden);
    }
    RulerWindow *ruler = makeRuler();
    const RulerMenu *menu = ruler->menu();
    QCOMPARE(ruler->state().options().value(O::BoldControlPoints), expectBold);
    QCOMPARE(menu->action(C::BoldControlPoints)->isChecked(), expectBold);
    QCOMPARE(menu->action(C::BoldControlPoints)->isEnabled(), expectBoldEnabled);
    QCOMPARE(menu->action(C::ShowControlPoints)->isChecked(), !hidden.toBool());

    // With control points hidden, the bold option keeps its state.
    if (!expectBoldEnabled) {
        ruler->execute(C::BoldControlPoints);
        QCOMPARE(ruler->state().options().value(O::BoldControlPoints), expectBold);
    }
}

void TestRulerPersistence::panelSideEntryFollowsTheStore_data()
{
    QTest::addColumn<bool>("canShow");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("text");
    QTest::newRow("right") << true << 2 << true << "Send Panel to Left";
    QTest::newRow("left") << true << 1 << true << "Send Panel to Right";
    QTest::newRow("panel off") << false << 2 << false << "Send Panel to Left";
}

void TestRulerPersistence::panelSideEntryFollowsTheStore()
{
    QFETCH(bool, canShow);
    QFETCH(int, side);
    QFETCH(bool, enabled);
    QFETCH(QString, text);
    {
        QSettings store;
        store.setValue("canShowToolbox", canShow);
        store.setValue("toolboxPosition", side);
    }
    auto *ruler = new RulerWindow(nullptr);
    m_fixture.adopt(ruler);
    QCOMPARE(ruler->menu()->action(C::PanelSide)->isEnabled(), enabled);
    QCOMPARE(Mnemonics::strip(ruler->menu()->action(C::PanelSide)->text()), text);
}

void TestRulerPersistence::startPointCheckMark_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("bottom");
    QTest::addColumn<QString>("entry");
    QTest::newRow("top-left") << true << false << "Top-Left";
    QTest::newRow("top-right") << false << false << "Top-Right";
    QTest::newRow("bottom-left") << true << true << "Bottom-Left";
    QTest::newRow("bottom-right") << false << true << "Bottom-Right";
}

void TestRulerPersistence::startPointCheckMark()
{
    QFETCH(bool, left);
    QFETCH(bool, bottom);
    QFETCH(QString, entry);
    {
        QSettings store;
        store.setValue("zeroAtLeft", left);
        store.setValue("zeroAtBottom", bottom);
    }
    RulerWindow *ruler = makeRuler();
    const RulerCommand checked = ruler->menu()->checkedIn(RulerCommands::Group::StartCorner);
    QCOMPARE(Mnemonics::strip(ruler->menu()->action(checked)->text()), entry);
    // Choosing another corner, then the entry again, gives the same pair.
    ruler->execute(checked == C::StartTopLeft ? C::StartBottomRight : C::StartTopLeft);
    ruler->menu()->action(checked)->trigger();
    QCOMPARE(ruler->state().options().value(O::ZeroAtLeft), left);
    QCOMPARE(ruler->state().options().value(O::ZeroAtBottom), bottom);
    QCOMPARE(ruler->menu()->checkedIn(RulerCommands::Group::StartCorner), checked);
}

void TestRulerPersistence::savingInFullScreenStoresNormalGeometry()
{
    QSettings().setValue("geometry", QRect(40, 50, 300, 200));
    RulerWindow *ruler = makeRuler();
    ruler->restoreStored(QString());
    ruler->execute(C::FullScreen);
    QVERIFY(ruler->state().fullScreen());
    ruler->saveSettings();
    QCOMPARE(QSettings().value("geometry").toRect(), QRect(40, 50, 300, 200));
}

void TestRulerPersistence::geometryOffEveryScreenIsBroughtBack()
{
    const QRect primary = QGuiApplication::primaryScreen()->geometry();
    QSettings().setValue("geometry", QRect(primary.right() + 500, 100, 320, 210));
    RulerWindow *ruler = makeRuler();
    ruler->restoreStored(QString());
    // The shortest way back to where a piece of it can be grabbed, its size kept.
    QCOMPARE(ruler->geometry(), QRect(primary.right() + 1 - 40, 100, 320, 210));
}

void TestRulerPersistence::missingPictureIsDropped()
{
    QSettings().setValue("imageFile", "/nonexistent/picture.png");
    RulerWindow *ruler = makeRuler();
    ruler->restoreStored(QString());
    QVERIFY(ruler->state().picture().isNull());
    QVERIFY(ruler->state().pictureFile().isEmpty());
    QVERIFY(!ruler->menu()->action(C::StretchPicture)->isEnabled());
    ruler->saveSettings();
    QCOMPARE(QSettings().value("imageFile").toString(), QString());
}

void TestRulerPersistence::savedKeysInTableOrder()
{
    RulerWindow *ruler = makeRuler();
    ruler->saveSettings();
    QFile file(QSettings().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString fault = SettingsFileKeys::faultOf(file.readAll());
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

GRADORA_TEST_MAIN(TestRulerPersistence)
#include "tst_rulerpersistence.moc"
