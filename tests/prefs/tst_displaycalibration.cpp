// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "dialogfixture.h"
#include "fakedesktop.h"
#include "prefs/displaycalibration.h"
#include "prefs/displaylabel.h"

#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>

using DisplayCalibration::Screen;
using DisplayCalibration::StoredRows;

Q_DECLARE_METATYPE(TextGrid)
Q_DECLARE_METATYPE(StoredRows)
Q_DECLARE_METATYPE(QList<Screen>)
Q_DECLARE_METATYPE(QList<MonitorSize>)

namespace {

TextGrid gridWithRows(const QList<QStringList> &rows)
{
    TextGrid grid;
    for (int row = 0; row < rows.size(); ++row) {
        for (int cell = 0; cell < rows.at(row).size(); ++cell)
            grid[row][cell] = rows.at(row).at(cell);
    }
    return grid;
}

StoredRows storedRow(int row, const QString &resolution, const QString &ppiX, const QString &ppiY)
{
    StoredRows rows;
    rows[row] = {resolution, ppiX, ppiY};
    return rows;
}

QString storedText(const QString &key)
{
    const QSettings store;
    return store.value(key).toString();
}

QString screenResolution(int index)
{
    const QScreen *screen = QGuiApplication::screens().at(index);
    const QSize size = screen->geometry().size() * screen->devicePixelRatio();
    return DisplayCalibration::resolutionText(size.width(), size.height());
}

} // namespace

class TestDisplayCalibration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void detect_data();
    void detect();
    void unreadSizesNote_data();
    void unreadSizesNote();
    void pixelSize_data();
    void pixelSize();
    void desktopSaysWhichScreenReportsItsSize_data();
    void desktopSaysWhichScreenReportsItsSize();

    void init();
    void cleanup();
    void firstStartDetects();
    void laterStartLoadsTheStore();
    void laterStartShowsThePixelSize_data();
    void laterStartShowsThePixelSize();
    void detectionKeepsTheCalibrationOfAnUnchangedMonitor();
    void cellEdit_data();
    void cellEdit();
    void calculator_data();
    void calculator();
    void zeroDiagonalKeepsTheResult();
    void setToDisplay();
    void rowWithoutScreen();
    void identificationLabel();

private:
    void start();
    template <typename T> T *widget(const char *name) const { return m_fixture.widget<T>(name); }
    QTableWidget *table() const { return widget<QTableWidget>("displayTable"); }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    const TextGrid &displayCells() const { return m_fixture.preferences->displayCells(); }

    DialogFixture m_fixture;
};

void TestDisplayCalibration::detect_data()
{
    QTest::addColumn<TextGrid>("previous");
    QTest::addColumn<QList<Screen>>("screens");
    QTest::addColumn<StoredRows>("stored");
    QTest::addColumn<TextGrid>("expected");

    const Screen fullHd{1920, 1080, 96, 96};
    const Screen square{1280, 1024, 86, 87};
    const QStringList fullHdRow{"1920x1080", "96", "96", "1920", "1080", ""};

    QTest::newRow("first start, one monitor")
        << TextGrid() << QList<Screen>{fullHd} << StoredRows() << gridWithRows({fullHdRow});
    QTest::newRow("unchanged resolution keeps the calibration")
        << TextGrid() << QList<Screen>{fullHd} << storedRow(0, "1920x1080", "101.6", "101.7")
        << gridWithRows({{"1920x1080", "101.6", "101.7", "1920", "1080", ""}});
    QTest::newRow("changed resolution brings back the detected value")
        << TextGrid() << QList<Screen>{fullHd} << storedRow(0, "1280x1024", "101.6", "101.6")
        << gridWithRows({fullHdRow});
    QTest::newRow("stored values that are no calibration are not kept")
        << TextGrid() << QList<Screen>{fullHd} << storedRow(0, "1920x1080", "abc", "-5")
        << gridWithRows({fullHdRow});
    QTest::newRow("second monitor keeps its own")
        << TextGrid() << QList<Screen>{fullHd, square} << storedRow(1, "1280x1024", "90", "90")
        << gridWithRows({fullHdRow, {"1280x1024", "90", "90", "1280", "1024", ""}});
    QTest::newRow("a calibration follows its row, not its monitor")
        << TextGrid() << QList<Screen>{square, fullHd} << storedRow(1, "1280x1024", "90", "90")
        << gridWithRows({{"1280x1024", "86", "87", "1280", "1024", ""},
                         {"1920x1080", "96", "96", "1920", "1080", ""}});
    QTest::newRow("unplugged monitor: its row empties but for the calculator's height and diagonal")
        << gridWithRows({fullHdRow, {"1280x1024", "90", "90", "1280", "1024", "43.2"}})
        << QList<Screen>{fullHd} << storedRow(1, "1280x1024", "90", "90")
        << gridWithRows({fullHdRow, {"", "", "", "", "1024", "43.2"}});
    QTest::newRow("no screens at all") << gridWithRows({fullHdRow}) << QList<Screen>{} << StoredRows()
                                       << gridWithRows({{"", "", "", "", "1080", ""}});

    QList<Screen> eleven;
    QList<QStringList> nineRows;
    for (int i = 0; i < 11; ++i) {
        eleven.append({100 + i, 100, 96, 96});
        if (i < 9)
            nineRows.append(
                {QStringLiteral("%1x100").arg(100 + i), "96", "96", QString::number(100 + i), "100", ""});
    }
    QTest::newRow("only nine monitors get a row")
        << TextGrid() << eleven << StoredRows() << gridWithRows(nineRows);
}

void TestDisplayCalibration::detect()
{
    QFETCH(TextGrid, previous);
    QFETCH(QList<Screen>, screens);
    QFETCH(StoredRows, stored);
    QFETCH(TextGrid, expected);
    const TextGrid grid = DisplayCalibration::detect(previous, screens, stored);
    for (int row = 0; row < int(grid.size()); ++row) {
        for (int cell = 0; cell < int(grid[row].size()); ++cell)
            QCOMPARE(grid[row][cell], expected[row][cell]);
    }
}

void TestDisplayCalibration::unreadSizesNote_data()
{
    QTest::addColumn<QList<Screen>>("screens");
    QTest::addColumn<QString>("note");
    const Screen measured{1920, 1080, 92, 92};
    Screen unmeasured{1920, 1080, 96, 96};
    unmeasured.sizeReported = false;
    const QString second =
        "Display 2 does not report its size, so its pixels per inch could not be read: 96 × 96 "
        "stand in for them. Measure its diagonal and give it to the PPI calculator.";
    QTest::newRow("every size read") << QList<Screen>{measured, measured} << QString();
    QTest::newRow("no screens") << QList<Screen>{} << QString();
    QTest::newRow("the second without a size") << QList<Screen>{measured, unmeasured} << second;
    QTest::newRow("both without a size") << QList<Screen>{unmeasured, unmeasured}
                                         << QString(second).replace("Display 2", "Display 1") + "\n" + second;
}

void TestDisplayCalibration::unreadSizesNote()
{
    QFETCH(QList<Screen>, screens);
    QFETCH(QString, note);
    QCOMPARE(DisplayCalibration::unreadSizesNote(screens), note);
}

void TestDisplayCalibration::pixelSize_data()
{
    QTest::addColumn<TextGrid>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<QSize>("size");
    QTest::newRow("from the grid") << gridWithRows({{"1234x567", "96", "96", "1234", "567", ""}}) << 0
                                   << QSize(1234, 567);
    QTest::newRow("grid without a size: the screen's")
        << gridWithRows({{"1920x1080", "96", "96", "", "", ""}}) << 0 << QSize(1920, 1080);
    QTest::newRow("half a size in the grid: the screen's")
        << gridWithRows({{}, {"", "", "", "", "1024", "43.2"}}) << 1 << QSize(1280, 1024);
    QTest::newRow("no screen in that row") << TextGrid() << 3 << QSize(0, 0);
    QTest::newRow("no such row") << TextGrid() << 9 << QSize(0, 0);
}

void TestDisplayCalibration::pixelSize()
{
    QFETCH(TextGrid, grid);
    QFETCH(int, row);
    QFETCH(QSize, size);
    const QList<Screen> screens{{1920, 1080, 96, 96}, {1280, 1024, 96, 96}};
    QCOMPARE(DisplayCalibration::pixelSize(grid, row, screens), size);
}

// The toolkit makes a physical size up for a monitor that reports none: where the desktop describes
// the monitor, its word decides.
void TestDisplayCalibration::desktopSaysWhichScreenReportsItsSize_data()
{
    QTest::addColumn<QList<MonitorSize>>("monitors");
    QTest::addColumn<bool>("reported");
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect devicePixels(screen->geometry().topLeft() * screen->devicePixelRatio(),
                             screen->geometry().size() * screen->devicePixelRatio());
    QTest::newRow("the monitor reports its size") << QList<MonitorSize>{{devicePixels, {510, 290}}} << true;
    QTest::newRow("the monitor reports none") << QList<MonitorSize>{{devicePixels, {0, 0}}} << false;
    QTest::newRow("another monitor reports none: the toolkit's size stands")
        << QList<MonitorSize>{{devicePixels.translated(devicePixels.width(), 0), {0, 0}}}
        << !screen->physicalSize().isEmpty();
    QTest::newRow("no description: the toolkit's size stands")
        << QList<MonitorSize>() << !screen->physicalSize().isEmpty();
}

void TestDisplayCalibration::desktopSaysWhichScreenReportsItsSize()
{
    QFETCH(QList<MonitorSize>, monitors);
    FakeDesktop desktop;
    desktop.monitors = monitors;
    const QList<Screen> screens = DisplayCalibration::currentScreens(&desktop);
    QCOMPARE(screens.size(), QGuiApplication::screens().size());
    QTEST(screens.first().sizeReported, "reported");
}

void TestDisplayCalibration::init()
{
    TestSupport::clearStore();
    start();
}

void TestDisplayCalibration::cleanup()
{
    QVERIFY2(m_fixture.messages.isEmpty(),
             qPrintable("unexpected message: " + m_fixture.messages.join('\n')));
    m_fixture.stop();
}

void TestDisplayCalibration::start()
{
    m_fixture.start();
}

void TestDisplayCalibration::firstStartDetects()
{
    const QSettings store;
    QVERIFY(store.value("displays_detected").toBool());
    for (int row = 0; row < 9; ++row) {
        for (int cell = 0; cell < 6; ++cell)
            QVERIFY(store.contains(QStringLiteral("display_%1_%2").arg(row).arg(cell)));
    }
    QCOMPARE(cell(0, 0), screenResolution(0));
    QCOMPARE(displayCells()[0][0], screenResolution(0));
    for (int column : {1, 2}) {
        bool isWhole = false;
        QVERIFY(cell(0, column).toInt(&isWhole) > 0);
        QVERIFY(isWhole);
        QCOMPARE(store.value(QStringLiteral("display_0_%1").arg(column)).toString(), cell(0, column));
    }
    QCOMPARE(table()->currentRow(), 0);
    QCOMPARE(widget<QPushButton>("setDisplayPpiButton")->text(), QStringLiteral("<< Set to Display 1"));
}

void TestDisplayCalibration::laterStartLoadsTheStore()
{
    {
        QSettings store;
        store.setValue("display_0_0", "1234x567");
        store.setValue("display_0_1", "77.5");
        store.setValue("display_0_2", "abc");
        store.setValue("display_0_3", "1234");
        store.setValue("display_0_4", "567");
    }
    start();
    QCOMPARE(cell(0, 0), QStringLiteral("1234x567"));
    QCOMPARE(cell(0, 1), QStringLiteral("77.5"));
    QCOMPARE(displayCells()[0][4], QStringLiteral("567"));
    // Nothing is chosen and nothing detected again.
    QCOMPARE(table()->currentRow(), -1);
    QCOMPARE(storedText("display_0_0"), QStringLiteral("1234x567"));
    // A stored value that is no calibration is not taken up by the cell edit.
    QCOMPARE(storedText("display_0_2"), QStringLiteral("abc"));
}

void TestDisplayCalibration::laterStartShowsThePixelSize_data()
{
    QTest::addColumn<QString>("storedWidth");
    QTest::addColumn<QString>("storedHeight");
    QTest::addColumn<QSize>("shown");
    const QScreen *screen = QGuiApplication::primaryScreen();
    QTest::newRow("stored") << "1234"
                            << "567" << QSize(1234, 567);
    QTest::newRow("not stored: the screen's") << ""
                                              << "" << screen->geometry().size() * screen->devicePixelRatio();
}

// A start that reads the table from the store chooses no row, but the calculator shows the size of the
// display it works for, never 0 px where the program knows better.
void TestDisplayCalibration::laterStartShowsThePixelSize()
{
    QFETCH(QString, storedWidth);
    QFETCH(QString, storedHeight);
    QFETCH(QSize, shown);
    {
        QSettings store;
        store.setValue("display_0_0", "1234x567");
        store.setValue("display_0_1", "96");
        store.setValue("display_0_2", "96");
        store.setValue("display_0_3", storedWidth);
        store.setValue("display_0_4", storedHeight);
    }
    start();
    QCOMPARE(table()->currentRow(), -1);
    QCOMPARE(widget<QSpinBox>("widthBox")->value(), shown.width());
    QCOMPARE(widget<QSpinBox>("heightBox")->value(), shown.height());
}

void TestDisplayCalibration::detectionKeepsTheCalibrationOfAnUnchangedMonitor()
{
    const QString detectedY = cell(0, 2);
    table()->item(0, 1)->setText("101.6");
    QCOMPARE(storedText("display_0_1"), QStringLiteral("101.6"));

    widget<QPushButton>("detectDisplaysButton")->click();
    QCOMPARE(cell(0, 1), QStringLiteral("101.6"));
    QCOMPARE(displayCells()[0][1], QStringLiteral("101.6"));
    QCOMPARE(cell(0, 2), detectedY);

    // The monitor had another resolution when it was calibrated.
    {
        QSettings store;
        store.setValue("display_0_0", "640x480");
    }
    widget<QPushButton>("detectDisplaysButton")->click();
    QCOMPARE(cell(0, 1), detectedY);
    QCOMPARE(storedText("display_0_1"), detectedY);
    QCOMPARE(storedText("display_0_0"), screenResolution(0));
}

void TestDisplayCalibration::cellEdit_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");

    // Which values a cell takes is the preferences' rule, tested row by row with the model; the form
    // passes a typed value to it and shows the verdict.
    QTest::newRow("PPI-X 120.5") << 1 << "120.5" << true;
    QTest::newRow("abc") << 1 << "abc" << false;
    QTest::newRow("resolution is the desktop's") << 0 << "999x999" << false;
}

void TestDisplayCalibration::cellEdit()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, taken);

    const QString before = cell(0, column);
    const QString key = QStringLiteral("display_0_%1").arg(column);
    table()->item(0, column)->setText(typed);
    const QString expected = taken ? typed : before;
    QCOMPARE(cell(0, column), expected);
    QCOMPARE(displayCells()[0][column], expected);
    QCOMPARE(storedText(key), expected);
}

void TestDisplayCalibration::calculator_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("inches");
    QTest::addColumn<double>("centimetres");
    QTest::addColumn<double>("expectedInches");
    QTest::addColumn<double>("expectedCentimetres");
    QTest::addColumn<double>("ppi");

    QTest::newRow("24 in full HD") << 1920 << 1080 << 24.0 << -1.0 << 24.0 << 60.96 << 91.79;
    QTest::newRow("60.96 cm full HD") << 1920 << 1080 << -1.0 << 60.96 << 24.0 << 60.96 << 91.79;
    QTest::newRow("width still 0") << 0 << 1080 << 24.0 << -1.0 << 24.0 << 60.96 << 0.0;
}

void TestDisplayCalibration::calculator()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, inches);
    QFETCH(double, centimetres);
    QFETCH(double, expectedInches);
    QFETCH(double, expectedCentimetres);
    QFETCH(double, ppi);

    // Row 3 has no monitor, so choosing it empties the calculator.
    table()->setCurrentCell(3, 1);
    widget<QSpinBox>("widthBox")->setValue(width);
    widget<QSpinBox>("heightBox")->setValue(height);
    if (inches >= 0)
        widget<QDoubleSpinBox>("diagonalInchesBox")->setValue(inches);
    if (centimetres >= 0)
        widget<QDoubleSpinBox>("diagonalCentimetresBox")->setValue(centimetres);

    QCOMPARE(widget<QDoubleSpinBox>("diagonalInchesBox")->value(), expectedInches);
    QCOMPARE(widget<QDoubleSpinBox>("diagonalCentimetresBox")->value(), expectedCentimetres);
    QCOMPARE(widget<QDoubleSpinBox>("ppiBox")->value(), ppi);
    if (ppi > 0)
        QVERIFY(widget<QPushButton>("setDisplayPpiButton")->isEnabled());
}

void TestDisplayCalibration::zeroDiagonalKeepsTheResult()
{
    widget<QSpinBox>("widthBox")->setValue(1920);
    widget<QSpinBox>("heightBox")->setValue(1080);
    widget<QDoubleSpinBox>("diagonalInchesBox")->setValue(24);
    widget<QDoubleSpinBox>("diagonalInchesBox")->setValue(0);
    QCOMPARE(widget<QDoubleSpinBox>("diagonalCentimetresBox")->value(), 0.0);
    widget<QSpinBox>("widthBox")->setValue(1280);
    QCOMPARE(widget<QDoubleSpinBox>("ppiBox")->value(), 91.79);
    QVERIFY(widget<QPushButton>("setDisplayPpiButton")->isEnabled());
}

void TestDisplayCalibration::setToDisplay()
{
    table()->setCurrentCell(1, 1);
    table()->setCurrentCell(0, 1);
    widget<QSpinBox>("widthBox")->setValue(1920);
    widget<QSpinBox>("heightBox")->setValue(1080);
    widget<QDoubleSpinBox>("diagonalCentimetresBox")->setValue(60.96);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    widget<QPushButton>("setDisplayPpiButton")->click();
    QLocale::setDefault(QLocale::c());

    QCOMPARE(cell(0, 1), QStringLiteral("91.79"));
    QCOMPARE(cell(0, 2), QStringLiteral("91.79"));
    QCOMPARE(storedText("display_0_1"), QStringLiteral("91.79"));
    QCOMPARE(storedText("display_0_2"), QStringLiteral("91.79"));

    // Choosing a row clears the result, and a result of 0 cannot be set.
    table()->setCurrentCell(1, 1);
    QVERIFY(!widget<QPushButton>("setDisplayPpiButton")->isEnabled());
}

void TestDisplayCalibration::rowWithoutScreen()
{
    widget<QSpinBox>("widthBox")->setValue(1920);
    table()->setCurrentCell(2, 0);
    QCOMPARE(widget<QPushButton>("setDisplayPpiButton")->text(), QStringLiteral("<< Set to Display 3"));
    QCOMPARE(m_fixture.preferences->selectedDisplay(), 2);
    QCOMPARE(widget<QSpinBox>("widthBox")->value(), 0);
    QCOMPARE(widget<QSpinBox>("heightBox")->value(), 0);
    QVERIFY(!m_fixture.dialog->displayLabel()->isVisible());
}

void TestDisplayCalibration::identificationLabel()
{
    m_fixture.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_fixture.dialog.get()));
    const DisplayLabel *label = m_fixture.dialog->displayLabel();

    // Row 0 right after a tab change only arms the label.
    table()->setCurrentCell(1, 0);
    widget<QTabWidget>("pageTabs")->setCurrentIndex(2);
    table()->setCurrentCell(0, 0);
    QVERIFY(!label->isVisible());

    // Moving along the row names no monitor; coming back to it does.
    table()->setCurrentCell(0, 1);
    QVERIFY(!label->isVisible());
    table()->setCurrentCell(1, 1);
    table()->setCurrentCell(0, 1);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("Display 1"));
    QCOMPARE(label->pos(), QGuiApplication::screens().at(0)->geometry().topLeft() + QPoint(30, 30));

    m_fixture.dialog->hide();
    QVERIFY(!label->isVisible());
}

GRADORA_TEST_MAIN(TestDisplayCalibration)
#include "tst_displaycalibration.moc"
