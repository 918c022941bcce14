// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/programstore.h"
#include "prefs/ruleroptions.h"
#include "testsupport.h"

#include <QFile>
#include <QMetaEnum>
#include <QTest>

Q_DECLARE_METATYPE(RulerOption)

namespace {

using Storage = RulerOptionTable::Storage;

// The rows name the options; the enum has no meta-object, so the test keeps the names.
const char *nameOf(RulerOption option)
{
    static const char *const names[] = {"ShowRotationCentre",
                                        "ZeroAtLeft",
                                        "ZeroAtBottom",
                                        "ShowCentralPoint",
                                        "ShowBorder",
                                        "ShowFigure",
                                        "ShowReadings",
                                        "HoverGuides",
                                        "StayOnTop",
                                        "ReverseAlt",
                                        "Megapixels",
                                        "SnapToScreen",
                                        "LockToScreen",
                                        "AntiAliasing",
                                        "ShowLeftTicker",
                                        "ShowRightTicker",
                                        "ShowTopTicker",
                                        "ShowBottomTicker",
                                        "StartFromPixelOne",
                                        "StretchPicture",
                                        "ProportionalPicture",
                                        "TransparentPicture",
                                        "BoldControlPoints",
                                        "HideControlPoints",
                                        "ShowBottomRightLabels",
                                        "ShowWidthNumber",
                                        "ShowHeightNumber",
                                        "MinimalReadings",
                                        "ShowFigureReadings",
                                        "ShowGuides"};
    static_assert(std::size(names) == RulerOptionTable::kCount);
    return names[int(option)];
}

} // namespace

// The option table: the keys and defaults of the files users have, reading, writing and their order.
class TestRulerOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { TestSupport::clearStore(); }

    void keysAndDefaults_data();
    void keysAndDefaults();
    void everyStoredOptionRoundTrips_data();
    void everyStoredOptionRoundTrips();
    void readingSkipsWhatItDoesNotOwn();
    void garbageFollowsTheToolkitRules_data();
    void garbageFollowsTheToolkitRules();
    void toggleAndSet();
    void keyOrderOfTheFile();
    void registeredOrderLeadsTheFile();
};

void TestRulerOptions::keysAndDefaults_data()
{
    QTest::addColumn<RulerOption>("option");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("byDefault");
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<Storage>("storage");
    using O = RulerOption;
    const Storage rw = Storage::ReadWrite;
    const Storage picture = Storage::Picture;
    const std::tuple<O, const char *, bool, const char *, Storage> rows[] = {
        {O::ShowRotationCenter, "showMasterPointLines", false, "Show Figure Rotation Center", rw},
        {O::ZeroAtLeft, "zeroAtLeft", true, "", rw},
        {O::ZeroAtBottom, "zeroAtBottom", false, "", rw},
        {O::ShowCentralPoint, "crossHairVisible", false, "Show Central Point", rw},
        {O::ShowBorder, "borderVisible", true, "Show Border", rw},
        {O::ShowFigure, "flyingFigureVisible", true, "Show Flying Figure", rw},
        {O::ShowReadings, "showRulerReadings", true, "Show Readings", rw},
        {O::HoverGuides, "hoverGuides", false, "Guides Hover Width / Height", rw},
        {O::StayOnTop, "stayOnTop", false, "Stay On Top", rw},
        {O::ReverseAlt, "selectInvertedAlt", false, "Reverse Alt Key Behavior", rw},
        {O::Megapixels, "selectMPix", true, "Megapixel instead of px", rw},
        {O::SnapToScreen, "snapToScreen", false, "Snap to Screen Edges", rw},
        {O::LockToScreen, "lockToScreen", false, "Lock to Screen", rw},
        {O::AntiAliasing, "antiAliasing", false, "Anti-aliasing", rw},
        {O::ShowLeftTicker, "leftTickerVisible", true, "Left Ticker", rw},
        {O::ShowRightTicker, "rightTickerVisible", true, "Right Ticker", rw},
        {O::ShowTopTicker, "topTickerVisible", true, "Top Ticker", rw},
        {O::ShowBottomTicker, "bottomTickerVisible", true, "Bottom Ticker", rw},
        {O::StartFromPixelOne, "rulerStartsFrom1", false, "", rw},
        {O::StretchPicture, "stretchImage", false, "", picture},
        {O::ProportionalPicture, "proportionalImage", true, "Proportional", picture},
        {O::TransparentPicture, "transparentImage", false, "Transparent Image", picture},
        {O::BoldControlPoints, "boldControlPoints", true, "Bold Control Points", rw},
        {O::HideControlPoints, "noControlPoints", false, "Show Control Points", rw},
        {O::ShowBottomRightLabels, "bottmRightLabel", false, "Show Bottom-Right Labels", rw},
        {O::ShowWidthNumber, "R_M_Width", false, "", rw},
        {O::ShowHeightNumber, "R_M_Height", false, "", rw},
        {O::MinimalReadings, "R_M_MinimalReadings", false, "Minimal Readings", rw},
        {O::ShowFigureReadings, "showOnFigureReadings", true, "Show Figure Readings", Storage::ReadOnly},
        {O::ShowGuides, "", true, "Show Guides", Storage::None}};
    QCOMPARE(int(std::size(rows)), RulerOptionTable::kCount);
    for (const auto &[option, key, byDefault, text, storage] : rows)
        QTest::newRow(nameOf(option)) << option << QString(key) << byDefault << QString(text) << storage;
}

void TestRulerOptions::keysAndDefaults()
{
    QFETCH(RulerOption, option);
    QFETCH(QString, key);
    QFETCH(bool, byDefault);
    QFETCH(QString, menuText);
    QFETCH(Storage, storage);
    const RulerOptionTable::Entry &row = RulerOptionTable::entry(option);
    QCOMPARE(row.option, option);
    QCOMPARE(QString::fromLatin1(row.key ? row.key : ""), key);
    QCOMPARE(row.byDefault, byDefault);
    QCOMPARE(QString::fromLatin1(row.menuText ? row.menuText : ""), menuText);
    QCOMPARE(row.storage, storage);
    QCOMPARE(RulerOptions().value(option), byDefault);
}

void TestRulerOptions::everyStoredOptionRoundTrips_data()
{
    QTest::addColumn<RulerOption>("option");
    for (RulerOption option : RulerOptionTable::all()) {
        const Storage storage = RulerOptionTable::entry(option).storage;
        if (storage == Storage::ReadWrite || storage == Storage::Picture)
            QTest::newRow(nameOf(option)) << option;
    }
}

// Each option at the opposite of its default: written under its key, read back by a fresh set.
void TestRulerOptions::everyStoredOptionRoundTrips()
{
    QFETCH(RulerOption, option);
    const RulerOptionTable::Entry &row = RulerOptionTable::entry(option);
    RulerOptions written;
    written.toggle(option);
    {
        QSettings store;
        written.write(store);
    }
    QSettings store;
    QCOMPARE(store.value(QLatin1StringView(row.key)).toBool(), !row.byDefault);
    RulerOptions read;
    if (row.storage == Storage::Picture) {
        read.read(store);
        QCOMPARE(read.value(option), row.byDefault);
        read.readPictureOptions(store);
    } else {
        read.readPictureOptions(store);
        QCOMPARE(read.value(option), row.byDefault);
        read.read(store);
    }
    QCOMPARE(read, written);
}

void TestRulerOptions::readingSkipsWhatItDoesNotOwn()
{
    RulerOptions options;
    options.set(RulerOption::ShowGuides, false);
    options.set(RulerOption::ShowFigureReadings, false);
    QSettings store;
    options.write(store);
    QVERIFY(!store.contains(QStringLiteral("showOnFigureReadings")));
    store.setValue(QStringLiteral("showOnFigureReadings"), false);
    RulerOptions read;
    read.read(store);
    // Read, though never written; the guides' visibility is never stored.
    QVERIFY(!read.value(RulerOption::ShowFigureReadings));
    QVERIFY(read.value(RulerOption::ShowGuides));
    // An empty store gives the defaults.
    store.clear();
    options.read(store);
    options.readPictureOptions(store);
    options.set(RulerOption::ShowGuides, true);
    QCOMPARE(options, RulerOptions());
}

void TestRulerOptions::garbageFollowsTheToolkitRules_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("expected");
    QTest::newRow("text counts as true") << QVariant("garbage") << true;
    QTest::newRow("zero text is false") << QVariant("0") << false;
    QTest::newRow("false text is false") << QVariant("false") << false;
    QTest::newRow("number 2 is true") << QVariant(2) << true;
    QTest::newRow("empty text is false") << QVariant("") << false;
}

void TestRulerOptions::garbageFollowsTheToolkitRules()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, expected);
    QSettings store;
    store.setValue(QStringLiteral("borderVisible"), stored);
    RulerOptions options;
    options.read(store);
    QCOMPARE(options.value(RulerOption::ShowBorder), expected);
}

void TestRulerOptions::toggleAndSet()
{
    RulerOptions options;
    QVERIFY(!options.toggle(RulerOption::ShowBorder));
    QVERIFY(!options.value(RulerOption::ShowBorder));
    QVERIFY(options != RulerOptions());
    QVERIFY(options.toggle(RulerOption::ShowBorder));
    options.set(RulerOption::ShowWidthNumber, true);
    QVERIFY(options.value(RulerOption::ShowWidthNumber));
    // Options are independent of each other.
    QVERIFY(!options.value(RulerOption::ShowHeightNumber));
}

// The ruler's part of the settings file, byte for byte, against a file the program wrote: users'
// files rely on the keys, the form of their values and their order.
void TestRulerOptions::keyOrderOfTheFile()
{
    RulerOptionTable::registerKeyOrder();
    {
        QSettings store;
        // The values first, so that the order shows as the file's, not as the writing's.
        for (int value = int(RulerValue::FigureRatio); value >= 0; --value)
            store.setValue(RulerOptionTable::key(RulerValue(value)), value);
        RulerOptions options;
        for (const RulerOption option : RulerOptionTable::all())
            options.toggle(option);
        options.write(store);
    }
    QFile file(QSettings().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    // Where the file is to be written anew (after a deliberate change of the file's form).
    const QString recordIn = qEnvironmentVariable("GRADORA_RECORD_SETTINGS_FILES");
    if (!recordIn.isEmpty()) {
        QFile record(recordIn + QStringLiteral("/ruleroptions.ini"));
        QVERIFY(record.open(QIODevice::WriteOnly | QIODevice::Truncate));
        record.write(written);
    }
    QFile expected(QStringLiteral(GRADORA_SOURCE_DIR "/tests/ruler/settingsfiles/ruleroptions.ini"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(written, expected.readAll());
}

// Written in any order, the file lists the ruler's keys first, in the table's order.
void TestRulerOptions::registeredOrderLeadsTheFile()
{
    RulerOptionTable::registerKeyOrder();
    {
        QSettings store;
        store.setValue(QStringLiteral("zoom"), 4);
        store.setValue(QLatin1StringView("guidesColor"), QColor(Qt::red));
        RulerOptions().write(store);
        store.setValue(QLatin1StringView("imageFile"), QString());
    }
    QFile file(QSettings().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList keys;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            keys << QString::fromLatin1(line.left(equals));
    }
    QStringList expected = RulerOptionTable::storedKeyOrder();
    for (const char *absent : {"geometry", "background", "rulerColor", "figureKind", "figurePoints",
                               "figureOrigin", "figureAngle", "figureRatio"})
        expected.removeOne(QLatin1String(absent));
    expected << QStringLiteral("zoom");
    QCOMPARE(keys, expected);
}

GRADORA_TEST_MAIN(TestRulerOptions)
#include "tst_ruleroptions.moc"
