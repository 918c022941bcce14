// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The magnifier and the edge finder on a still frame, where the desktop cannot be read live: the
// program runs on a fake desktop whose one picture the test chooses.
#include "app/magnifier.h"
#include "app/stillframe.h"
#include "app/stillframelayout.h"
#include "render/colorband.h"
#include "ruler/commands/rulermenu.h"
#include "rulerfixture.h"

#include <QAction>
#include <QClipboard>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

const QRect kWindow(420, 300, 300, 200);
// On the desktop: a grey ground, and a box 40 grey levels lighter with one odd pixel.
const QColor kDesk(100, 100, 100);
const QColor kBoxColor(140, 140, 140);
const QRect kBox(150, 120, 200, 100);
const QPoint kInBox(250, 180);
const QPoint kOddPixel(160, 130);
const QColor kOddColor(10, 200, 30);

QRect desktopArea()
{
    return QGuiApplication::primaryScreen()->geometry();
}

// The desktop as the portal gives it, `scale` device pixels to a logical one.
ScreenPicture picture(int scale, const QColor &desk = kDesk)
{
    const QRect area = desktopArea();
    QImage image(area.size() * scale, QImage::Format_RGB32);
    image.fill(desk);
    QPainter painter(&image);
    painter.fillRect(QRect(kBox.topLeft() * scale, kBox.size() * scale), kBoxColor);
    painter.fillRect(QRect(kOddPixel * scale, QSize(scale, scale)), kOddColor);
    return {image, area, {}};
}

StillFrame *openFrame()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *frame = qobject_cast<StillFrame *>(widget);
        if (frame && frame->isVisible())
            return frame;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(StillFrame::Tool)

class TestStillFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void edgeFinderFitsTheRuler_data();
    void edgeFinderFitsTheRuler();
    void leaves_data();
    void leaves();
    void spaceTakesAFreshPicture();
    void showsThePictureAndSaysItIsStill();
    void magnifierReadsTheStillFrame();
    void noPictureMeasuresNothing_data();
    void noPictureMeasuresNothing();
    void liveDesktopKeepsTheLiveTools();
    void liveToolsSayWhyThereIsNoPicture();

private:
    StillFrame *open(StillFrame::Tool tool);

    RulerFixture m_fixture;
    RulerWindow *m_ruler = nullptr;
    QStringList m_messages;
};

void TestStillFrame::init()
{
    m_fixture.setUp(false);
    m_fixture.desktop->setReadsScreenLive(false);
    m_fixture.desktop->picture = [] { return picture(1); };
    m_messages.clear();
    m_fixture.hub->setMessageHandler([this](const QString &text) { m_messages.append(text); });
    m_ruler = m_fixture.shown(kWindow, true);
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
}

void TestStillFrame::cleanup()
{
    m_fixture.tearDown();
    QTRY_VERIFY(!openFrame());
}

// Asks for the tool as the user does, from the ruler, and answers the frame that opens.
StillFrame *TestStillFrame::open(StillFrame::Tool tool)
{
    m_ruler->execute(tool == StillFrame::Tool::Magnifier ? RulerCommand::Magnifier
                                                         : RulerCommand::EdgeFinder);
    StillFrame *frame = nullptr;
    [&] { QTRY_VERIFY((frame = openFrame())); }();
    if (frame)
        [&] { QVERIFY(QTest::qWaitForWindowExposed(frame)); }();
    return frame;
}

void TestStillFrame::edgeFinderFitsTheRuler_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("figure");
    QTest::newRow("click fits the ruler") << 1 << false;
    QTest::newRow("shift-click fits the figure") << 1 << true;
    QTest::newRow("scaled desktop: the ruler in logical pixels") << 2 << false;
}

void TestStillFrame::edgeFinderFitsTheRuler()
{
    QFETCH(int, scale);
    QFETCH(bool, figure);
    m_fixture.desktop->picture = [scale] { return picture(scale); };
    QPointer<StillFrame> frame = open(StillFrame::Tool::EdgeFinder);
    QVERIFY(frame);
    QCOMPARE(frame->tool(), StillFrame::Tool::EdgeFinder);
    // The ruler's own finder stays off: the frame runs it.
    QVERIFY(!m_ruler->menu()->action(RulerCommand::EdgeFinder)->isChecked());
    const QPoint pointer = frame->mapFromGlobal(kInBox);
    QTest::mouseMove(frame, pointer);
    QCOMPARE(frame->foundBox(), kBox);
    QTest::mouseClick(frame, Qt::LeftButton, figure ? Qt::ShiftModifier : Qt::NoModifier, pointer);
    QTRY_VERIFY(!frame);
    if (figure) {
        QCOMPARE(m_ruler->geometry(), kWindow);
        const QRect box = kBox.translated(-kWindow.topLeft());
        QCOMPARE(m_ruler->flyingFigure().screenPoints,
                 QPolygon({box.topLeft(), box.topRight(), box.bottomLeft()}));
    } else {
        QCOMPARE(m_ruler->geometry(), kBox);
    }
    QCOMPARE(m_fixture.desktop->picturesTaken, 1);
    QVERIFY(m_messages.isEmpty());
}

void TestStillFrame::leaves_data()
{
    QTest::addColumn<StillFrame::Tool>("tool");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("edge finder, Esc")
        << StillFrame::Tool::EdgeFinder << int(Qt::Key_Escape) << Qt::KeyboardModifiers();
    QTest::newRow("edge finder, E") << StillFrame::Tool::EdgeFinder << int(Qt::Key_E)
                                    << Qt::KeyboardModifiers();
    QTest::newRow("magnifier, Esc") << StillFrame::Tool::Magnifier << int(Qt::Key_Escape)
                                    << Qt::KeyboardModifiers();
    QTest::newRow("magnifier, Alt+Shift+M") << StillFrame::Tool::Magnifier << int(Qt::Key_M)
                                            << Qt::KeyboardModifiers(Qt::AltModifier | Qt::ShiftModifier);
}

void TestStillFrame::leaves()
{
    QFETCH(StillFrame::Tool, tool);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QPointer<StillFrame> frame = open(tool);
    QVERIFY(frame);
    QTest::mouseMove(frame, frame->mapFromGlobal(kInBox));
    // Another key of the other tool leaves nothing.
    QTest::keyClick(frame, tool == StillFrame::Tool::Magnifier ? Qt::Key_E : Qt::Key_B);
    QVERIFY(frame && frame->isVisible());
    QTest::keyClick(frame, Qt::Key(key), modifiers);
    QTRY_VERIFY(!frame);
    QCOMPARE(m_ruler->geometry(), kWindow);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
}

void TestStillFrame::spaceTakesAFreshPicture()
{
    QPointer<StillFrame> frame = open(StillFrame::Tool::EdgeFinder);
    QVERIFY(frame);
    const QPoint ground = frame->mapFromGlobal(QPoint(40, 400));
    QCOMPARE(frame->grab().toImage().pixelColor(ground), kDesk);
    m_fixture.desktop->picture = [] { return picture(1, QColor(30, 60, 90)); };
    QTest::keyClick(frame, Qt::Key_Space);
    QCOMPARE(m_fixture.desktop->picturesTaken, 2);
    QVERIFY(frame);
    QCOMPARE(frame->grab().toImage().pixelColor(ground), QColor(30, 60, 90));
    // The finder works on the new picture.
    QTest::mouseMove(frame, frame->mapFromGlobal(kInBox));
    QCOMPARE(frame->foundBox(), kBox);
}

void TestStillFrame::showsThePictureAndSaysItIsStill()
{
    QPointer<StillFrame> frame = open(StillFrame::Tool::EdgeFinder);
    QVERIFY(frame);
    QCOMPARE(frame->geometry(), desktopArea());
    QTest::mouseMove(frame, frame->mapFromGlobal(QPoint(500, 500)));
    const QImage shown = frame->grab().toImage();
    QCOMPARE(shown.pixelColor(frame->mapFromGlobal(kOddPixel)), kOddColor);
    QCOMPARE(shown.pixelColor(frame->mapFromGlobal(QPoint(40, 400))), kDesk);
    // The banner at the top centre, in the band's colours, away from the pointer.
    const QPoint bannerEdge(frame->width() / 2, StillFrameLayout::kBannerMargin + 1);
    QCOMPARE(shown.pixelColor(bannerEdge), ColorBand::kBackground);
    // With the pointer on it, it makes way to the bottom (beside the pointer's lines, the ground shows).
    QTest::mouseMove(frame, bannerEdge);
    const QImage moved = frame->grab().toImage();
    QCOMPARE(moved.pixelColor(bannerEdge + QPoint(-3, 2)), kDesk);
    QCOMPARE(moved.pixelColor(frame->width() / 2, frame->height() - 1 - StillFrameLayout::kBannerMargin - 1),
             ColorBand::kBackground);
}

void TestStillFrame::magnifierReadsTheStillFrame()
{
    Magnifier *magnifier = m_fixture.hub->magnifier();
    magnifier->restore({false, 1, 1, 4});
    QPointer<StillFrame> frame = open(StillFrame::Tool::Magnifier);
    QVERIFY(frame);
    QVERIFY(!magnifier->isVisible());
    const QPoint pointer = frame->mapFromGlobal(kOddPixel);
    QTest::mouseMove(frame, pointer);
    Magnifier *lens = frame->lens();
    QVERIFY(lens && lens->isVisible());
    QCOMPARE(lens->geometry(), StillFrameLayout::lensRect(pointer, magnifier->size(), frame->rect()));
    QVERIFY2(lens->problem().isEmpty(), qPrintable(lens->problem()));
    QCOMPARE(lens->pointerColor(), std::optional<QColor>(kOddColor));
    // The lens shows the pixel enlarged in its marked cell, as the magnifier window does.
    const QImage shown = frame->grab().toImage();
    const QRect cell = lens->pointerCell().translated(lens->pos());
    QCOMPARE(shown.pixelColor(cell.center()), kOddColor);
    // Its keys: copy, zoom.
    QTest::keyClick(frame, Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#0AC81E"));
    QTest::keyClick(frame, Qt::Key_Plus);
    QCOMPARE(lens->values().zoom, 5);
    QTest::keyClick(frame, Qt::Key_Escape);
    QTRY_VERIFY(!frame);
    // The zoom chosen on the frame stays the magnifier's.
    QCOMPARE(magnifier->values().zoom, 5);
    QVERIFY(!magnifier->values().autoUpdate);
    QVERIFY(!magnifier->isVisible());
}

void TestStillFrame::noPictureMeasuresNothing_data()
{
    QTest::addColumn<StillFrame::Tool>("tool");
    QTest::newRow("edge finder") << StillFrame::Tool::EdgeFinder;
    QTest::newRow("magnifier") << StillFrame::Tool::Magnifier;
}

void TestStillFrame::noPictureMeasuresNothing()
{
    QFETCH(StillFrame::Tool, tool);
    const QString failure = QStringLiteral("The desktop refused a picture of the screen.");
    m_fixture.desktop->picture = [failure] { return ScreenPicture{{}, {}, failure}; };
    m_ruler->execute(tool == StillFrame::Tool::Magnifier ? RulerCommand::Magnifier
                                                         : RulerCommand::EdgeFinder);
    QTRY_COMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(failure), qPrintable(m_messages.first()));
    QVERIFY(!openFrame());
    QVERIFY(!m_fixture.hub->magnifier()->isVisible());
    QCOMPARE(m_ruler->geometry(), kWindow);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    // Asking again asks the desktop again.
    m_ruler->execute(tool == StillFrame::Tool::Magnifier ? RulerCommand::Magnifier
                                                         : RulerCommand::EdgeFinder);
    QTRY_COMPARE(m_messages.size(), 2);
    QCOMPARE(m_fixture.desktop->picturesTaken, 2);
}

// Where the screen is read live, the magnifier and the ruler's own edge finder work as they always did.
void TestStillFrame::liveDesktopKeepsTheLiveTools()
{
    m_fixture.desktop->setReadsScreenLive(true);
    m_ruler->execute(RulerCommand::EdgeFinder);
    QVERIFY(m_ruler->menu()->action(RulerCommand::EdgeFinder)->isChecked());
    m_ruler->execute(RulerCommand::EdgeFinder);
    m_ruler->execute(RulerCommand::Magnifier);
    QVERIFY(m_fixture.hub->magnifier()->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(!openFrame());
    m_fixture.hub->magnifier()->hide();
}

// Where the screen is read live but gives no picture, the live tools say why and measure nothing.
void TestStillFrame::liveToolsSayWhyThereIsNoPicture()
{
    m_fixture.desktop->setReadsScreenLive(true);
    const QString failure = QStringLiteral("The screen could not be read here.");
    m_fixture.desktop->picture = [failure] { return ScreenPicture{{}, {}, failure}; };
    m_fixture.desktop->readAt = [failure](const QRect &) { return ScreenPicture{{}, {}, failure}; };
    m_ruler->execute(RulerCommand::EdgeFinder);
    QCOMPARE(m_messages, QStringList{failure});
    QVERIFY(!m_ruler->menu()->action(RulerCommand::EdgeFinder)->isChecked());
    QCOMPARE(m_ruler->geometry(), kWindow);

    Magnifier *magnifier = m_fixture.hub->magnifier();
    m_ruler->execute(RulerCommand::Magnifier);
    QVERIFY(magnifier->isVisible());
    QCOMPARE(magnifier->problem(), failure);
    QVERIFY(!magnifier->pointerColor());
    QTest::keyClick(magnifier, Qt::Key_C);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    magnifier->hide();
    QVERIFY(!openFrame());
}

GRADORA_TEST_MAIN(TestStillFrame)
#include "tst_stillframe.moc"
