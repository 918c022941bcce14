// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/unittablerules.h"
#include "ruler/window/rulerstate.h"
#include "ruler/window/rulerstore.h"
#include "testsupport.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(UnitChoice)
Q_DECLARE_METATYPE(ColorTarget)

namespace {

using Table = UnitChoice::Table;

// The preferences' unit tables as a new user has them (the factory and sample rows), and two displays
// of different calibrations.
struct Tables
{
    TextGrid units;
    TextGrid pixelUnits;
    TextGrid displays;

    Tables()
    {
        fill(units, UnitTableRules::defaultUnits());
        fill(pixelUnits, UnitTableRules::sampleUnits());
        displays[0][1] = displays[0][2] = QStringLiteral("96");
        displays[1][1] = QStringLiteral("144");
        displays[1][2] = QStringLiteral("120");
    }
    static void fill(TextGrid &grid, const QList<UnitTableRules::FactoryRow> &rows)
    {
        for (int row = 0; row < int(rows.size()); ++row) {
            for (int cell = 0; cell < int(rows.at(row).size()); ++cell)
                grid[row][cell] = rows.at(row).at(cell);
        }
    }
    TextGrid &of(Table table) { return table == Table::PixelBased ? pixelUnits : units; }
    RulerState::UnitTables tables() const { return {units, pixelUnits, displays}; }
};

// A cell of a unit table as the row to choose has it, or none.
struct CellEdit
{
    int cell = -1;
    QString text;
};

} // namespace

Q_DECLARE_METATYPE(CellEdit)

class TestRulerState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chooseUnit_data();
    void chooseUnit();
    void recomputeAfterAnEdit_data();
    void recomputeAfterAnEdit();
    void scaleFollowsTheDisplay();
    void colorsKeepTheirLimits_data();
    void colorsKeepTheirLimits();
    void pictureGoesWithItsFile_data();
    void pictureGoesWithItsFile();
    void recordRoundTrip_data();
    void recordRoundTrip();
};

void TestRulerState::chooseUnit_data()
{
    QTest::addColumn<UnitChoice>("unit");
    QTest::addColumn<CellEdit>("edit");
    QTest::addColumn<int>("display");
    QTest::addColumn<bool>("taken");

    QTest::newRow("pixels") << UnitChoice() << CellEdit() << 0 << true;
    const QList<UnitTableRules::FactoryRow> physical = UnitTableRules::defaultUnits();
    for (int row = 0; row < int(physical.size()); ++row) {
        QTest::addRow("factory unit %s", qPrintable(physical.at(row).at(UnitScale::kAbbreviationCell)))
            << UnitChoice{Table::Physical, row} << CellEdit() << 1 << true;
    }
    const QList<UnitTableRules::FactoryRow> pixelBased = UnitTableRules::sampleUnits();
    for (int row = 0; row < int(pixelBased.size()); ++row) {
        QTest::addRow("sample unit %s", qPrintable(pixelBased.at(row).at(UnitScale::kAbbreviationCell)))
            << UnitChoice{Table::PixelBased, row} << CellEdit() << 0 << true;
    }
    // An uncalibrated display gives a unit of 0 pixels, whose readings show "?": the unit is taken.
    QTest::newRow("physical unit on a display without calibration")
        << UnitChoice{Table::Physical, 1} << CellEdit() << 5 << true;

    QTest::newRow("empty physical row") << UnitChoice{Table::Physical, int(physical.size())} << CellEdit() << 0
                                        << false;
    QTest::newRow("empty pixel-based row")
        << UnitChoice{Table::PixelBased, int(pixelBased.size())} << CellEdit() << 0 << false;
    QTest::newRow("row beyond the table") << UnitChoice{Table::Physical, 99} << CellEdit() << 0 << false;
    QTest::newRow("units per inch 0")
        << UnitChoice{Table::Physical, 1} << CellEdit{UnitScale::kUnitsPerInchCell, "0"} << 0 << false;
    QTest::newRow("units per inch no number")
        << UnitChoice{Table::Physical, 2} << CellEdit{UnitScale::kUnitsPerInchCell, "many"} << 0 << false;
    QTest::newRow("physical ticks 0") << UnitChoice{Table::Physical, 0}
                                      << CellEdit{UnitScale::kPhysicalTicksCell, "0"} << 0 << false;
    QTest::newRow("pixels per unit across 0")
        << UnitChoice{Table::PixelBased, 0} << CellEdit{UnitScale::kPixelsPerUnitXCell, "0"} << 0 << false;
    QTest::newRow("pixels per unit down 0")
        << UnitChoice{Table::PixelBased, 1} << CellEdit{UnitScale::kPixelsPerUnitYCell, "0"} << 0 << false;
    QTest::newRow("pixel ticks empty") << UnitChoice{Table::PixelBased, 0}
                                       << CellEdit{UnitScale::kPixelTicksCell, ""} << 0 << false;
}

void TestRulerState::chooseUnit()
{
    QFETCH(UnitChoice, unit);
    QFETCH(CellEdit, edit);
    QFETCH(int, display);
    QFETCH(bool, taken);

    Tables grids;
    RulerState state;
    state.setDisplay(display);
    // A unit taken before: a refusal leaves pixels, never the unit before it.
    QVERIFY(state.chooseUnit({Table::PixelBased, 0}, grids.tables(), false).isEmpty());
    if (edit.cell >= 0)
        grids.of(unit.table)[unit.row][edit.cell] = edit.text;

    const QString refusal = state.chooseUnit(unit, grids.tables(), false);
    QCOMPARE(refusal.isEmpty(), taken);
    QCOMPARE(state.unit(), taken ? unit : UnitChoice());
    QCOMPARE(state.scale().unitKind, int(unit.table == Table::Pixels || !taken ? UnitScale::Pixels
                                                                                 : UnitScale::TableUnit));
    if (taken && unit.table != Table::Pixels) {
        const auto &row = grids.of(unit.table)[unit.row];
        QCOMPARE(state.scale().unitLabel, row[UnitScale::kAbbreviationCell]);
        if (unit.table == Table::Physical) {
            const double perInch = TextCells::toNumberOrZero(row[UnitScale::kUnitsPerInchCell]);
            QCOMPARE(state.scale().pixelsPerUnitX,
                     TextCells::toNumberOrZero(grids.displays[display][1]) / perInch);
        } else {
            QCOMPARE(state.scale().pixelsPerUnitY, TextCells::toNumberOrZero(row[UnitScale::kPixelsPerUnitYCell]));
        }
    }
    if (!taken) {
        QCOMPARE(state.scale().unitLabel, QStringLiteral("px"));
        // Quietly, the same refusal without the way to the preferences.
        const QString quiet = state.chooseUnit(unit, grids.tables(), true);
        QVERIFY(!quiet.isEmpty());
        QVERIFY(refusal.startsWith(quiet));
        QVERIFY(refusal.size() > quiet.size());
    }
    // Computed anew, the unit stays as it is: a refused one does not come back.
    state.recomputeScale(grids.tables());
    QCOMPARE(state.unit(), taken ? unit : UnitChoice());
}

void TestRulerState::recomputeAfterAnEdit_data()
{
    QTest::addColumn<UnitChoice>("unit");
    QTest::addColumn<CellEdit>("edit");
    QTest::addColumn<bool>("kept");

    QTest::newRow("physical, another units per inch")
        << UnitChoice{Table::Physical, 1} << CellEdit{UnitScale::kUnitsPerInchCell, "5.08"} << true;
    QTest::newRow("physical, another abbreviation")
        << UnitChoice{Table::Physical, 0} << CellEdit{UnitScale::kAbbreviationCell, "inch"} << true;
    QTest::newRow("physical, units per inch 0")
        << UnitChoice{Table::Physical, 1} << CellEdit{UnitScale::kUnitsPerInchCell, "0"} << false;
    QTest::newRow("physical, row emptied")
        << UnitChoice{Table::Physical, 3} << CellEdit{UnitScale::kPhysicalTicksCell, ""} << false;
    QTest::newRow("pixel-based, another scale")
        << UnitChoice{Table::PixelBased, 0} << CellEdit{UnitScale::kPixelsPerUnitXCell, "50"} << true;
    QTest::newRow("pixel-based, ticks 0")
        << UnitChoice{Table::PixelBased, 1} << CellEdit{UnitScale::kPixelTicksCell, "0"} << false;
}

void TestRulerState::recomputeAfterAnEdit()
{
    QFETCH(UnitChoice, unit);
    QFETCH(CellEdit, edit);
    QFETCH(bool, kept);

    Tables grids;
    RulerState state;
    QVERIFY(state.chooseUnit(unit, grids.tables(), false).isEmpty());
    grids.of(unit.table)[unit.row][edit.cell] = edit.text;

    QCOMPARE(state.recomputeScale(grids.tables()), kept);
    QCOMPARE(state.unit(), kept ? unit : UnitChoice());
    RulerState fresh;
    const QString refusal = fresh.chooseUnit(unit, grids.tables(), false);
    // What a recomputation finds is what choosing the unit anew would find.
    QCOMPARE(refusal.isEmpty(), kept);
    QCOMPARE(state.scale().unitKind, fresh.scale().unitKind);
    QCOMPARE(state.scale().unitLabel, fresh.scale().unitLabel);
    if (kept)
        QVERIFY(state.scale() == fresh.scale());
}

void TestRulerState::scaleFollowsTheDisplay()
{
    Tables grids;
    RulerState state;
    const UnitChoice inches{Table::Physical, 0};
    QVERIFY(state.chooseUnit(inches, grids.tables(), false).isEmpty());
    QCOMPARE(state.scale().pixelsPerUnitX, 96.0);
    state.setDisplay(1);
    QVERIFY(state.recomputeScale(grids.tables()));
    QCOMPARE(state.scale().pixelsPerUnitX, 144.0);
    QCOMPARE(state.scale().pixelsPerUnitY, 120.0);
    QCOMPARE(state.unit(), inches);
}

void TestRulerState::colorsKeepTheirLimits_data()
{
    QTest::addColumn<ColorTarget>("target");
    QTest::addColumn<QColor>("given");
    QTest::addColumn<int>("alpha");

    QTest::newRow("body, clear") << ColorTarget::Background << QColor(10, 20, 30, 0) << kMinimumBackgroundAlpha;
    QTest::newRow("body, just below") << ColorTarget::Background << QColor(10, 20, 30, kMinimumBackgroundAlpha - 1)
                                      << kMinimumBackgroundAlpha;
    QTest::newRow("body, translucent") << ColorTarget::Background << QColor(10, 20, 30, 128) << 128;
    QTest::newRow("body, opaque") << ColorTarget::Background << QColor(10, 20, 30) << 255;
    QTest::newRow("strokes, clear") << ColorTarget::Ruler << QColor(10, 20, 30, 0) << 255;
    QTest::newRow("strokes, translucent") << ColorTarget::Ruler << QColor(10, 20, 30, 128) << 255;
    QTest::newRow("guides, clear") << ColorTarget::Guides << QColor(10, 20, 30, 0) << 0;
    QTest::newRow("guides, translucent") << ColorTarget::Guides << QColor(10, 20, 30, 128) << 128;
}

void TestRulerState::colorsKeepTheirLimits()
{
    QFETCH(ColorTarget, target);
    QFETCH(QColor, given);
    QFETCH(int, alpha);

    const QList<ColorTarget> targets{ColorTarget::Background, ColorTarget::Ruler, ColorTarget::Guides};
    QColor expected = given;
    expected.setAlpha(alpha);

    // Set directly.
    RulerState state;
    const RulerState before = state;
    state.setColor(target, given);
    QCOMPARE(state.color(target), expected);
    for (ColorTarget other : targets) {
        if (other != target)
            QCOMPARE(state.color(other), before.color(other));
    }

    // Taken from the settings file.
    RulerSettings kept;
    kept.background = kept.rulerColor = kept.guidesColor = given;
    RulerState restored;
    restored.restore(kept);
    QCOMPARE(restored.color(target), expected);
}

void TestRulerState::pictureGoesWithItsFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("shown");

    QTest::newRow("read") << QStringLiteral("/pictures/plan.png") << QSize(40, 30) << true;
    QTest::newRow("not readable") << QStringLiteral("/pictures/broken.png") << QSize() << false;
    QTest::newRow("no file") << QString() << QSize(40, 30) << false;
    QTest::newRow("nothing") << QString() << QSize() << false;
}

void TestRulerState::pictureGoesWithItsFile()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, shown);

    const QImage picture = size.isValid() ? QImage(size, QImage::Format_ARGB32) : QImage();
    RulerState state;
    // Over a picture shown before: a picture that cannot be shown takes its place all the same.
    QVERIFY(state.setPicture(QStringLiteral("/pictures/before.png"), QImage(8, 8, QImage::Format_ARGB32)));
    QCOMPARE(state.setPicture(file, picture), shown);
    QCOMPARE(state.picture().isNull(), !shown);
    if (shown)
        QCOMPARE(state.picture().size(), size);
    QCOMPARE(state.pictureFile(), shown ? file : QString());
    QCOMPARE(state.settings().pictureFile, state.pictureFile());

    state.clearPicture();
    QVERIFY(state.picture().isNull());
    QVERIFY(state.pictureFile().isEmpty());

    // The settings file names the picture; the window reads it anew.
    state.setPicture(file, picture);
    RulerState restored = state;
    restored.restore(state.settings());
    QVERIFY(restored.picture().isNull());
    QVERIFY(restored.pictureFile().isEmpty());
}

void TestRulerState::recordRoundTrip_data()
{
    QTest::addColumn<int>("flipped");
    QTest::addColumn<QColor>("body");
    QTest::addColumn<bool>("picture");

    QTest::newRow("as new") << 0 << QColor(255, 255, 255, 128) << false;
    const QList<RulerOption> options = RulerOptionTable::all();
    for (int i = 0; i < int(options.size()); i += 5) {
        QTest::addRow("from option %d on, every fifth flipped", i)
            << i + 1 << QColor(i, 2 * i, 3 * i, kMinimumBackgroundAlpha + i) << (i % 10 == 0);
    }
}

void TestRulerState::recordRoundTrip()
{
    QFETCH(int, flipped);
    QFETCH(QColor, body);
    QFETCH(bool, picture);

    RulerState state;
    const QList<RulerOption> options = RulerOptionTable::all();
    for (int i = flipped - 1; flipped > 0 && i < int(options.size()); i += 5) {
        // Only what the file keeps comes back.
        const RulerOptionTable::Storage kept = RulerOptionTable::entry(options.at(i)).storage;
        if (kept == RulerOptionTable::Storage::ReadWrite || kept == RulerOptionTable::Storage::Picture)
            state.toggle(options.at(i));
    }
    state.setColor(ColorTarget::Background, body);
    state.setColor(ColorTarget::Ruler, QColor(flipped, 40, 50));
    state.setColor(ColorTarget::Guides, QColor(0, flipped, 200, 90));
    if (picture)
        state.setPicture(QStringLiteral("/pictures/plan %1.png").arg(flipped), QImage(4, 4, QImage::Format_RGB32));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QSettings store(folder.filePath(QStringLiteral("ruler.ini")), QSettings::IniFormat);
    RulerStore::write(store, QString(), RulerRecord{state.settings(), QRect(10, 20, 300, 200), std::nullopt});
    const RulerRecord read = RulerStore::read(store, QString(), RulerRecord());

    QCOMPARE(read.settings.pictureFile, state.pictureFile());
    RulerState restored;
    restored.restore(read.settings);
    QCOMPARE(restored.options(), state.options());
    for (ColorTarget target : {ColorTarget::Background, ColorTarget::Ruler, ColorTarget::Guides})
        QCOMPARE(restored.color(target), state.color(target));
}

GRADORA_TEST_GUILESS_MAIN(TestRulerState)
#include "tst_rulerstate.moc"
