// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "paint/rulerpainter.h"

#include "figure/figuremodel.h"
#include "figure/figureshapelayer.h"
#include "figure/readinglayout.h"
#include "paint/guidemarks.h"
#include "paint/rulerpaintcache.h"
#include "render/inkbounds.h"
#include "render/labelplacement.h"
#include "render/menutext.h"
#include "render/pictureplacement.h"
#include "render/rulerstyle.h"

#include <QCoreApplication>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace RulerPainter {

namespace {
constexpr int kTextBackgroundAlpha = 128;
// The tickers in the order of RulerPaintState::shownTickers().
constexpr std::array<TickEdge, 4> kTickerEdges{TickEdge::Top, TickEdge::Bottom, TickEdge::Left, TickEdge::Right};
// The border, except where it is in place already.
void drawBorder(QPainter &painter, const RulerPaintState &state, RulerPaintCache &cache,
                const QRegion &inPlace)
{
    if (!state.on(RulerOption::ShowBorder))
        return;
    // The outermost ring of pixels: the top and bottom rows, then the columns between them.
    const int w = state.size.width();
    const int h = state.size.height();
    cache.rects.resize(0);
    cache.rects.append(QRect(0, 0, w, 1));
    cache.rects.append(QRect(0, h - 1, w, 1));
    if (h > 2) {
        cache.rects.append(QRect(0, 1, 1, h - 2));
        cache.rects.append(QRect(w - 1, 1, 1, h - 2));
    }
    if (!inPlace.isEmpty()) {
        QRegion ring;
        for (const QRect &rect : std::as_const(cache.rects))
            ring += rect;
        ring -= inPlace;
        cache.rects = QList<QRect>(ring.begin(), ring.end());
    }
    cache.fillRects(painter, state.rulerColor);
}

QRect menuTextBounds(const RulerPaintState &state, RulerPaintCache &cache)
{
    return cache.textBounds(RulerStyle::kSmallFontPx, MenuText::baseline(state.size.width()),
                            QCoreApplication::translate("RulerWindow", "menu"));
}

void drawMenuText(QPainter &painter, const RulerPaintState &state, const RulerPaintCache &cache)
{
    if (!state.menuText)
        return;
    painter.setFont(state.menuHovered ? cache.smallUnderlined : cache.small);
    painter.setPen(RulerStyle::rulerPen(state.rulerColor));
    painter.drawText(MenuText::baseline(state.size.width()),
                     QCoreApplication::translate("RulerWindow", "menu"));
}

// The scales' bands where they lie clear of the "menu" text and the guides with their labels and
// spacings: of all that is drawn beneath the scales, only the body and the border lie there.
QRegion clearOfMarks(const RulerPaintState &state, RulerPaintCache &cache, const GuideMarks &guides)
{
    QRegion clear = cache.scalesInk;
    const QRect reach = clear.boundingRect();
    const auto leaveOut = [&clear, &reach](const QRect &mark) {
        if (mark.intersects(reach))
            clear -= mark;
    };
    if (state.menuText)
        leaveOut(menuTextBounds(state, cache));
    for (const QList<QRect> *lines : {&guides.levelLines, &guides.uprightLines}) {
        for (const QRect &line : *lines)
            leaveOut(line);
    }
    for (const QList<PlacedText> *texts : {&guides.labels, &guides.spacings}) {
        for (const PlacedText &text : *texts)
            leaveOut(cache.textBounds(RulerStyle::kNumberFontPx, text.baseline, text.text));
    }
    return clear;
}

// Lays out the visible tickers into the cache's marks; with `ink`, also where each one draws.
void layOutTickers(const RulerPaintState &state, RulerPaintCache &cache, QRegion *ink)
{
    TickMarks &marks = cache.tickMarks;
    marks.clear();
    const std::array<bool, 4> shown = state.shownTickers();
    for (std::size_t ticker = 0; ticker < kTickerEdges.size(); ++ticker) {
        if (!shown[ticker])
            continue;
        const TickEdge edge = kTickerEdges[ticker];
        const qsizetype firstLine = marks.lines.size();
        const qsizetype firstLabel = marks.labels.size();
        TickLayout::layOut(edge, state.tickFrame(), state.scale, marks);
        if (!ink)
            continue;
        QRect bounds;
        for (qsizetype i = firstLine; i < marks.lines.size(); ++i)
            bounds |= QRect(marks.lines.at(i).p1(), marks.lines.at(i).p2()).normalized();
        for (qsizetype i = firstLabel; i < marks.labels.size(); ++i) {
            const TickLabel &label = marks.labels.at(i);
            bounds |= cache.textBounds(label.fontPx, label.baseline, label.text);
        }
        *ink += bounds;
    }
}

void drawTickMarks(QPainter &painter, const RulerPaintState &state, RulerPaintCache &cache)
{
    const TickMarks &marks = cache.tickMarks;
    cache.fillLines(painter, marks.lines, state.rulerColor);
    painter.setPen(RulerStyle::rulerPen(state.rulerColor));
    for (const TickLabel &label : marks.labels)
        cache.drawText(painter, label.fontPx, label.baseline, label.text);
}

void drawTickers(QPainter &painter, const RulerPaintState &state, RulerPaintCache &cache)
{
    layOutTickers(state, cache, nullptr);
    drawTickMarks(painter, state, cache);
}

ScalesKey scalesKeyOf(const RulerPaintState &state, qreal devicePixelRatio)
{
    ScalesKey key;
    key.frame = state.tickFrame();
    key.devicePixelRatio = devicePixelRatio;
    key.scale = state.scale;
    key.rulerColor = state.rulerColor;
    key.tickers = state.shownTickers();
    return key;
}

// Draws the tickers into the scales layer, anew only when what they look like changed.
const ScalesLayer &scalesLayer(const RulerPaintState &state, RulerPaintCache &cache, qreal devicePixelRatio)
{
    const ScalesKey key = scalesKeyOf(state, devicePixelRatio);
    if (cache.scales.isBuilt() && key == cache.scalesKey)
        return cache.scales;
    cache.scalesInk = QRegion();
    layOutTickers(state, cache, &cache.scalesInk);
    cache.scales.build(cache.scalesInk, devicePixelRatio, [&](QPainter &painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawTickMarks(painter, state, cache);
    });
    cache.scalesKey = key;
    ++cache.scalesBuilds;
    return cache.scales;
}

// Lays the part of `image` (window pixels from `origin` on) that `area` covers, rectangle by rectangle.
void drawImagePart(QPainter &painter, const QImage &image, QPoint origin, const QRegion &area)
{
    const qreal ratio = image.devicePixelRatio();
    for (const QRect &rect : area)
        painter.drawImage(QPointF(rect.topLeft()), image,
                          QRectF(QPointF(rect.topLeft() - origin) * ratio, QSizeF(rect.size()) * ratio));
}

// The scales layer over what is beneath it where `area` (within the bands) lies.
void drawScalesLayer(QPainter &painter, const RulerPaintState &state, RulerPaintCache &cache,
                     const QRegion &area)
{
    scalesLayer(state, cache, painter.device()->devicePixelRatioF()).lay(painter, area);
}

// The bands of the scales layer laid over the body and the border, as a pass lays them; anew when the
// layer, the body's colour or the border changed.
const QList<RulerPaintCache::BlendedBand> &blendedBands(const RulerPaintState &state, RulerPaintCache &cache,
                                                        qreal ratio)
{
    const ScalesLayer &layer = scalesLayer(state, cache, ratio);
    if (cache.blendedBandsBuild == cache.scalesBuilds && cache.blendedBody == state.backgroundColor &&
        cache.blendedBorder == state.on(RulerOption::ShowBorder))
        return cache.blendedBands;
    cache.blendedBands.clear();
    for (const QRect &band : std::as_const(cache.scalesInk)) {
        QImage pixels((QSizeF(band.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        pixels.setDevicePixelRatio(ratio);
        QPainter painter(&pixels);
        painter.translate(-band.topLeft());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(band, state.backgroundColor);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawBorder(painter, state, cache, QRegion());
        layer.lay(painter, band);
        painter.end();
        cache.blendedBands.append({band, pixels});
    }
    cache.blendedBandsBuild = cache.scalesBuilds;
    cache.blendedBody = state.backgroundColor;
    cache.blendedBorder = state.on(RulerOption::ShowBorder);
    return cache.blendedBands;
}

// Rows of the body copied at once: enough to lay few of them, few enough to be read from the nearest cache.
constexpr int kBodyRows = 16;

// Rows of the body with the border's sides and the guides' upright lines over them, as every row
// between the top and bottom rows looks beneath the scales where no level line or text crosses it.
QImage bodyRows(const RulerPaintState &state, RulerPaintCache &cache, const GuideMarks &guides)
{
    QImage rows(state.size.width(), std::min(kBodyRows, state.size.height()),
                QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&rows);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rows.rect(), state.backgroundColor);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Drawn as across the rows from the second on.
    painter.translate(0, -1);
    drawBorder(painter, state, cache, QRegion());
    if (state.on(RulerOption::ShowGuides)) {
        cache.rects = guides.uprightLines;
        cache.fillRects(painter, state.guidesColor);
    }
    return rows;
}

// Lays the rows over the rectangle, as many at a time as they are, Source.
void drawBodyRows(QPainter &painter, const QImage &rows, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); y += rows.height())
        painter.drawImage(
            QPoint(rect.left(), y), rows,
            QRect(rect.left(), 0, rect.width(), std::min(rows.height(), rect.bottom() + 1 - y)));
}

// Where the rows of the body are laid as bodyRows(): all but the top and bottom rows, and those of the
// "menu" text, which lies beneath the guides.
QRegion bodyRowArea(const RulerPaintState &state, RulerPaintCache &cache)
{
    QRegion area(QRect(0, 1, state.size.width(), state.size.height() - 2));
    if (state.menuText) {
        const QRect menu = menuTextBounds(state, cache);
        area -= QRect(0, menu.top(), state.size.width(), menu.height());
    }
    return area;
}

// The part of the window that the painter reaches: a paint event's region and the painter's own clip.
QRect reachOf(QPainter &painter, const QRect &window)
{
    QRect reach = window;
    const QRegion paintEventRegion = painter.paintEngine()->systemClip();
    if (!paintEventRegion.isEmpty())
        reach &= painter.deviceTransform()
                     .inverted()
                     .mapRect(QRectF(paintEventRegion.boundingRect()))
                     .toAlignedRect();
    if (painter.hasClipping())
        reach &= painter.clipBoundingRect().toAlignedRect();
    return reach;
}

// Whether the bands laid over the body beforehand land on the same device pixels as a fill and a blend
// would: the picture lies beneath the scales everywhere, and a painter that scales or shifts by part of
// a pixel would put them elsewhere.
bool laysBlendedBands(QPainter &painter, const RulerPaintState &state)
{
    if (!state.picture.isNull() || painter.paintEngine()->type() != QPaintEngine::Raster)
        return false;
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QTransform toDevice = painter.deviceTransform();
    return ratio == std::round(ratio) && toDevice.type() <= QTransform::TxScale && toDevice.m11() == ratio &&
           toDevice.m22() == ratio && toDevice.dx() == std::round(toDevice.dx()) &&
           toDevice.dy() == std::round(toDevice.dy());
}

// Draws with the painter moved to origin and turned by degrees.
template <typename Draw> void drawTurned(QPainter &painter, QPoint origin, qreal degrees, Draw draw)
{
    painter.save();
    painter.translate(origin);
    painter.rotate(degrees);
    draw();
    painter.restore();
}

void drawReadings(QPainter &painter, const RulerPaintState &state, const RulerPaintCache &cache,
                  const QList<RulerLabels::Text> &labels, const QList<int> &places)
{
    painter.save();
    painter.setPen(RulerStyle::rulerPen(state.rulerColor));
    painter.setFont(cache.reading);
    QColor textBackground = state.backgroundColor;
    textBackground.setAlpha(kTextBackgroundAlpha);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(textBackground);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const RulerLabels::Text &label = labels.at(i);
        const int place = places.at(i);
        if (place == LabelPlacement::kGivesWay)
            continue;
        drawTurned(painter, label.origins.at(place), label.degrees, [&] {
            if (label.rightAligned)
                painter.drawText(label.alignBox, Qt::AlignRight, label.text);
            else
                painter.drawText(label.baseline, label.text);
        });
    }
    painter.restore();
}

void drawCrossHair(QPainter &painter, const RulerPaintState &state)
{
    const int w = state.size.width();
    const int h = state.size.height();
    RulerStyle::drawDashedLine(painter, state.guidesColor, QPoint(w / 2, 0), QPoint(w / 2, h));
    RulerStyle::drawDashedLine(painter, state.guidesColor, QPoint(0, h / 2), QPoint(w, h / 2));
}

void drawFigure(QPainter &painter, const RulerPaintState &state, RulerPaintCache &cache,
                const FigureStyle &style)
{
    // The flying ruler carries pixel scales on all four of its edges, whatever the window shows, counted
    // from the same corner as the window's own scales.
    const FlyingRulerTicks flyingRulerTicks = [&state, &cache](QPainter &framePainter, int width,
                                                               int height) {
        TickMarks &marks = cache.tickMarks;
        marks.clear();
        TickFrame frame = state.tickFrame();
        frame.size = QSize(width, height);
        const UnitScale pixels;
        for (TickEdge edge : {TickEdge::Top, TickEdge::Bottom, TickEdge::Left, TickEdge::Right})
            TickLayout::layOut(edge, frame, pixels, marks);
        framePainter.drawLines(marks.lines);
        int currentFont = 0;
        for (const TickLabel &label : std::as_const(marks.labels)) {
            if (label.fontPx != currentFont) {
                framePainter.setFont(cache.font(label.fontPx));
                currentFont = label.fontPx;
            }
            framePainter.drawText(label.baseline, label.text);
        }
    };
    // Where window pixels are drawn, the shape comes from its kept picture. Devices that only note where
    // ink goes (the window's shape, the repaint area) and a painter that scales or shifts by part of a
    // pixel (the picture of the region on a scaled screen) are given the drawing itself.
    const QTransform toDevice = painter.deviceTransform();
    const bool wholePixels = toDevice.type() <= QTransform::TxTranslate &&
                             toDevice.dx() == std::round(toDevice.dx()) &&
                             toDevice.dy() == std::round(toDevice.dy());
    FigurePainter::ShapeDrawer keptShape;
    if (painter.paintEngine()->type() == QPaintEngine::Raster && wholePixels) {
        keptShape = [&](QPainter &target) {
            const FigureShapeKey key = FigureShapeKey::of(*state.figure, style, state.tickFrame(),
                                                          target.device()->devicePixelRatioF());
            cache.figureShape.draw(target, *state.figure, key,
                                   [&](QPainter &shapePainter, const FigureModel &model) {
                                       FigurePainter::drawShape(shapePainter, model, style, flyingRulerTicks);
                                   });
        };
    }
    painter.save();
    FigurePainter::drawFigure(painter, *state.figure, state.figureReadings, style, flyingRulerTicks,
                              keptShape);
    painter.restore();
}

// The picture, border, "menu" text and guides: what the scales are drawn over. The border and the
// guides' upright lines are left out where they are in place already.
void drawBeneathScales(QPainter &painter, const RulerPaintState &state, RulerPaintCache &cache,
                       const GuideMarks &guides, const QRegion &inPlace = QRegion())
{
    // The scales, border, guides and cross-hair are axis-aligned 1-pixel lines on whole pixels: antialiased,
    // each would smear over two half-tinted pixels. "Anti-aliasing" smooths the figure, which sets it itself.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(RulerStyle::rulerPen(state.rulerColor));
    drawPicture(painter, state);
    drawBorder(painter, state, cache, inPlace);
    drawMenuText(painter, state, cache);
    guides.draw(painter, state, cache, inPlace);
}

RulerLabels::Shown shownLabels(const RulerPaintState &state)
{
    RulerLabels::Shown shown;
    const bool readings = state.on(RulerOption::ShowReadings);
    const bool minimal = state.on(RulerOption::MinimalReadings);
    shown.full = readings && !minimal;
    shown.corner = state.on(RulerOption::ShowBottomRightLabels);
    shown.widthNumber = state.on(RulerOption::ShowWidthNumber) || (readings && minimal);
    shown.heightNumber = state.on(RulerOption::ShowHeightNumber) || (readings && minimal);
    return shown;
}

// The readings, cross-hair and figure: what is drawn over the scales.
void drawAboveScales(QPainter &painter, const RulerPaintState &state, RulerPaintCache &cache)
{
    painter.setPen(RulerStyle::rulerPen(state.rulerColor));
    const QList<RulerLabels::Text> labels =
        RulerLabels::texts(state.size, state.readings, shownLabels(state));
    const ReadingLayout::Layout layout = ReadingLayout::choose(
        labels, state.figureShown() ? state.figure : nullptr, state.figureReadings, state.figureStyle());
    drawReadings(painter, state, cache, labels, layout.rulerPlaces);
    if (state.on(RulerOption::ShowCentralPoint))
        drawCrossHair(painter, state);
    if (state.figureShown())
        drawFigure(painter, state, cache, layout.figureStyle);
}

RulerPaintCache &cacheFor(std::shared_ptr<RulerPaintCache> &cache)
{
    if (!cache)
        cache = std::make_shared<RulerPaintCache>();
    return *cache;
}
} // namespace

void drawPicture(QPainter &painter, const RulerPaintState &state)
{
    if (state.picture.isNull())
        return;
    painter.save();
    // With the SourceIn mode the picture takes the alpha of the translucent body painted before it.
    if (state.on(RulerOption::TransparentPicture))
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    // Scaling stays the fast, unsmoothed kind: every picture pixel remains a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (state.on(RulerOption::StretchPicture))
        painter.drawImage(
            PicturePlacement::targetRect(state.picture.size(), state.size, true,
                                         state.on(RulerOption::ProportionalPicture)),
            state.picture);
    else
        painter.drawImage(QPoint(0, 0), state.picture);
    painter.restore();
}

void paint(QPainter &painter, const RulerPaintState &state, std::shared_ptr<RulerPaintCache> &cache)
{
    RulerPaintCache &kept = cacheFor(cache);
    const GuideMarks guides = GuideMarks::of(state);
    const QRect window(QPoint(), state.size);
    // The body's own alpha is the ruler's transparency, not blended over anything.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!laysBlendedBands(painter, state)) {
        painter.fillRect(window, state.backgroundColor);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        drawBeneathScales(painter, state, kept, guides);
        drawScalesLayer(painter, state, kept, kept.scalesInk);
        drawAboveScales(painter, state, kept);
        return;
    }
    // Where only the body and the border lie beneath the bands, the bands are copied as they look over
    // them; the body goes everywhere else, and the bands are blended there over what lies beneath.
    const QList<RulerPaintCache::BlendedBand> &bands =
        blendedBands(state, kept, painter.device()->devicePixelRatioF());
    const QRegion laid = clearOfMarks(state, kept, guides);
    // A repaint of a part fills and copies only there.
    const QRect reach = reachOf(painter, window);
    const QRegion body = QRegion(reach) - laid;
    // Where a window pixel is a device pixel, the body's rows come with the border's sides and the
    // upright guides on them, so that these need no pass of their own down thousands of rows.
    QRegion inRows;
    if (painter.device()->devicePixelRatioF() == 1) {
        inRows = body & bodyRowArea(state, kept);
        const QImage rows = bodyRows(state, kept, guides);
        for (const QRect &rect : inRows)
            drawBodyRows(painter, rows, rect);
    }
    for (const QRect &rect : body - inRows)
        painter.fillRect(rect, state.backgroundColor);
    for (const RulerPaintCache::BlendedBand &band : bands)
        drawImagePart(painter, band.pixels, band.band.topLeft(), laid & (band.band & reach));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    drawBeneathScales(painter, state, kept, guides, laid | inRows);
    drawScalesLayer(painter, state, kept, kept.scalesInk - laid);
    drawAboveScales(painter, state, kept);
}

void drawContent(QPainter &painter, const RulerPaintState &state, std::shared_ptr<RulerPaintCache> &cache)
{
    RulerPaintCache &kept = cacheFor(cache);
    drawBeneathScales(painter, state, kept, GuideMarks::of(state));
    drawTickers(painter, state, kept);
    drawAboveScales(painter, state, kept);
}

QRegion figureArea(const RulerPaintState &state, std::shared_ptr<RulerPaintCache> &cache)
{
    if (!state.figureShown())
        return {};
    // Smoothed edges and glyphs may reach a pixel beyond the marked ink.
    constexpr int kBleed = 2;
    const auto withBleed = [](const QRectF &box) {
        return box.toAlignedRect().adjusted(-kBleed, -kBleed, kBleed, kBleed);
    };
    RulerPaintCache &kept = cacheFor(cache);
    const QList<RulerLabels::Text> labels = RulerLabels::texts(state.size, state.readings, shownLabels(state));
    const FigureStyle style = state.figureStyle();
    const ReadingLayout::Layout layout = ReadingLayout::choose(labels, state.figure, state.figureReadings, style);
    InkBounds ink(state.size);
    {
        QPainter painter(&ink);
        painter.setPen(RulerStyle::rulerPen(state.rulerColor));
        drawFigure(painter, state, kept, layout.figureStyle);
    }
    QRegion area(withBleed(ink.bounds()));
    // The figure moves the ruler's own labels aside, or makes them give way: where a label stands
    // otherwise than it would without the figure, both of its places follow the figure.
    const QList<int> alone = ReadingLayout::choose(labels, nullptr, state.figureReadings, style).rulerPlaces;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        if (layout.rulerPlaces.at(i) == alone.at(i))
            continue;
        const QList<QPolygonF> places = RulerLabels::boxes(labels.at(i));
        for (const int place : {layout.rulerPlaces.at(i), alone.at(i)}) {
            if (place != LabelPlacement::kGivesWay)
                area += withBleed(places.at(place).boundingRect());
        }
    }
    return area;
}

int scalesLayerBuilds(const std::shared_ptr<RulerPaintCache> &cache)
{
    return cache ? cache->scalesBuilds : 0;
}

} // namespace RulerPainter
