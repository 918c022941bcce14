// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/rulerhub.h"
#include "ruler/dialogs/positiondialog.h"
#include "ruler/placement/positionlimits.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QFile>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <memory>

// The "Position/Size" dialog on a desktop of two displays side by side: 1920 × 1080 at the origin
// and 1280 × 1024 to its right.
namespace {
const QRect kFirstDisplay(0, 0, 1920, 1080);

struct Seen
{
    QRect rulerGeometry;
    int leftMinimum = 0;
    int leftMaximum = 0;
    int topMaximum = 0;
    QRect boxes;
};
} // namespace

class TestSetpos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void limits_data();
    void limits();
    void leftAndTopStopBeforeTheDisplayEdge();
    void windowLeftOfTheDisplayMovesOnAndBack();
    void edits_data();
    void edits();
    void windowOnTheSecondDisplayStaysThere();
    void fullScreenChangesNothing();
    void wideEnoughForItsTitle_data();
    void wideEnoughForItsTitle();

private:
    RulerWindow *makeRuler(const QRect &geometry);
    // Opens the dialog on the ruler; `whileOpen` edits it, then the dialog is closed with OK or Cancel.
    Seen runDialog(RulerWindow *ruler, const std::function<void(PositionDialog *)> &whileOpen,
                   QDialogButtonBox::StandardButton closeWith);

    std::unique_ptr<RulerHub> m_hub;
    QList<RulerWindow *> m_rulers;
};

void TestSetpos::init()
{
    TestSupport::clearStore();
    m_hub = std::make_unique<RulerHub>();
    m_hub->preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
}

void TestSetpos::cleanup()
{
    qDeleteAll(m_rulers);
    m_rulers.clear();
    m_hub.reset();
}

RulerWindow *TestSetpos::makeRuler(const QRect &geometry)
{
    RulerWindow *ruler = m_hub->createRuler();
    ruler->setGeometry(geometry);
    ruler->show();
    m_rulers.append(ruler);
    if (!QTest::qWaitForWindowExposed(ruler))
        qWarning("ruler not exposed");
    ruler->followWindowMove();
    return ruler;
}

Seen TestSetpos::runDialog(RulerWindow *ruler, const std::function<void(PositionDialog *)> &whileOpen,
                           QDialogButtonBox::StandardButton closeWith)
{
    Seen seen;
    PositionDialog *dialog = m_hub->positionDialog();
    QTimer::singleShot(0, dialog, [&] {
        seen.leftMinimum = dialog->findChild<QSpinBox *>("leftBox")->minimum();
        seen.leftMaximum = dialog->findChild<QSpinBox *>("leftBox")->maximum();
        seen.topMaximum = dialog->findChild<QSpinBox *>("topBox")->maximum();
        if (whileOpen)
            whileOpen(dialog);
        seen.rulerGeometry = ruler->geometry();
        seen.boxes = dialog->shownGeometry();
        dialog->findChild<QDialogButtonBox *>("buttonBox")->button(closeWith)->click();
    });
    ruler->execute(RulerCommand::PositionAndSize);
    return seen;
}

void TestSetpos::limits_data()
{
    QTest::addColumn<QRect>("display");
    QTest::addColumn<int>("leftMinimum");
    QTest::addColumn<int>("leftMaximum");
    QTest::addColumn<int>("topMinimum");
    QTest::addColumn<int>("topMaximum");
    QTest::addColumn<QRect>("desktop");
    QTest::addColumn<int>("widthMaximum");
    QTest::addColumn<int>("heightMaximum");
    QTest::newRow("1920 x 1080 at the origin")
        << QRect(0, 0, 1920, 1080) << 0 << 1880 << 0 << 1040 << QRect(0, 0, 1920, 1080) << 1920 << 1080;
    QTest::newRow("second display to the right") << QRect(1920, 0, 1280, 1024) << 1920 << 3160 << 0 << 984
                                                 << QRect(0, 0, 3200, 1080) << 3200 << 1080;
    QTest::newRow("display left of and above the primary")
        << QRect(-1280, -200, 1280, 1024) << -1280 << -40 << -200 << 784 << QRect(-1280, -200, 3200, 1280)
        << 3200 << 1280;
    QTest::newRow("no desktop known: the display's own size")
        << QRect(0, 0, 800, 600) << 0 << 760 << 0 << 560 << QRect() << 800 << 600;
    QTest::newRow("tiny display: one value each, sizes from the minimum")
        << QRect(0, 0, 10, 10) << 0 << 0 << 0 << 0 << QRect() << 20 << 20;
}

void TestSetpos::limits()
{
    QFETCH(QRect, display);
    QFETCH(QRect, desktop);
    const PositionLimits limits = PositionLimits::forDisplay(display, desktop);
    QTEST(limits.leftMinimum, "leftMinimum");
    QTEST(limits.leftMaximum, "leftMaximum");
    QTEST(limits.topMinimum, "topMinimum");
    QTEST(limits.topMaximum, "topMaximum");
    QTEST(limits.widthMaximum, "widthMaximum");
    QTEST(limits.heightMaximum, "heightMaximum");
    QCOMPARE(limits.sizeMinimum, 20);
}

void TestSetpos::leftAndTopStopBeforeTheDisplayEdge()
{
    const QRect opening(100, 100, 300, 200);
    RulerWindow *ruler = makeRuler(opening);
    const Seen seen = runDialog(
        ruler,
        [](PositionDialog *dialog) {
            dialog->findChild<QSpinBox *>("leftBox")->setValue(5000);
            dialog->findChild<QSpinBox *>("topBox")->setValue(5000);
        },
        QDialogButtonBox::Cancel);
    QCOMPARE(seen.leftMinimum, 0);
    QCOMPARE(seen.leftMaximum, 1880);
    QCOMPARE(seen.topMaximum, 1040);
    QCOMPARE(seen.boxes.topLeft(), QPoint(1880, 1040));
    // The window followed the boxes while the dialog was open, and Cancel put it back.
    QCOMPARE(seen.rulerGeometry.topLeft(), QPoint(1880, 1040));
    QCOMPARE(ruler->geometry(), opening);
}

void TestSetpos::windowLeftOfTheDisplayMovesOnAndBack()
{
    const QRect opening(-10, 100, 300, 200);
    RulerWindow *ruler = makeRuler(opening);
    QCOMPARE(ruler->x(), -10);
    // A box that already shows 0 gives no signal when set to 0 again; the window must move all the same.
    m_hub->positionDialog()->findChild<QSpinBox *>("leftBox")->setValue(0);

    const Seen seen = runDialog(ruler, {}, QDialogButtonBox::Cancel);
    QCOMPARE(seen.boxes.x(), 0);
    QCOMPARE(seen.rulerGeometry.x(), 0);
    QCOMPARE(ruler->geometry(), opening);
}

void TestSetpos::edits_data()
{
    QTest::addColumn<QRect>("typed");
    QTest::addColumn<int>("closeWith");
    QTest::addColumn<QRect>("shown"); // the boxes and the window while the dialog is open
    QTest::addColumn<QRect>("expected");
    const QRect opening(100, 100, 300, 200);
    QTest::newRow("OK keeps all four values") << QRect(40, 60, 500, 120) << int(QDialogButtonBox::Ok)
                                              << QRect(40, 60, 500, 120) << QRect(40, 60, 500, 120);
    QTest::newRow("Cancel after every value restores") << QRect(40, 60, 500, 120) << int(QDialogButtonBox::Cancel)
                                                       << QRect(40, 60, 500, 120) << opening;
    // A ruler of no width or height would vanish with its keys; one larger than the desktop stalls.
    QTest::newRow("zero size stops at the minimum") << QRect(40, 60, 0, 0) << int(QDialogButtonBox::Ok)
                                                    << QRect(40, 60, 20, 20) << QRect(40, 60, 20, 20);
    QTest::newRow("the largest size stops at the desktop") << QRect(40, 60, 9999, 9999)
                                                           << int(QDialogButtonBox::Ok)
                                                           << QRect(40, 60, 3200, 1080) << QRect(40, 60, 3200, 1080);
}

void TestSetpos::edits()
{
    QFETCH(QRect, typed);
    QFETCH(int, closeWith);
    RulerWindow *ruler = makeRuler(QRect(100, 100, 300, 200));
    const Seen seen = runDialog(
        ruler,
        [&](PositionDialog *dialog) {
            dialog->findChild<QSpinBox *>("leftBox")->setValue(typed.x());
            dialog->findChild<QSpinBox *>("topBox")->setValue(typed.y());
            dialog->findChild<QSpinBox *>("widthBox")->setValue(typed.width());
            dialog->findChild<QSpinBox *>("heightBox")->setValue(typed.height());
        },
        QDialogButtonBox::StandardButton(closeWith));
    QTEST(seen.boxes, "shown");
    QTEST(seen.rulerGeometry, "shown");
    QTEST(ruler->geometry(), "expected");
}

void TestSetpos::windowOnTheSecondDisplayStaysThere()
{
    const QRect opening(2500, 300, 300, 200);
    RulerWindow *ruler = makeRuler(opening);
    QCOMPARE(ruler->state().display(), 1);
    const Seen seen = runDialog(ruler, {}, QDialogButtonBox::Ok);
    QCOMPARE(seen.leftMinimum, 1920);
    QCOMPARE(seen.leftMaximum, 3160);
    QCOMPARE(seen.rulerGeometry, opening);
    QCOMPARE(ruler->geometry(), opening);
}

void TestSetpos::fullScreenChangesNothing()
{
    RulerWindow *ruler = makeRuler(QRect(100, 100, 300, 200));
    ruler->execute(RulerCommand::FullScreen);
    QVERIFY(ruler->state().fullScreen());
    QTRY_COMPARE(ruler->geometry(), kFirstDisplay);
    const QRect full = ruler->geometry();
    const Seen seen = runDialog(
        ruler,
        [](PositionDialog *dialog) {
            dialog->findChild<QSpinBox *>("leftBox")->setValue(40);
            dialog->findChild<QSpinBox *>("widthBox")->setValue(500);
        },
        QDialogButtonBox::Ok);
    QCOMPARE(seen.rulerGeometry, full);
    QCOMPARE(ruler->geometry(), full);
}

void TestSetpos::wideEnoughForItsTitle_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::newRow("small font") << 8;
    QTest::newRow("usual font") << 10;
    QTest::newRow("large font") << 16;
    QTest::newRow("huge font") << 26;
}

void TestSetpos::wideEnoughForItsTitle()
{
    QFETCH(int, pointSize);
    const QFont before = QApplication::font();
    auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
    QFont font = before;
    font.setPointSize(pointSize);
    QApplication::setFont(font);

    PositionDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QFont bold = dialog.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The bold title and four title-bar buttons of a line and a half each.
    const int needed = metrics.horizontalAdvance(QStringLiteral("Position/Size")) + 6 * metrics.height();
    QVERIFY2(dialog.width() >= needed, qPrintable(QStringLiteral("%1 < %2").arg(dialog.width()).arg(needed)));
    // Its boxes still get what they ask for.
    const QSpinBox *left = dialog.findChild<QSpinBox *>("leftBox");
    QVERIFY(left->width() >= left->minimumSizeHint().width());
}

// Like GRADORA_TEST_MAIN, on an offscreen desktop of two displays.
int main(int argc, char **argv)
{
    const QString home = TestSupport::isolateUserFiles();
    const QString screens = home + QStringLiteral("/screens.json");
    QFile config(screens);
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write(R"({"windowFrameMargins": false, "screens": [
        {"name": "first", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "second", "x": 1920, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
    ]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    QApplication app(argc, argv);
    TestSupport::setIdentity();
    TestSetpos tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_positiondialog.moc"
