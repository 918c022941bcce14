// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/readinglayout.h"

#include "figure/figuremodel.h"
#include "figure/figurereadings.h"
#include "render/labelplacement.h"

#include <array>

namespace ReadingLayout {

namespace {

using Place = FigureStyle::AreaLinePlace;
constexpr std::array<Place, 3> kAreaLinePlaces{Place::Below, Place::Above, Place::Inside};

// One label of either kind: a ruler label by its index, or a figure text by its role.
struct Entry
{
    qsizetype rulerIndex = -1;
    FigureText::Role figureRole = FigureText::Width;
    LabelPlacement::Places places;
};

bool isFigureReading(FigureText::Role role)
{
    return role != FigureText::AreaLine && role != FigureText::CenterX && role != FigureText::CenterY;
}

// The figure's texts by role; the area line's places in the order of kAreaLinePlaces.
QList<Entry> figureEntries(const FigureModel &figure, const FigureReadings &readings,
                           const FigureStyle &style)
{
    QList<Entry> entries;
    FigureStyle placed = style;
    placed.hiddenTexts.clear();
    for (const FigureText &text : FigurePainter::readingTexts(figure, readings, placed))
        entries.append({-1, text.role, {figureTextBox(text)}});
    for (Entry &entry : entries) {
        if (entry.figureRole != FigureText::AreaLine)
            continue;
        entry.places.clear();
        for (Place place : kAreaLinePlaces) {
            placed.areaLinePlace = place;
            for (const FigureText &text : FigurePainter::readingTexts(figure, readings, placed)) {
                if (text.role == FigureText::AreaLine)
                    entry.places.append(figureTextBox(text));
            }
        }
    }
    return entries;
}

bool isFirstRulerReading(RulerLabels::Label label)
{
    using L = RulerLabels::Label;
    return label == L::WidthAtTop || label == L::HeightAtLeft || label == L::AreaLine;
}

// Both kinds of labels, most important first.
QList<Entry> ordered(const QList<RulerLabels::Text> &ruler, const QList<Entry> &figure)
{
    QList<Entry> entries;
    const auto addFigure = [&](auto belongs) {
        for (const Entry &entry : figure) {
            if (belongs(entry.figureRole))
                entries.append(entry);
        }
    };
    const auto addRuler = [&](bool first) {
        for (qsizetype i = 0; i < ruler.size(); ++i) {
            if (isFirstRulerReading(ruler.at(i).label) == first)
                entries.append({i, FigureText::Width, RulerLabels::boxes(ruler.at(i))});
        }
    };
    addFigure(isFigureReading);
    addRuler(true);
    addFigure([](FigureText::Role role) { return role == FigureText::AreaLine; });
    addRuler(false);
    addFigure(
        [](FigureText::Role role) { return role == FigureText::CenterX || role == FigureText::CenterY; });
    return entries;
}

} // namespace

QPolygonF figureTextBox(const FigureText &text)
{
    return text.frame.map(QPolygonF(RulerLabels::textBox(text.text, text.position)));
}

Layout choose(const QList<RulerLabels::Text> &ruler, const FigureModel *figure,
              const FigureReadings &readings, const FigureStyle &style)
{
    const QList<Entry> figureTexts =
        figure && figure->visible ? figureEntries(*figure, readings, style) : QList<Entry>();
    const QList<Entry> entries = ordered(ruler, figureTexts);
    QList<LabelPlacement::Places> places;
    for (const Entry &entry : entries)
        places.append(entry.places);
    const QList<int> chosen = LabelPlacement::choose(places);

    Layout layout{QList<int>(ruler.size(), LabelPlacement::kGivesWay), style};
    layout.figureStyle.hiddenTexts.clear();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries.at(i);
        if (entry.rulerIndex >= 0) {
            layout.rulerPlaces[entry.rulerIndex] = chosen.at(i);
        } else if (chosen.at(i) == LabelPlacement::kGivesWay) {
            layout.figureStyle.hiddenTexts.append(entry.figureRole);
        } else if (entry.figureRole == FigureText::AreaLine) {
            layout.figureStyle.areaLinePlace = kAreaLinePlaces.at(chosen.at(i));
        }
    }
    return layout;
}

} // namespace ReadingLayout
