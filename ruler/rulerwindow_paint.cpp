// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The paint pass: the whole window is drawn from its state, in one pass.
#include "ruler/rulerwindow.h"

#include "figure/arealineplacement.h"
#include "figure/figurepainter.h"
#include "figure/figurereadings.h"
#include "ruler/infopanel.h"
#include "render/rulerstyle.h"

#include <QAction>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <algorithm>
#include <cmath>

// What one pass leaves for the next. A font made anew looks its glyphs up again and a number drawn
// with drawText() is shaped again on every pass; kept here, the fonts resolve once and each number is
// laid out once.
struct RulerPaintCache
{
    QFont small = RulerStyle::font(RulerStyle::kSmallFontPx);
    QFont smallUnderlined = RulerStyle::font(RulerStyle::kSmallFontPx, true);
    QFont number = RulerStyle::font(RulerStyle::kNumberFontPx);
    QFont reading = RulerStyle::font(RulerStyle::kReadingFontPx);
    QHash<QString, QStaticText> smallTexts;
    QHash<QString, QStaticText> numberTexts;
    // The tick lines as 1-pixel-wide rectangles: filled in one call, far cheaper than stroked.
    QList<QRect> rects;

    const QFont &font(int pixelSize) const { return pixelSize == RulerStyle::kSmallFontPx ? small : number; }

    // Writes text from its baseline start, as drawText() does, in the painter's pen colour.
    void drawText(QPainter &painter, int fontPx, QPoint baseline, const QString &text)
    {
        const bool isSmall = fontPx == RulerStyle::kSmallFontPx;
        QHash<QString, QStaticText> &texts = isSmall ? smallTexts : numberTexts;
        // Numbers and guide labels repeat from pass to pass; an endless variety would only fill memory.
        if (texts.size() >= kMaxTexts)
            texts.clear();
        auto found = texts.find(text);
        if (found == texts.end()) {
            QStaticText laidOut(text);
            laidOut.setTextFormat(Qt::PlainText);
            found = texts.insert(text, laidOut);
        }
        const QFont &textFont = isSmall ? small : number;
        painter.setFont(textFont);
        // A static text is placed by its top-left corner, one ascent above the baseline.
        const qreal ascent = isSmall ? smallAscent : numberAscent;
        painter.drawStaticText(QPointF(baseline.x(), baseline.y() - ascent), *found);
    }

    // Fills each line, both end pixels included, in the colour.
    void fillLines(QPainter &painter, const QList<QLine> &lines, const QColor &colour)
    {
        rects.resize(0);
        rects.reserve(lines.size());
        for (const QLine &line : lines)
            rects.append(QRect(QPoint(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2())),
                               QPoint(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2()))));
        fillRects(painter, colour);
    }

    void fillRects(QPainter &painter, const QColor &colour)
    {
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRects(rects.constData(), int(rects.size()));
        painter.restore();
    }

private:
    static constexpr qsizetype kMaxTexts = 4096;
    qreal smallAscent = QFontMetricsF(small).ascent();
    qreal numberAscent = QFontMetricsF(number).ascent();
};

namespace {
constexpr int kMinimumBackgroundAlpha = 25;
constexpr int kTextBackgroundAlpha = 128;
constexpr QPoint kMenuTextOffset(108, 55); // from the top-right corner
// Guide labels: a horizontal guide's ends this far left of the right edge, above the line with the zero
// at the top and below it otherwise; a vertical guide's stands this far above the bottom edge, after
// the line when the zero is at the right.
constexpr int kGuideLabelRightInset = 47;
constexpr int kGuideLabelAboveLine = 5;
constexpr int kGuideLabelBelowLine = 15;
constexpr int kGuideLabelFromBottom = 58;
constexpr int kGuideLabelAfterLine = 9;

// How far a guide label starts left of its anchor, by the number of digits of its value.
int labelShift(double value)
{
    int shift = value < 10 ? 15 : value < 100 ? 22 : value < 1000 ? 29 : 36;
    if (value != std::floor(value))
        shift += 20;
    return shift;
}

RulerPaintCache &cacheOf(const RulerWindow &ruler)
{
    if (!ruler.paintCache)
        ruler.paintCache = std::make_shared<RulerPaintCache>();
    return *ruler.paintCache;
}
} // namespace

ReadingScale RulerWindow::readingScale() const
{
    ReadingScale reading;
    reading.pixelMode = scale.unitKind == UnitScale::Pixels;
    reading.pixelsPerUnitX = scale.pixelsPerUnitX;
    reading.pixelsPerUnitY = scale.pixelsPerUnitY;
    reading.unitLabel = scale.unitLabel;
    return reading;
}

void RulerWindow::applyColourLimits()
{
    if (backgroundColor.alpha() < kMinimumBackgroundAlpha)
        backgroundColor.setAlpha(kMinimumBackgroundAlpha);
    rulerColor.setAlpha(255);
    backgroundAlpha = float(backgroundColor.alphaF());
}

void RulerWindow::paintEvent(QPaintEvent *)
{
    applyColourLimits();
    QPalette colours = palette();
    if (colours.brush(QPalette::Window) != QBrush(backgroundColor)) {
        colours.setBrush(QPalette::All, QPalette::Window, QBrush(backgroundColor));
        setPalette(colours);
    }
    setAutoFillBackground(true);

    const FigureReadings figureReadings =
        FigureReadings::measure(figure, figureUnits(), {size(), zeroAtLeft, zeroAtBottom, rulerStartsFrom1});
    if (isActiveWindow())
        readings = ReadingText::rulerReadings(size(), readingScale(), actMegapixel->isChecked());
    // The panel describes its owner, whichever window is active: its ruler part is always current.
    if (infoPanel && infoPanel->owner == this)
        writePanelTexts(figureReadings);

    QPainter painter(this);
    // The body's own alpha is the ruler's transparency, not blended over anything.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), backgroundColor);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    drawContent(painter, figureReadings);
    painter.end();
    noteShapeAfterPaint();
}

void RulerWindow::drawContent(QPainter &painter, const FigureReadings &figureReadings) const
{
    // The scales, border, guides and cross-hair are axis-aligned 1-pixel lines on whole pixels: antialiased,
    // each would smear over two half-tinted pixels. "Anti-aliasing" smooths the figure, which sets it itself.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(RulerStyle::rulerPen(rulerColor));

    drawPicture(painter);
    drawBorder(painter);
    drawMenuText(painter);
    if (showGuides)
        drawGuides(painter);
    drawTickers(painter);

    FigureStyle style = figureStyle();
    AreaLinePlacement::Choice areaLines{AreaLinePlacement::rulerPlaces(size()).first()};
    if (flyingFigureVisible)
        areaLines = AreaLinePlacement::choose(size(), rulerAreaLine(), figure, figureReadings, style);
    style.areaLinePlace = areaLines.figurePlace;
    drawReadings(painter, areaLines.rulerBaseline);
    if (crossHairVisible)
        drawCrossHair(painter);
    if (flyingFigureVisible)
        drawFigure(painter, figureReadings, style);
}

QString RulerWindow::rulerAreaLine() const
{
    if (!showRulerReadings || R_M_MinimalReadings || width() < ReadingText::kLongCaptionWidth)
        return {};
    return readings.areaText + QStringLiteral(" | ") + readings.perimeterText;
}

void RulerWindow::drawBorder(QPainter &painter) const
{
    if (!borderVisible)
        return;
    // The outermost ring of pixels: the top and bottom rows, then the columns between them.
    RulerPaintCache &cache = cacheOf(*this);
    const int w = width();
    const int h = height();
    cache.rects.resize(0);
    cache.rects.append(QRect(0, 0, w, 1));
    cache.rects.append(QRect(0, h - 1, w, 1));
    if (h > 2) {
        cache.rects.append(QRect(0, 1, 1, h - 2));
        cache.rects.append(QRect(w - 1, 1, 1, h - 2));
    }
    cache.fillRects(painter, rulerColor);
}

void RulerWindow::drawMenuText(QPainter &painter) const
{
    if (!preferences || !preferences->showTopRightMenu())
        return;
    const RulerPaintCache &cache = cacheOf(*this);
    painter.setFont(menuButtonHover ? cache.smallUnderlined : cache.small);
    painter.setPen(RulerStyle::rulerPen(rulerColor));
    painter.drawText(QPoint(width() - kMenuTextOffset.x(), kMenuTextOffset.y()), tr("menu"));
}

void RulerWindow::drawGuides(QPainter &painter) const
{
    RulerPaintCache &cache = cacheOf(*this);
    const int w = width();
    const int h = height();
    QList<int> horizontal = horizontalGuides;
    std::sort(horizontal.begin(), horizontal.end());
    QList<int> vertical = verticalGuides;
    std::sort(vertical.begin(), vertical.end());

    cache.rects.resize(0);
    for (int y : std::as_const(horizontal))
        cache.rects.append(QRect(0, y, w, 1));
    for (int x : std::as_const(vertical))
        cache.rects.append(QRect(x, 0, 1, h));
    cache.fillRects(painter, guidesColor);

    painter.save();
    painter.setPen(RulerStyle::guidePen(guidesColor));
    const ReadingScale scale = readingScale();
    const int origin = rulerStartsFrom1 ? 1 : 0;
    for (int y : std::as_const(horizontal)) {
        const QString label = ReadingText::lengthY(y + origin, scale);
        const int baseline = zeroAtBottom ? y + kGuideLabelBelowLine : y - kGuideLabelAboveLine;
        const int left = w - kGuideLabelRightInset - labelShift(label.toDouble());
        cache.drawText(painter, RulerStyle::kNumberFontPx, QPoint(left, baseline), label);
    }
    for (int x : std::as_const(vertical)) {
        // Numbered from 1, the position counts one more before it is measured from the zero's edge.
        const int position = x + origin;
        const int distance = zeroAtLeft ? position : w - position;
        const QString label = ReadingText::lengthX(distance, scale);
        const int left = zeroAtLeft ? x - labelShift(label.toDouble()) : x + kGuideLabelAfterLine;
        cache.drawText(painter, RulerStyle::kNumberFontPx, QPoint(left, h - kGuideLabelFromBottom), label);
    }

    if (hoverGuides && (guideMode == 3 || cursor().shape() == Qt::SplitVCursor)) {
        painter.setFont(cache.number);
        drawGuideSpacing(painter);
    }
    painter.restore();
}

void RulerWindow::drawGuideSpacing(QPainter &painter) const
{
    QList<int> guides = horizontalGuides;
    std::sort(guides.begin(), guides.end());
    painter.setPen(RulerStyle::guideDashPen(guidesColor));
    const ReadingScale scale = readingScale();
    int previous = 0;
    for (int i = 0; i < guides.size(); ++i) {
        int distance = guides.at(i) - previous + 1;
        if (i == 0 && rulerStartsFrom1 && !zeroAtBottom)
            distance -= 1;
        // Each spacing is written beside the pointer, halfway between its two guides.
        const int middle = (guides.at(i) + previous) / 2;
        painter.drawText(QPoint(lastLocalPos.x() + 12, middle + 4), ReadingText::lengthY(distance, scale));
        previous = guides.at(i);
    }
}

void RulerWindow::drawTickers(QPainter &painter) const
{
    tickMarks.clear();
    const TickFrame frame{size(), zeroAtLeft, zeroAtBottom, rulerStartsFrom1};
    const std::pair<bool, TickEdge> tickers[] = {{topTickerVisible, TickEdge::Top},
                                                 {bottomTickerVisible, TickEdge::Bottom},
                                                 {leftTickerVisible, TickEdge::Left},
                                                 {rightTickerVisible, TickEdge::Right}};
    for (const auto &[visible, edge] : tickers) {
        if (visible)
            TickLayout::layOut(edge, frame, scale, tickMarks);
    }
    RulerPaintCache &cache = cacheOf(*this);
    cache.fillLines(painter, tickMarks.lines, rulerColor);
    painter.setPen(RulerStyle::rulerPen(rulerColor));
    for (const TickLabel &label : std::as_const(tickMarks.labels))
        cache.drawText(painter, label.fontPx, label.baseline, label.text);
}

void RulerWindow::writePanelTexts(const FigureReadings &figureReadings)
{
    const PanelReadings panelTexts =
        ReadingText::panelReadings(geometry(), readingScale(), actMegapixel->isChecked());
    infoPanel->rulerTexts = {panelTexts.left,  panelTexts.top,    panelTexts.right, panelTexts.bottom,
                             panelTexts.width, panelTexts.height, panelTexts.area,  panelTexts.perimeter};
    infoPanel->showFigurePart = flyingFigureVisible;
    if (flyingFigureVisible) {
        const FigurePanelTexts figureTexts = figureReadings.panelTexts();
        infoPanel->figureTexts = {figureTexts.width,     figureTexts.height, figureTexts.area,
                                  figureTexts.perimeter, figureTexts.angle,  figureTexts.centreX,
                                  figureTexts.centreY};
        infoPanel->showSecondFigureLength = figureTexts.showHeight;
        infoPanel->showExtraSide = figureTexts.showSide;
        infoPanel->extraSide = InfoPanel::ExtraSide(figureTexts.sideKind);
        infoPanel->extraSideText = figureTexts.side;
    }
    infoPanel->updateTexts();
}

void RulerWindow::drawReadings(QPainter &painter, QPoint areaLineBaseline) const
{
    const int w = width();
    const int h = height();
    painter.save();
    painter.setPen(RulerStyle::rulerPen(rulerColor));
    painter.setFont(cacheOf(*this).reading);
    QColor textBackground = backgroundColor;
    textBackground.setAlpha(kTextBackgroundAlpha);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(textBackground);

    // Draws text with the painter moved to origin and turned by degrees.
    auto at = [&painter](QPoint origin, qreal degrees, auto draw) {
        painter.save();
        painter.translate(origin);
        painter.rotate(degrees);
        draw();
        painter.restore();
    };
    const QRect box(0, 0, 100, 100);
    const QRect leftOfBox(-45, 0, 100, 100);

    if (showRulerReadings && !R_M_MinimalReadings) {
        at({50, h / 2 + 28}, 270, [&] { painter.drawText(QPoint(0, 0), readings.heightText); });
        at({w - 50, h / 2 - 30}, 90, [&] { painter.drawText(QPoint(0, 0), readings.heightText); });
        painter.drawText(QPoint(w / 2 - 29, 50), readings.widthText);
        painter.drawText(QPoint(w / 2 - 29, h - 40), readings.widthText);
        const QString areaLine = rulerAreaLine();
        if (!areaLine.isEmpty())
            painter.drawText(areaLineBaseline, areaLine);
    }
    if (bottmRightLabel) {
        at({w - 100, h - 45}, 0, [&] { painter.drawText(leftOfBox, Qt::AlignRight, readings.widthText); });
        at({w - 30, h - 140}, 90, [&] { painter.drawText(box, Qt::AlignRight, readings.heightText); });
    }
    const bool minimal = showRulerReadings && R_M_MinimalReadings;
    if (R_M_Width || minimal)
        at({w - 100, h / 2}, 0, [&] { painter.drawText(leftOfBox, Qt::AlignRight, readings.widthNumber); });
    if (R_M_Height || minimal)
        at({w / 2, h - 145}, 90, [&] { painter.drawText(box, Qt::AlignRight, readings.heightNumber); });
    painter.restore();
}

void RulerWindow::drawCrossHair(QPainter &painter) const
{
    painter.save();
    painter.setPen(RulerStyle::guideDashPen(guidesColor));
    painter.drawLine(width() / 2, 0, width() / 2, height());
    painter.drawLine(0, height() / 2, width(), height() / 2);
    painter.restore();
}

FigureUnits RulerWindow::figureUnits() const
{
    FigureUnits units;
    units.scale = scale;
    units.megapixels = actMegapixel->isChecked();
    return units;
}

FigureStyle RulerWindow::figureStyle() const
{
    FigureStyle style;
    style.rulerColor = rulerColor;
    style.backgroundColor = backgroundColor;
    style.guidesColor = guidesColor;
    style.window = size();
    style.antiAliasing = antiAliasing;
    style.noControlPoints = noControlPoints;
    style.boldControlPoints = boldControlPoints;
    style.showMasterPointLines = showMasterPointLines;
    style.showOnFigureReadings = showOnFigureReadings;
    return style;
}

void RulerWindow::drawFigure(QPainter &painter, const FigureReadings &figureReadings,
                         const FigureStyle &style) const
{
    // The flying ruler carries pixel scales on all four of its edges, whatever the window shows, counted
    // from the same corner as the window's own scales.
    const FlyingRulerTicks flyingRulerTicks = [this](QPainter &framePainter, int figureWidth,
                                                     int figureHeight) {
        tickMarks.clear();
        const TickFrame frame{QSize(figureWidth, figureHeight), zeroAtLeft, zeroAtBottom, rulerStartsFrom1};
        const UnitScale pixels;
        for (TickEdge edge : {TickEdge::Top, TickEdge::Bottom, TickEdge::Left, TickEdge::Right})
            TickLayout::layOut(edge, frame, pixels, tickMarks);
        framePainter.drawLines(tickMarks.lines);
        const RulerPaintCache &cache = cacheOf(*this);
        int currentFont = 0;
        for (const TickLabel &label : std::as_const(tickMarks.labels)) {
            if (label.fontPx != currentFont) {
                framePainter.setFont(cache.font(label.fontPx));
                currentFont = label.fontPx;
            }
            framePainter.drawText(label.baseline, label.text);
        }
    };
    painter.save();
    FigurePainter::drawFigure(painter, figure, figureReadings, style, flyingRulerTicks);
    painter.restore();
}
