// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/rulerhub.h"
#include "render/rulerstyle.h"
#include "render/ticklayout.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/window/rulerwindow.h"
#include "rulerfixture.h"
#include "testsupport.h"

#include <QAction>
#include <QColorDialog>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QColor kBody(Qt::white);
const QColor kInk(Qt::black);
const QColor kGuide(Qt::red);

// A number that the paint pass should write: its text, font size and baseline start.
struct Label
{
    QString text;
    int fontPx = 0;
    QPoint baseline;
};

QString describe(QPoint point)
{
    return QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
}

QRgb pixel(const QImage &image, QPoint point)
{
    return image.pixel(point);
}

bool isBody(const QImage &image, QPoint point)
{
    return pixel(image, point) == kBody.rgba();
}

// The pixels of a tick drawn from p1 to p2 in the window's coordinates, the end p2 included; points
// outside the window (a bottom tick starts at y = height) are dropped.
QList<QPoint> tickPixels(const QLine &line, QSize size)
{
    QList<QPoint> points;
    const QPoint step((line.x2() > line.x1()) - (line.x2() < line.x1()),
                      (line.y2() > line.y1()) - (line.y2() < line.y1()));
    for (QPoint point = line.p1();; point += step) {
        if (QRect(QPoint(), size).contains(point))
            points.append(point);
        if (point == line.p2())
            break;
    }
    return points;
}

// The smallest rectangle holding every pixel of `area` that is not the body colour.
QRect inkBox(const QImage &image, const QRect &area)
{
    QRect box;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (!isBody(image, {x, y}))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QImage bodyImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBody);
    return image;
}

// The number alone, written as the ruler writes it, on a plain body of the window's size.
QImage writtenAlone(const Label &label, QSize size, const QColor &color = kInk, bool underlined = false)
{
    QImage image = bodyImage(size);
    QPainter painter(&image);
    painter.setPen(color);
    painter.setFont(RulerStyle::font(label.fontPx, underlined));
    painter.drawText(label.baseline, label.text);
    return image;
}

// The window as the tick layout describes it: its lines in the ruler colour and its numbers.
QImage layoutPicture(const TickMarks &marks, QSize size)
{
    QImage image = bodyImage(size);
    QPainter painter(&image);
    painter.setPen(QPen(kInk, 1));
    painter.drawLines(marks.lines);
    for (const TickLabel &label : marks.labels) {
        painter.setFont(RulerStyle::font(label.fontPx));
        painter.drawText(label.baseline, label.text);
    }
    return image;
}

QString firstDifference(const QImage &actual, const QImage &expected)
{
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("first difference at %1: painted %2, expected %3")
                    .arg(describe({x, y}))
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
        }
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Label)

class TestRulerPaint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void pixelTickers_data();
    void pixelTickers();
    void unitTickers_data();
    void unitTickers();
    void tickersFollowTheLayout_data();
    void tickersFollowTheLayout();
    void numbersNeedRoom_data();
    void numbersNeedRoom();
    void hiddenTickers_data();
    void hiddenTickers();
    void allTickersHiddenKeepsReadingsAndFigure();
    void border_data();
    void border();
    void colorLimits_data();
    void colorLimits();
    void guides_data();
    void guides();
    void crossHair_data();
    void crossHair();
    void menuText_data();
    void menuText();
    void readingPlaces_data();
    void readingPlaces();
    void readingsOfAnInactiveWindowFollowIt();
    void pictureLiesUnderBorderAndTicks();

private:
    RulerWindow *makeRuler(QSize size);
    // A ruler with nothing on its body but what a test turns on: no figure, no readings, no border.
    RulerWindow *bareRuler(QSize size);
    void chooseCentimetres(RulerWindow *ruler);
    void choosePixelUnit(RulerWindow *ruler, const QString &pixelsPerUnit);
    void placeZero(RulerWindow *ruler, bool zeroAtLeft, bool zeroAtBottom, bool fromOne);
    static QImage paint(RulerWindow *ruler);
    static void verifyTicks(const QImage &image, const QList<QLine> &ticks);
    static void verifyLabels(const QImage &image, const QList<Label> &labels);

    std::unique_ptr<RulerHub> m_hub;
    QList<RulerWindow *> m_rulers;
};

void TestRulerPaint::init()
{
    TestSupport::clearStore();
    m_hub = std::make_unique<RulerHub>();
    m_hub->preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
    // 254 pixels per inch on both axes: 100 px to the centimetre, exactly.
    Preferences *preferences = m_hub->preferences();
    TextGrid displays = preferences->displayCells();
    displays[0][1] = QStringLiteral("254");
    displays[0][2] = QStringLiteral("254");
    preferences->setDisplayCells(displays);
    TextGrid units = preferences->unitCells(Preferences::UnitTable::Physical);
    units[1] = {QStringLiteral("Centimeters"), QStringLiteral("cm"), QStringLiteral("2.54"), QStringLiteral("10"),
                QString(), QString()};
    preferences->setUnitCells(Preferences::UnitTable::Physical, units);
}

void TestRulerPaint::cleanup()
{
    qDeleteAll(m_rulers);
    m_rulers.clear();
    m_hub.reset();
}

RulerWindow *TestRulerPaint::makeRuler(QSize size)
{
    RulerWindow *ruler = m_hub->createRuler();
    m_rulers.append(ruler);
    ruler->setGeometry(QRect(QPoint(100, 100), size));
    ruler->show();
    ruler->activateWindow();
    if (!QTest::qWaitForWindowActive(ruler))
        qWarning("the ruler did not become active");
    ruler->setColor(ColorTarget::Background, kBody);
    ruler->setColor(ColorTarget::Ruler, kInk);
    ruler->setColor(ColorTarget::Guides, kGuide);
    return ruler;
}

RulerWindow *TestRulerPaint::bareRuler(QSize size)
{
    RulerWindow *ruler = makeRuler(size);
    ruler->execute(RulerCommand::ShowFigure);
    ruler->execute(RulerCommand::ShowReadings);
    ruler->execute(RulerCommand::ShowBorder);
    Q_ASSERT(!ruler->state().options().value(RulerOption::ShowFigure) &&
             !ruler->state().options().value(RulerOption::ShowReadings) &&
             !ruler->state().options().value(RulerOption::ShowBorder));
    return ruler;
}

void TestRulerPaint::chooseCentimetres(RulerWindow *ruler)
{
    ruler->execute(RulerCommands::physicalUnit(1));
    QCOMPARE(ruler->state().scale().unitLabel, QStringLiteral("cm"));
    QCOMPARE(ruler->state().scale().pixelsPerUnitX, 100.0);
    QCOMPARE(ruler->state().scale().ticksPerUnit, 10.0);
}

void TestRulerPaint::choosePixelUnit(RulerWindow *ruler, const QString &pixelsPerUnit)
{
    TextGrid pixelUnits = m_hub->preferences()->unitCells(Preferences::UnitTable::PixelBased);
    pixelUnits[0] = {QStringLiteral("Test unit"), QStringLiteral("tu"), pixelsPerUnit, pixelsPerUnit,
                     QStringLiteral("1"), QString()};
    m_hub->preferences()->setUnitCells(Preferences::UnitTable::PixelBased, pixelUnits);
    ruler->execute(RulerCommands::pixelUnit(0));
    QCOMPARE(ruler->state().scale().unitLabel, QStringLiteral("tu"));
}

void TestRulerPaint::placeZero(RulerWindow *ruler, bool zeroAtLeft, bool zeroAtBottom, bool fromOne)
{
    QAction *corner = zeroAtBottom ? (zeroAtLeft ? ruler->menu()->action(RulerCommand::StartBottomLeft)
                                                 : ruler->menu()->action(RulerCommand::StartBottomRight))
                                   : (zeroAtLeft ? ruler->menu()->action(RulerCommand::StartTopLeft)
                                                 : ruler->menu()->action(RulerCommand::StartTopRight));
    corner->trigger();
    (fromOne ? ruler->menu()->action(RulerCommand::StartFromPixelOne)
             : ruler->menu()->action(RulerCommand::StartFromPixelZero))
        ->trigger();
    QCOMPARE(ruler->state().options().value(RulerOption::ZeroAtLeft), zeroAtLeft);
    QCOMPARE(ruler->state().options().value(RulerOption::ZeroAtBottom), zeroAtBottom);
    QCOMPARE(ruler->state().options().value(RulerOption::StartFromPixelOne), fromOne);
}

QImage TestRulerPaint::paint(RulerWindow *ruler)
{
    QImage canvas(ruler->size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    ruler->render(&canvas);
    return canvas;
}

// Every pixel of each tick in the ruler colour, and the pixel just past its end free.
void TestRulerPaint::verifyTicks(const QImage &image, const QList<QLine> &ticks)
{
    for (const QLine &tick : ticks) {
        const QString name = describe(tick.p1()) + QStringLiteral("-") + describe(tick.p2());
        for (const QPoint &point : tickPixels(tick, image.size()))
            QVERIFY2(pixel(image, point) == kInk.rgba(),
                     qPrintable(name + QStringLiteral(": no ink at ") + describe(point)));
        const QPoint past =
            tick.p2() + QPoint((tick.dx() > 0) - (tick.dx() < 0), (tick.dy() > 0) - (tick.dy() < 0));
        if (image.rect().contains(past))
            QVERIFY2(isBody(image, past),
                     qPrintable(name + QStringLiteral(": too long, ink at ") + describe(past)));
    }
}

// Each number exactly where it would be if written alone: same pixels in and around its ink.
void TestRulerPaint::verifyLabels(const QImage &image, const QList<Label> &labels)
{
    for (const Label &label : labels) {
        const QImage alone = writtenAlone(label, image.size());
        const QRect box = inkBox(alone, alone.rect()).adjusted(-2, -2, 2, 2) & image.rect();
        QVERIFY2(!box.isEmpty(), qPrintable(label.text));
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                QVERIFY2(image.pixel(x, y) == alone.pixel(x, y),
                         qPrintable(QStringLiteral("\"%1\" at %2, %3 px: differs at %4")
                                        .arg(label.text, describe(label.baseline))
                                        .arg(label.fontPx)
                                        .arg(describe({x, y}))));
            }
        }
    }
}

void TestRulerPaint::pixelTickers_data()
{
    QTest::addColumn<bool>("zeroAtLeft");
    QTest::addColumn<bool>("zeroAtBottom");
    QTest::addColumn<bool>("fromOne");
    QTest::addColumn<bool>("antiAliasing");
    QTest::addColumn<QList<QLine>>("ticks");
    QTest::addColumn<QList<Label>>("labels");

    // A 400 × 300 window. Short ticks every 5 px, medium ones with a number at 50, long ones at 100.
    struct Row
    {
        const char *name;
        bool zeroAtLeft, zeroAtBottom, fromOne;
        QList<QLine> ticks;
        QList<Label> labels;
    };
    const Row rows[] = {
        {"top-left",
         true,
         false,
         false,
         {{5, 0, 5, 5},
          {50, 0, 50, 20},
          {100, 0, 100, 30},
          {5, 300, 5, 295},
          {100, 300, 100, 270},
          {0, 5, 5, 5},
          {0, 50, 20, 50},
          {0, 100, 30, 100},
          {400, 5, 395, 5},
          {400, 100, 370, 100}},
         {{"50", 11, {35, 20}},
          {"100", 12, {76, 30}},
          {"50", 11, {35, 288}},
          {"100", 12, {76, 280}},
          {"50", 11, {8, 47}},
          {"100", 12, {11, 97}},
          {"50", 11, {380, 47}},
          {"100", 12, {368, 97}}}},
        {"top-right",
         false,
         false,
         false,
         {{394, 0, 394, 5},
          {349, 0, 349, 20},
          {299, 0, 299, 30},
          {299, 300, 299, 270},
          {0, 100, 30, 100},
          {400, 100, 370, 100}},
         {{"50", 11, {354, 20}},
          {"100", 12, {304, 30}},
          {"100", 12, {304, 280}},
          {"50", 11, {354, 288}},
          {"100", 12, {11, 97}},
          {"100", 12, {368, 97}}}},
        {"bottom-left",
         true,
         true,
         false,
         {{0, 294, 5, 294}, {0, 249, 20, 249}, {0, 199, 30, 199}, {400, 199, 370, 199}, {100, 0, 100, 30}},
         {{"50", 11, {8, 262}},
          {"100", 12, {11, 212}},
          {"100", 12, {368, 212}},
          {"50", 11, {380, 262}},
          {"100", 12, {76, 30}}}},
        {"bottom-right",
         false,
         true,
         false,
         {{394, 0, 394, 5}, {299, 0, 299, 30}, {0, 294, 5, 294}, {0, 199, 30, 199}, {400, 199, 370, 199}},
         {{"100", 12, {304, 30}},
          {"50", 11, {354, 288}},
          {"100", 12, {11, 212}},
          {"100", 12, {368, 212}},
          {"50", 11, {8, 262}}}},
        {"top-left from one",
         true,
         false,
         true,
         {{4, 0, 4, 5}, {49, 0, 49, 20}, {99, 0, 99, 30}, {0, 4, 5, 4}, {0, 99, 30, 99}},
         {{"50", 11, {34, 20}}, {"100", 12, {75, 30}}, {"100", 12, {11, 96}}, {"100", 12, {368, 96}}}},
        {"bottom-right from one",
         false,
         true,
         true,
         {{395, 0, 395, 5}, {300, 0, 300, 30}, {0, 295, 5, 295}, {0, 200, 30, 200}},
         {{"100", 12, {305, 30}}, {"100", 12, {11, 213}}, {"100", 12, {368, 213}}}},
    };
    for (const Row &row : rows) {
        for (bool antiAliasing : {false, true}) {
            QTest::addRow("%s%s", row.name, antiAliasing ? ", anti-aliased" : "")
                << row.zeroAtLeft << row.zeroAtBottom << row.fromOne << antiAliasing << row.ticks
                << row.labels;
        }
    }
}

void TestRulerPaint::pixelTickers()
{
    QFETCH(bool, zeroAtLeft);
    QFETCH(bool, zeroAtBottom);
    QFETCH(bool, fromOne);
    QFETCH(bool, antiAliasing);
    QFETCH(QList<QLine>, ticks);
    QFETCH(QList<Label>, labels);
    RulerWindow *ruler = bareRuler({400, 300});
    placeZero(ruler, zeroAtLeft, zeroAtBottom, fromOne);
    setOption(*ruler, RulerOption::AntiAliasing, antiAliasing);
    const QImage image = paint(ruler);
    verifyTicks(image, ticks);
    verifyLabels(image, labels);
}

void TestRulerPaint::unitTickers_data()
{
    QTest::addColumn<bool>("zeroAtLeft");
    QTest::addColumn<bool>("zeroAtBottom");
    QTest::addColumn<bool>("fromOne");
    QTest::addColumn<QList<QLine>>("ticks");
    QTest::addColumn<QList<Label>>("labels");

    // Centimetres at 100 px, ten minor ticks each; every centimetre numbered beside a 20-px tick.
    QTest::newRow("top-left") << true << false << false
                              << QList<QLine>{{10, 0, 10, 5},   {100, 0, 100, 20}, {100, 300, 100, 280},
                                              {0, 10, 5, 10},   {0, 100, 20, 100}, {400, 100, 380, 100},
                                              {200, 0, 200, 20}}
                              << QList<Label>{{"1", 12, {104, 20}},  {"2", 12, {204, 20}},
                                              {"1", 12, {104, 290}}, {"1", 12, {9, 97}},
                                              {"2", 12, {9, 197}},   {"1", 12, {380, 97}}};
    QTest::newRow("top-right")
        << false << false << false
        << QList<QLine>{{389, 0, 389, 5}, {299, 0, 299, 20}, {299, 300, 299, 280}, {99, 0, 99, 20}}
        << QList<Label>{{"1", 12, {303, 20}}, {"3", 12, {103, 20}}, {"1", 12, {303, 290}}};
    QTest::newRow("bottom-left") << true << true << false
                                 << QList<QLine>{{0, 289, 5, 289}, {0, 199, 20, 199}, {400, 199, 380, 199}}
                                 << QList<Label>{{"1", 12, {9, 212}},
                                                 {"2", 12, {9, 112}},
                                                 {"1", 12, {380, 212}},
                                                 {"1", 12, {104, 20}}};
    QTest::newRow("bottom-right") << false << true << false
                                  << QList<QLine>{{299, 0, 299, 20}, {0, 199, 20, 199}}
                                  << QList<Label>{{"1", 12, {303, 20}}, {"1", 12, {9, 212}}};
    QTest::newRow("top-left from one")
        << true << false << true << QList<QLine>{{9, 0, 9, 5}, {99, 0, 99, 20}, {0, 99, 20, 99}}
        << QList<Label>{{"1", 12, {103, 20}}, {"1", 12, {9, 96}}};
    QTest::newRow("bottom-right from one")
        << false << true << true << QList<QLine>{{390, 0, 390, 5}, {300, 0, 300, 20}, {0, 200, 20, 200}}
        << QList<Label>{{"1", 12, {304, 20}}, {"1", 12, {9, 213}}, {"1", 12, {380, 213}}};
}

void TestRulerPaint::unitTickers()
{
    QFETCH(bool, zeroAtLeft);
    QFETCH(bool, zeroAtBottom);
    QFETCH(bool, fromOne);
    QFETCH(QList<QLine>, ticks);
    QFETCH(QList<Label>, labels);
    RulerWindow *ruler = bareRuler({400, 300});
    chooseCentimetres(ruler);
    placeZero(ruler, zeroAtLeft, zeroAtBottom, fromOne);
    const QImage image = paint(ruler);
    verifyTicks(image, ticks);
    verifyLabels(image, labels);
}

void TestRulerPaint::tickersFollowTheLayout_data()
{
    QTest::addColumn<QString>("unit"); // "px", "cm" or the pixels of a pixel-based unit
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("zeroAtLeft");
    QTest::addColumn<bool>("zeroAtBottom");
    QTest::addColumn<bool>("fromOne");
    QTest::addColumn<bool>("antiAliasing");

    QTest::newRow("pixels, top-left") << "px" << QSize(400, 300) << true << false << false << false;
    QTest::newRow("pixels, bottom-right from one")
        << "px" << QSize(333, 222) << false << true << true << false;
    QTest::newRow("pixels, anti-aliased") << "px" << QSize(400, 300) << true << false << false << true;
    QTest::newRow("pixels, wide, four-digit numbers")
        << "px" << QSize(1250, 120) << false << false << false << false;
    QTest::newRow("centimetres, top-right") << "cm" << QSize(400, 300) << false << false << false << false;
    QTest::newRow("centimetres, bottom-left from one")
        << "cm" << QSize(401, 299) << true << true << true << false;
    QTest::newRow("1-px unit, two rows of numbers")
        << "1" << QSize(400, 200) << true << false << false << false;
    QTest::newRow("3.78-px unit, anti-aliased") << "3.78" << QSize(400, 200) << true << true << false << true;
}

// What reaches the window is what the tick layout lists, drawn in the ruler colour, and nothing else.
void TestRulerPaint::tickersFollowTheLayout()
{
    QFETCH(QString, unit);
    QFETCH(QSize, size);
    QFETCH(bool, zeroAtLeft);
    QFETCH(bool, zeroAtBottom);
    QFETCH(bool, fromOne);
    QFETCH(bool, antiAliasing);
    RulerWindow *ruler = bareRuler(size);
    if (unit == QLatin1String("cm"))
        chooseCentimetres(ruler);
    else if (unit != QLatin1String("px"))
        choosePixelUnit(ruler, unit);
    placeZero(ruler, zeroAtLeft, zeroAtBottom, fromOne);
    setOption(*ruler, RulerOption::AntiAliasing, antiAliasing);

    TickMarks marks;
    const TickFrame frame{size, zeroAtLeft, zeroAtBottom, fromOne};
    for (TickEdge edge : {TickEdge::Top, TickEdge::Bottom, TickEdge::Left, TickEdge::Right})
        TickLayout::layOut(edge, frame, ruler->state().scale(), marks);
    QVERIFY(!marks.lines.isEmpty());
    QVERIFY(!marks.labels.isEmpty());

    const QImage painted = paint(ruler);
    const QImage expected = layoutPicture(marks, size);
    const QString difference = firstDifference(painted, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestRulerPaint::numbersNeedRoom_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("zeroAtLeft");
    QTest::addColumn<int>("width");
    QTest::addColumn<Label>("number"); // the first number of the top ticker, when it fits
    QTest::addColumn<bool>("shown");

    // A number needs 21 <= x < width - 20: the "50" at x = 50 needs 71 px, at x = width - 51 needs 72.
    QTest::newRow("pixels, 70 wide") << "px" << true << 70 << Label{"50", 11, {35, 20}} << false;
    QTest::newRow("pixels, 71 wide") << "px" << true << 71 << Label{"50", 11, {35, 20}} << true;
    QTest::newRow("pixels, zero right, 71 wide") << "px" << false << 71 << Label{"50", 11, {25, 20}} << false;
    QTest::newRow("pixels, zero right, 72 wide") << "px" << false << 72 << Label{"50", 11, {26, 20}} << true;
    // A unit of 21 px: its first number at x = 21 needs a window of 42.
    QTest::newRow("21-px unit, 41 wide") << "21" << true << 41 << Label{"1", 12, {25, 20}} << false;
    QTest::newRow("21-px unit, 42 wide") << "21" << true << 42 << Label{"1", 12, {25, 20}} << true;
}

void TestRulerPaint::numbersNeedRoom()
{
    QFETCH(QString, unit);
    QFETCH(bool, zeroAtLeft);
    QFETCH(int, width);
    QFETCH(Label, number);
    QFETCH(bool, shown);
    RulerWindow *ruler = bareRuler({width, 200});
    if (unit != QLatin1String("px"))
        choosePixelUnit(ruler, unit);
    placeZero(ruler, zeroAtLeft, false, false);
    // Only the top ticker: the others would write into the same corner.
    ruler->execute(RulerCommand::ShowLeftTicker);
    ruler->execute(RulerCommand::ShowRightTicker);
    ruler->execute(RulerCommand::ShowBottomTicker);
    QCOMPARE(ruler->width(), width);
    const QImage image = paint(ruler);

    // The ticks are there either way.
    if (unit == QLatin1String("px"))
        verifyTicks(image, {zeroAtLeft ? QLine(5, 0, 5, 5) : QLine(width - 6, 0, width - 6, 5)});
    else
        verifyTicks(image, {{21, 0, 21, 20}});
    if (shown) {
        verifyLabels(image, {number});
    } else {
        // Below the short ticks the top ticker has nothing but its long tick lines.
        const QRect numberRow(0, 8, width, 13);
        for (int y = numberRow.top(); y <= numberRow.bottom(); ++y) {
            for (int x = 0; x < width; ++x) {
                const bool onTickLine =
                    pixel(image, {x, 0}) == kInk.rgba() && pixel(image, {x, 6}) == kInk.rgba();
                QVERIFY2(onTickLine || isBody(image, {x, y}), qPrintable(describe({x, y})));
            }
        }
    }
}

void TestRulerPaint::hiddenTickers_data()
{
    QTest::addColumn<QString>("hidden"); // letters of the hidden tickers: t, b, l, r

    QTest::newRow("top hidden") << "t";
    QTest::newRow("bottom hidden") << "b";
    QTest::newRow("left hidden") << "l";
    QTest::newRow("right hidden") << "r";
    QTest::newRow("top and left hidden") << "tl";
    QTest::newRow("all hidden") << "tblr";
}

void TestRulerPaint::hiddenTickers()
{
    QFETCH(QString, hidden);
    RulerWindow *ruler = bareRuler({400, 300});
    if (hidden.contains('t'))
        ruler->menu()->action(RulerCommand::ShowTopTicker)->trigger();
    if (hidden.contains('b'))
        ruler->menu()->action(RulerCommand::ShowBottomTicker)->trigger();
    if (hidden.contains('l'))
        ruler->menu()->action(RulerCommand::ShowLeftTicker)->trigger();
    if (hidden.contains('r'))
        ruler->menu()->action(RulerCommand::ShowRightTicker)->trigger();
    const QImage image = paint(ruler);

    // Each ticker's band: its ticks run 30 px deep, its numbers a little further.
    const std::pair<char, QRect> bands[] = {{'t', QRect(35, 0, 330, 31)},
                                            {'b', QRect(35, 269, 330, 31)},
                                            {'l', QRect(0, 35, 31, 230)},
                                            {'r', QRect(369, 35, 31, 230)}};
    for (const auto &[letter, band] : bands) {
        const bool ink = !inkBox(image, band).isEmpty();
        QVERIFY2(ink != hidden.contains(QLatin1Char(letter)),
                 qPrintable(QStringLiteral("ticker %1").arg(QLatin1Char(letter))));
    }
}

void TestRulerPaint::allTickersHiddenKeepsReadingsAndFigure()
{
    RulerWindow *ruler = makeRuler({400, 300});
    ruler->execute(RulerCommand::ShowBorder);
    // A small circle in the middle, clear of the edges.
    ruler->execute(RulerCommands::centeredShape(5));
    FigureModel smaller = ruler->flyingFigure();
    smaller.scale(0.4, 0.4);
    smaller.recompute();
    ruler->setFlyingFigure(smaller);
    ruler->execute(RulerCommand::HideAllTickers);
    QVERIFY(ruler->state().options().value(RulerOption::ShowFigure));
    QVERIFY(ruler->state().options().value(RulerOption::ShowReadings));
    const QImage image = paint(ruler);

    QCOMPARE(ruler->view().readings().widthText, QStringLiteral("\u2190 400 px \u2192"));
    // The width reading under the top edge and above the bottom edge, the height readings beside the
    // left and right edges.
    for (const QRect &reading :
         {QRect(171, 36, 60, 15), QRect(171, 246, 60, 15), QRect(35, 110, 16, 80), QRect(349, 110, 16, 80)})
        QVERIFY2(!inkBox(image, reading).isEmpty(), qPrintable(describe(reading.topLeft())));
    // The circle around the middle.
    QVERIFY(!inkBox(image, QRect(100, 50, 200, 200)).isEmpty());
    // No tick on any edge.
    for (const QRect &band :
         {QRect(0, 0, 400, 31), QRect(0, 269, 400, 31), QRect(0, 0, 31, 300), QRect(369, 0, 31, 300)})
        QVERIFY2(inkBox(image, band).isEmpty(), qPrintable(describe(band.topLeft())));
}

void TestRulerPaint::border_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("antiAliasing");

    QTest::newRow("400 x 300") << QSize(400, 300) << true << false;
    QTest::newRow("odd size 121 x 77") << QSize(121, 77) << true << false;
    QTest::newRow("anti-aliased") << QSize(400, 300) << true << true;
    QTest::newRow("anti-aliased, odd size") << QSize(121, 77) << true << true;
    QTest::newRow("border off") << QSize(400, 300) << false << false;
}

void TestRulerPaint::border()
{
    QFETCH(QSize, size);
    QFETCH(bool, visible);
    QFETCH(bool, antiAliasing);
    RulerWindow *ruler = bareRuler(size);
    ruler->execute(RulerCommand::HideAllTickers);
    if (visible)
        ruler->execute(RulerCommand::ShowBorder);
    QCOMPARE(ruler->state().options().value(RulerOption::ShowBorder), visible);
    setOption(*ruler, RulerOption::AntiAliasing, antiAliasing);
    const QImage image = paint(ruler);

    const QRect outer(QPoint(), size);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QPoint point(x, y);
            const bool onRing = !inner.contains(point);
            const QRgb expected = onRing && visible ? kInk.rgba() : kBody.rgba();
            QVERIFY2(pixel(image, point) == expected, qPrintable(describe(point)));
        }
    }
}

void TestRulerPaint::colorLimits_data()
{
    QTest::addColumn<int>("backgroundAlpha");
    QTest::addColumn<int>("rulerAlpha");
    QTest::addColumn<int>("paintedBackgroundAlpha");

    QTest::newRow("background alpha 0 painted as 25") << 0 << 255 << 25;
    QTest::newRow("background alpha 24 raised") << 24 << 255 << 25;
    QTest::newRow("background alpha 25 kept") << 25 << 255 << 25;
    QTest::newRow("background alpha 200 kept") << 200 << 255 << 200;
    QTest::newRow("ruler alpha 100 made opaque") << 128 << 100 << 128;
    QTest::newRow("ruler alpha 0 made opaque") << 128 << 0 << 128;
}

void TestRulerPaint::colorLimits()
{
    QFETCH(int, backgroundAlpha);
    QFETCH(int, rulerAlpha);
    QFETCH(int, paintedBackgroundAlpha);
    RulerWindow *ruler = bareRuler({200, 150});
    // Chosen in the colour dialog.
    ruler->editColor(ColorTarget::Background);
    m_hub->colorDialog()->setCurrentColor(QColor(10, 200, 30, backgroundAlpha));
    ruler->editColor(ColorTarget::Ruler);
    m_hub->colorDialog()->setCurrentColor(QColor(200, 20, 90, rulerAlpha));
    const QImage image = paint(ruler);

    // The limits are stored back in the window's own colours.
    const QColor body = ruler->state().color(ColorTarget::Background);
    QCOMPARE(body, QColor(10, 200, 30, paintedBackgroundAlpha));
    QCOMPARE(ruler->state().color(ColorTarget::Ruler), QColor(200, 20, 90, 255));
    QCOMPARE(ruler->palette().brush(QPalette::Active, QPalette::Window).color(), body);
    QCOMPARE(ruler->palette().brush(QPalette::Inactive, QPalette::Window).color(), body);

    // The body takes the background's alpha as it is, not blended over anything; the ticks are opaque.
    QCOMPARE(qAlpha(image.pixel(100, 75)), paintedBackgroundAlpha);
    QCOMPARE(image.pixelColor(100, 0), QColor(200, 20, 90));
    QCOMPARE(image.pixelColor(0, 100), QColor(200, 20, 90));
}

void TestRulerPaint::guides_data()
{
    QTest::addColumn<bool>("centimetres");
    QTest::addColumn<bool>("zeroAtLeft");
    QTest::addColumn<bool>("zeroAtBottom");
    QTest::addColumn<bool>("fromOne");
    QTest::addColumn<QList<Label>>("labels");

    // Guides at y = 150 and x = 230 in a 400 × 300 window. A label starts left of its anchor by 15, 22,
    // 29 or 36 px for 1, 2, 3 or 4 digits, and 20 px more for a fraction.
    QTest::newRow("pixels, top-left")
        << false << true << false << false
        << QList<Label>{{"150", 12, {400 - 47 - 29, 145}}, {"230", 12, {230 - 29, 242}}};
    QTest::newRow("pixels, bottom-right")
        << false << false << true << false
        << QList<Label>{{"150", 12, {400 - 47 - 29, 165}}, {"170", 12, {239, 242}}};
    QTest::newRow("pixels, from one")
        << false << true << false << true
        << QList<Label>{{"151", 12, {400 - 47 - 29, 145}}, {"231", 12, {230 - 29, 242}}};
    // Numbered from 1, each position counts one more before it is measured from the zero's edge.
    QTest::newRow("pixels, top-right from one")
        << false << false << false << true
        << QList<Label>{{"151", 12, {400 - 47 - 29, 145}}, {"169", 12, {239, 242}}};
    QTest::newRow("centimetres, top-left")
        << true << true << false << false
        << QList<Label>{{"1.5", 12, {400 - 47 - 35, 145}}, {"2.3", 12, {230 - 35, 242}}};
    QTest::newRow("centimetres, top-right")
        << true << false << false << false
        << QList<Label>{{"1.5", 12, {400 - 47 - 35, 145}}, {"1.7", 12, {239, 242}}};
}

void TestRulerPaint::guides()
{
    QFETCH(bool, centimetres);
    QFETCH(bool, zeroAtLeft);
    QFETCH(bool, zeroAtBottom);
    QFETCH(bool, fromOne);
    QFETCH(QList<Label>, labels);
    RulerWindow *ruler = bareRuler({400, 300});
    ruler->execute(RulerCommand::HideAllTickers);
    if (centimetres)
        chooseCentimetres(ruler);
    placeZero(ruler, zeroAtLeft, zeroAtBottom, fromOne);
    RulerFixture::placeGuide(ruler, Qt::Horizontal, 150);
    RulerFixture::placeGuide(ruler, Qt::Vertical, 230);
    const QImage image = paint(ruler);

    // The lines cross the whole window in the guide colour.
    for (int x = 0; x < 400; ++x)
        QVERIFY2(image.pixel(x, 150) == kGuide.rgba(), qPrintable(describe({x, 150})));
    for (int y = 0; y < 300; ++y)
        QVERIFY2(image.pixel(230, y) == kGuide.rgba(), qPrintable(describe({230, y})));
    QVERIFY(isBody(image, {100, 149}) && isBody(image, {100, 151}));
    QVERIFY(isBody(image, {229, 100}) && isBody(image, {231, 100}));

    for (Label label : labels) {
        const QImage alone = writtenAlone(label, image.size(), kGuide);
        QRect box = inkBox(alone, alone.rect());
        QVERIFY2(!box.isEmpty(), qPrintable(label.text));
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                if (x == 230 || y == 150)
                    continue;
                QVERIFY2(image.pixel(x, y) == alone.pixel(x, y),
                         qPrintable(label.text + QStringLiteral(" differs at ") + describe({x, y})));
            }
        }
    }

    // "Show Guides" off hides lines and labels.
    ruler->execute(RulerCommand::ShowGuides);
    const QImage hidden = paint(ruler);
    QVERIFY(inkBox(hidden, hidden.rect()).isEmpty());
}

void TestRulerPaint::crossHair_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("antiAliasing");

    QTest::newRow("400 x 300") << QSize(400, 300) << false;
    QTest::newRow("odd size 201 x 151") << QSize(201, 151) << false;
    QTest::newRow("anti-aliased") << QSize(400, 300) << true;
}

void TestRulerPaint::crossHair()
{
    QFETCH(QSize, size);
    QFETCH(bool, antiAliasing);
    RulerWindow *ruler = bareRuler(size);
    ruler->execute(RulerCommand::HideAllTickers);
    setOption(*ruler, RulerOption::AntiAliasing, antiAliasing);
    QVERIFY(inkBox(paint(ruler), QRect(QPoint(), size)).isEmpty());

    ruler->execute(RulerCommand::ShowCentralPoint);
    QVERIFY(ruler->state().options().value(RulerOption::ShowCentralPoint));
    const QImage image = paint(ruler);
    const int cx = size.width() / 2;
    const int cy = size.height() / 2;
    // Dashes of 5 px with gaps of 5 px, from the top and from the left edge.
    for (int y = 0; y < size.height(); ++y) {
        const QRgb expected = y % 10 < 5 || y == cy ? kGuide.rgba() : kBody.rgba();
        QVERIFY2(image.pixel(cx, y) == expected, qPrintable(describe({cx, y})));
    }
    for (int x = 0; x < size.width(); ++x) {
        const QRgb expected = x % 10 < 5 || x == cx ? kGuide.rgba() : kBody.rgba();
        QVERIFY2(image.pixel(x, cy) == expected, qPrintable(describe({x, cy})));
    }
    // Nothing else.
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (x != cx && y != cy)
                QVERIFY2(isBody(image, {x, y}), qPrintable(describe({x, y})));
        }
    }
}

void TestRulerPaint::menuText_data()
{
    QTest::addColumn<bool>("menuShown");
    QTest::addColumn<bool>("hover");

    QTest::newRow("no menu text") << false << false;
    QTest::newRow("menu text") << true << false;
    QTest::newRow("menu text under the pointer") << true << true;
}

void TestRulerPaint::menuText()
{
    QFETCH(bool, menuShown);
    QFETCH(bool, hover);
    m_hub->preferences()->setValue(ProgramSetting::ShowTopRightMenu, menuShown);
    RulerWindow *ruler = bareRuler({400, 300});
    ruler->execute(RulerCommand::HideAllTickers);
    if (hover)
        QTest::mouseMove(ruler, QPoint(400 - 100, 50));
    const QImage image = paint(ruler);
    if (!menuShown) {
        QVERIFY(inkBox(image, image.rect()).isEmpty());
        return;
    }
    const Label menu{QStringLiteral("menu"), 11, {400 - 108, 55}};
    const QImage alone = writtenAlone(menu, image.size(), kInk, hover);
    QCOMPARE(image, alone);
}

void TestRulerPaint::readingPlaces_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>(
        "options"); // f full readings, m minimal, b bottom-right labels, w and h numbers

    QTest::newRow("full readings") << QSize(400, 300) << "f";
    QTest::newRow("full readings, narrow: no area line") << QSize(249, 300) << "f";
    QTest::newRow("minimal readings") << QSize(400, 300) << "fm";
    QTest::newRow("bottom-right labels alone") << QSize(400, 300) << "b";
    QTest::newRow("width number alone") << QSize(400, 300) << "w";
    QTest::newRow("height number alone") << QSize(400, 300) << "h";
}

// The readings where the window writes them, compared with the same texts written at those places.
void TestRulerPaint::readingPlaces()
{
    QFETCH(QSize, size);
    QFETCH(QString, options);
    RulerWindow *ruler = bareRuler(size);
    ruler->execute(RulerCommand::HideAllTickers);
    if (options.contains('f'))
        ruler->execute(RulerCommand::ShowReadings);
    if (options.contains('m'))
        ruler->execute(RulerCommand::MinimalReadings);
    if (options.contains('b'))
        ruler->execute(RulerCommand::ShowBottomRightLabels);
    setOption(*ruler, RulerOption::ShowWidthNumber, options.contains('w'));
    setOption(*ruler, RulerOption::ShowHeightNumber, options.contains('h'));
    const QImage image = paint(ruler);

    const RulerReadings texts = ruler->view().readings();
    const QString width = QString::number(size.width());
    const QString height = QString::number(size.height());
    QCOMPARE(texts.widthText, QStringLiteral("\u2190 %1 px \u2192").arg(width));
    QCOMPARE(texts.heightText, QStringLiteral("\u2190 %1 px \u2192").arg(height));
    QCOMPARE(texts.widthNumber, width);
    QCOMPARE(texts.heightNumber, height);

    QImage expected = bodyImage(size);
    QPainter painter(&expected);
    painter.setPen(kInk);
    painter.setFont(RulerStyle::font(RulerStyle::kReadingFontPx));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(255, 255, 255, 128));
    const int w = size.width();
    const int h = size.height();
    auto at = [&painter](QPoint origin, qreal degrees) {
        painter.resetTransform();
        painter.translate(origin);
        painter.rotate(degrees);
    };
    const bool full = options.contains('f') && !options.contains('m');
    const bool minimal = options.contains('m');
    if (full) {
        at({50, h / 2 + 28}, 270);
        painter.drawText(QPoint(0, 0), texts.heightText);
        at({w - 50, h / 2 - 30}, 90);
        painter.drawText(QPoint(0, 0), texts.heightText);
        at({0, 0}, 0);
        painter.drawText(QPoint(w / 2 - 29, 50), texts.widthText);
        painter.drawText(QPoint(w / 2 - 29, h - 40), texts.widthText);
        if (w >= 250)
            painter.drawText(QPoint(w / 2 - 115, h - 80), texts.areaText + " | " + texts.perimeterText);
    }
    if (options.contains('b')) {
        at({w - 100, h - 45}, 0);
        painter.drawText(QRect(-45, 0, 100, 100), Qt::AlignRight, texts.widthText);
        // The height stands higher than it used to, where it would cover the width beside it.
        at({w - 30, h - 160}, 90);
        painter.drawText(QRect(0, 0, 100, 100), Qt::AlignRight, texts.heightText);
    }
    if (options.contains('w') || minimal) {
        at({w - 100, h / 2}, 0);
        painter.drawText(QRect(-45, 0, 100, 100), Qt::AlignRight, texts.widthNumber);
    }
    if (options.contains('h') || minimal) {
        at({w / 2, h - 145}, 90);
        painter.drawText(QRect(0, 0, 100, 100), Qt::AlignRight, texts.heightNumber);
    }
    painter.end();
    QVERIFY(!inkBox(expected, expected.rect()).isEmpty());
    const QString difference = firstDifference(image, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// A ruler paints the readings of its state whichever window is active: another ruler, or a dialog
// that sizes it.
void TestRulerPaint::readingsOfAnInactiveWindowFollowIt()
{
    RulerWindow *first = makeRuler({400, 300});
    paint(first);
    QCOMPARE(first->view().readings().widthText, QStringLiteral("\u2190 400 px \u2192"));

    RulerWindow *second = makeRuler({300, 200});
    QVERIFY(!first->isActiveWindow());
    first->resize(350, 250);
    const QImage inactive = paint(first);
    QCOMPARE(first->view().readings().widthText, QStringLiteral("\u2190 350 px \u2192"));
    QCOMPARE(first->view().readings().heightText, QStringLiteral("\u2190 250 px \u2192"));
    QCOMPARE(second->view().readings().widthText, QStringLiteral("\u2190 300 px \u2192"));

    first->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(first));
    const QString difference = firstDifference(inactive, paint(first));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestRulerPaint::pictureLiesUnderBorderAndTicks()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("green.png"));
    QImage green(400, 300, QImage::Format_RGB32);
    green.fill(Qt::green);
    QVERIFY(green.save(path));

    RulerWindow *ruler = bareRuler({400, 300});
    const auto askedBefore = RulerWindow::askPictureFile;
    RulerWindow::askPictureFile = [path](QWidget *, const QString &, const QString &) { return path; };
    ruler->execute(RulerCommand::OpenPicture);
    RulerWindow::askPictureFile = askedBefore;
    QCOMPARE(ruler->state().pictureFile(), path);
    ruler->execute(RulerCommand::ShowBorder);
    const QImage image = paint(ruler);
    QCOMPARE(image.pixelColor(200, 150), QColor(Qt::green));
    QCOMPARE(image.pixelColor(200, 299), kInk); // border
    QCOMPARE(image.pixelColor(100, 20), kInk);  // the long tick at 100
    QCOMPARE(image.pixelColor(101, 20), QColor(Qt::green));
}

GRADORA_TEST_MAIN(TestRulerPaint)
#include "tst_rulerpaint.moc"
