// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The scales are drawn once into a layer and laid under the rest of each pass: the layer is drawn anew
// exactly when what the scales look like changes, and a pass with it gives the same pixels as drawing
// the scales directly.
#include "figure/figuremodel.h"
#include "paint/rulerpaintcache.h"
#include "paint/rulerpainter.h"
#include "paint/scaleslayer.h"
#include "testsupport.h"

#include <QPainter>
#include <QTest>

namespace {

enum class Change
{
    Nothing,
    Size,
    Millimetres,
    RulerColor,
    ZeroAtBottom,
    ZeroAtRight,
    StartFromOne,
    TopTickerHidden,
    LeftTickerHidden,
    BottomTickerHidden,
    RightTickerHidden,
    DoubleDensity,
    BackgroundColor,
    Guides,
    GuidesInBands,
    GuideSpacingInBand,
    TranslucentGuides,
    GuidesColor,
    CrossHair,
    Readings,
    MenuHovered,
    BorderHidden,
    Picture,
    Figure,
};

RulerPaintState baseState()
{
    RulerPaintState state;
    state.size = QSize(420, 260);
    state.backgroundColor = QColor(255, 255, 200, 160);
    state.rulerColor = QColor(111, 33, 55);
    state.guidesColor = Qt::red;
    state.readings = {QStringLiteral("420"), QStringLiteral("260"), QStringLiteral("\u2190 420 px \u2192"),
                      QStringLiteral("\u2190 260 px \u2192"), QStringLiteral("Area: 0.11 MP"),
                      QStringLiteral("Perimeter: 1360 px")};
    state.menuText = true;
    state.options.set(RulerOption::ShowFigure, false);
    return state;
}

UnitScale millimetres()
{
    UnitScale scale;
    scale.unitKind = UnitScale::TableUnit;
    scale.unitLabel = QStringLiteral("mm");
    scale.pixelsPerUnitX = scale.pixelsPerUnitY = scale.pixelsPerUnitAvg = 96 / 25.4;
    scale.ticksPerUnit = 1;
    return scale;
}

qreal change(RulerPaintState &state, Change what, const FigureModel &figure)
{
    switch (what) {
    case Change::Nothing: break;
    case Change::Size: state.size = QSize(421, 260); break;
    case Change::Millimetres: state.scale = millimetres(); break;
    // The ruler colour is always opaque (see limitedColour).
    case Change::RulerColor: state.rulerColor = Qt::darkBlue; break;
    case Change::ZeroAtBottom: state.options.set(RulerOption::ZeroAtBottom, true); break;
    case Change::ZeroAtRight: state.options.set(RulerOption::ZeroAtLeft, false); break;
    case Change::StartFromOne: state.options.set(RulerOption::StartFromPixelOne, true); break;
    case Change::TopTickerHidden: state.options.set(RulerOption::ShowTopTicker, false); break;
    case Change::LeftTickerHidden: state.options.set(RulerOption::ShowLeftTicker, false); break;
    case Change::BottomTickerHidden: state.options.set(RulerOption::ShowBottomTicker, false); break;
    case Change::RightTickerHidden: state.options.set(RulerOption::ShowRightTicker, false); break;
    case Change::DoubleDensity: return 2;
    case Change::BackgroundColor: state.backgroundColor = QColor(200, 230, 255, 90); break;
    case Change::Guides:
        state.horizontalGuides = {6, 120, 250};
        state.verticalGuides = {8, 200, 414};
        break;
    // Lines and labels across the bands, which the bands cover in part.
    case Change::GuidesInBands:
        state.horizontalGuides = {1, 14, 255};
        state.verticalGuides = {2, 30, 405};
        state.options.set(RulerOption::StartFromPixelOne, true);
        break;
    case Change::GuideSpacingInBand:
        state.horizontalGuides = {40, 90, 200};
        state.guideSpacing = true;
        state.pointer = QPoint(400, 120);
        break;
    case Change::TranslucentGuides:
        state.guidesColor = QColor(0, 0, 255, 100);
        state.horizontalGuides = {3, 130};
        state.verticalGuides = {5, 210, 416};
        break;
    case Change::GuidesColor: state.guidesColor = Qt::darkGreen; break;
    case Change::CrossHair: state.options.set(RulerOption::ShowCentralPoint, true); break;
    case Change::Readings: state.readings.widthText = QStringLiteral("\u2190 9 px \u2192"); break;
    case Change::MenuHovered: state.menuHovered = true; break;
    case Change::BorderHidden: state.options.set(RulerOption::ShowBorder, false); break;
    case Change::Picture: {
        QImage picture(500, 40, QImage::Format_ARGB32);
        picture.fill(QColor(20, 160, 90));
        state.picture = picture;
        break;
    }
    case Change::Figure:
        state.options.set(RulerOption::ShowFigure, true);
        state.figure = &figure;
        break;
    }
    return 1;
}

QImage canvas(QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

QImage paintedWith(const RulerPaintState &state, qreal ratio, std::shared_ptr<RulerPaintCache> &cache)
{
    QImage image = canvas(state.size, ratio);
    QPainter painter(&image);
    RulerPainter::paint(painter, state, cache);
    return image;
}

// The pass with the scales drawn directly, as the window's shape is made.
QImage paintedDirectly(const RulerPaintState &state, qreal ratio)
{
    QImage image = canvas(state.size, ratio);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(QPoint(), state.size), state.backgroundColor);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    std::shared_ptr<RulerPaintCache> fresh;
    RulerPainter::drawContent(painter, state, fresh);
    return image;
}

// The scales alone: the layer drawn afresh for the state, laid over a transparent window.
QImage scalesAlone(const RulerPaintState &state, qreal ratio)
{
    std::shared_ptr<RulerPaintCache> fresh;
    paintedWith(state, ratio, fresh);
    QImage image = canvas(state.size, ratio);
    QPainter painter(&image);
    fresh->scales.lay(painter, QRegion(QRect(QPoint(), state.size)));
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestScalesLayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawnAnewExactlyWhenTheScalesChange_data();
    void drawnAnewExactlyWhenTheScalesChange();
    void holdsTheBandsNotTheWindow_data();
    void holdsTheBandsNotTheWindow();
    void laysWhereTheAreaMeetsTheInk_data();
    void laysWhereTheAreaMeetsTheInk();
};

void TestScalesLayer::drawnAnewExactlyWhenTheScalesChange_data()
{
    QTest::addColumn<Change>("change");

#define ROW(what) QTest::newRow(#what) << Change::what
    ROW(Nothing);
    ROW(Size);
    ROW(Millimetres);
    ROW(RulerColor);
    ROW(ZeroAtBottom);
    ROW(ZeroAtRight);
    ROW(StartFromOne);
    ROW(TopTickerHidden);
    ROW(LeftTickerHidden);
    ROW(BottomTickerHidden);
    ROW(RightTickerHidden);
    ROW(DoubleDensity);
    ROW(BackgroundColor);
    ROW(Guides);
    ROW(GuidesInBands);
    ROW(GuideSpacingInBand);
    ROW(TranslucentGuides);
    ROW(GuidesColor);
    ROW(CrossHair);
    ROW(Readings);
    ROW(MenuHovered);
    ROW(BorderHidden);
    ROW(Picture);
    ROW(Figure);
#undef ROW
}

// Whether the layer is to be drawn anew follows from the layers themselves: drawn afresh for the state
// before and after the change, they differ exactly when the scales changed.
void TestScalesLayer::drawnAnewExactlyWhenTheScalesChange()
{
    QFETCH(Change, change);

    FigureModel figure;
    figure.origin = QPoint(60, 60);
    std::shared_ptr<RulerPaintCache> cache;
    const RulerPaintState before = baseState();
    paintedWith(before, 1, cache);
    QCOMPARE(RulerPainter::scalesLayerBuilds(cache), 1);
    paintedWith(before, 1, cache);
    QCOMPARE(RulerPainter::scalesLayerBuilds(cache), 1);

    RulerPaintState after = before;
    const qreal ratio = ::change(after, change, figure);
    const bool scalesChanged = scalesAlone(before, 1) != scalesAlone(after, ratio);
    const QImage painted = paintedWith(after, ratio, cache);
    QCOMPARE(RulerPainter::scalesLayerBuilds(cache), scalesChanged ? 2 : 1);
    QCOMPARE(painted, paintedDirectly(after, ratio));
}

void TestScalesLayer::holdsTheBandsNotTheWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("640 x 480") << QSize(640, 480) << 1.0;
    QTest::newRow("640 x 480, double density") << QSize(640, 480) << 2.0;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.0;
}

// The body between the bands is transparent in the layer: the layer keeps no pixels of it.
void TestScalesLayer::holdsTheBandsNotTheWindow()
{
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    RulerPaintState state = baseState();
    state.size = size;
    std::shared_ptr<RulerPaintCache> cache;
    paintedWith(state, ratio, cache);
    QVERIFY(cache);
    const qsizetype window = qsizetype(size.width() * ratio) * qsizetype(size.height() * ratio) * 4;
    qsizetype bands = 0;
    for (const QRect &band : cache->scalesInk)
        bands += qsizetype(band.width() * ratio) * qsizetype(band.height() * ratio) * 4;
    QCOMPARE(cache->scales.byteCount(), bands);
    QVERIFY2(bands * 3 < window, qPrintable(QStringLiteral("%1 of %2 bytes").arg(bands).arg(window)));
}

void TestScalesLayer::laysWhereTheAreaMeetsTheInk_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("the whole ink") << QRect(0, 0, 100, 80) << 1.0;
    QTest::newRow("across the corner of two bands") << QRect(5, 15, 30, 20) << 1.0;
    QTest::newRow("across the corner, double density") << QRect(5, 15, 30, 20) << 2.0;
    QTest::newRow("partly off the ink") << QRect(10, 10, 60, 60) << 1.0;
    QTest::newRow("off the ink") << QRect(40, 40, 20, 20) << 1.0;
}

// Laid over a canvas, the layer brings exactly the ink's pixels within the area, each from the band
// that holds it.
void TestScalesLayer::laysWhereTheAreaMeetsTheInk()
{
    QFETCH(QRect, area);
    QFETCH(qreal, ratio);
    const QSize window(100, 80);
    // An L of two bands, top and left, as the scales' ink is banded.
    const QRegion ink = QRegion(0, 0, 100, 20) + QRegion(0, 20, 20, 60);
    auto colorAt = [](QPoint p) { return QColor(p.x() * 2, p.y() * 3, 200); };
    auto drawPattern = [&](QPainter &painter) {
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x)
                painter.fillRect(QRect(x, y, 1, 1), colorAt(QPoint(x, y)));
    };
    ScalesLayer layer;
    layer.build(ink, ratio, drawPattern);
    QVERIFY(layer.isBuilt());

    QImage laid = canvas(window, ratio);
    {
        QPainter painter(&laid);
        layer.lay(painter, QRegion(area));
    }
    QImage expected = canvas(window, ratio);
    {
        QPainter painter(&expected);
        painter.setClipRegion(ink.intersected(area));
        drawPattern(painter);
    }
    QCOMPARE(laid, expected);
}

GRADORA_TEST_MAIN(TestScalesLayer)
#include "tst_scaleslayer.moc"
