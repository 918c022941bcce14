// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulercommand.h"

#include "figure/figurekind.h"
#include "figure/figuremodel.h"

#include <QCoreApplication>
#include <array>
#include <vector>

namespace RulerCommands {
namespace {

using C = RulerCommand;
using O = RulerOption;

constexpr int kCommandCount = int(RulerCommand::Count);

const char *const kShapeNames[kShapes] = {QT_TRANSLATE_NOOP("RulerWindow", "Rectangle"),
                                          QT_TRANSLATE_NOOP("RulerWindow", "Square"),
                                          QT_TRANSLATE_NOOP("RulerWindow", "Rhombus"),
                                          QT_TRANSLATE_NOOP("RulerWindow", "Isosceles Triangle"),
                                          QT_TRANSLATE_NOOP("RulerWindow", "Right Triangle"),
                                          QT_TRANSLATE_NOOP("RulerWindow", "Circle"),
                                          QT_TRANSLATE_NOOP("RulerWindow", "Ellipse")};
const FigureKind kCornerKinds[kShapes] = {
    FigureKind::CornerRectangle,     FigureKind::CornerSquare,
    FigureKind::CornerRhombus,       FigureKind::CornerIsoscelesTriangle,
    FigureKind::CornerRightTriangle, FigureKind::CornerCircle,
    FigureKind::CornerEllipse};
const FigureKind kCentredKinds[kShapes] = {
    FigureKind::CentredRectangle,     FigureKind::CentredSquare,
    FigureKind::CentredRhombus,       FigureKind::CentredIsoscelesTriangle,
    FigureKind::CentredRightTriangle, FigureKind::CentredCircle,
    FigureKind::CentredEllipse};

struct RatioRow
{
    double ratio;
    const char *text;
};
const RatioRow kRatios[kShapes] = {
    {FigureRatio::FourToThree, QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.33333333:1 -- 4:3")},
    {FigureRatio::SixteenToNine, QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.77777778:1 -- 16:9")},
    {FigureRatio::FiveToThree, QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.66666667:1 -- 5:3")},
    {FigureRatio::ThreeToTwo, QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.5:1 -- 3:2")},
    {FigureRatio::Wide185, QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.85:1")},
    {FigureRatio::Wide239, QT_TRANSLATE_NOOP("RulerWindow", "Ratio 2.39:1")},
    {FigureRatio::Golden, QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.61803399:1 -- \"golden\" ratio")}};

constexpr double kFineTurn = 0.17578125; // 360 / 2048
constexpr double kCoarseTurn = 11.25;
constexpr double kEighthTurn = 45.0;
constexpr double kQuarterTurn = 90.0;
constexpr double kScaleUp = 1.01;
constexpr double kScaleDown = 0.99;

Entry plain(C command, const char *text, const char *shortcut = nullptr)
{
    Entry e;
    e.command = command;
    e.text = text;
    e.shortcut = shortcut;
    return e;
}

Entry checkable(C command, const char *text, const char *shortcut = nullptr)
{
    Entry e = plain(command, text, shortcut);
    e.checkable = true;
    return e;
}

// An entry that toggles an option, named by the option's table; without a menu text, a key only.
Entry toggle(C command, O option, const char *shortcut = nullptr, bool opposite = false)
{
    Entry e = checkable(command, RulerOptionTable::entry(option).menuText, shortcut);
    e.option = option;
    e.checkShowsOpposite = opposite;
    return e;
}

Entry grouped(C command, Group group, const char *text, const char *shortcut = nullptr, int shape = -1)
{
    Entry e = checkable(command, text, shortcut);
    e.group = group;
    e.shape = shape;
    return e;
}

void addMenuCommands(std::vector<Entry> &t)
{
    t.push_back(plain(C::NewRuler, QT_TRANSLATE_NOOP("RulerWindow", "New Ruler"), "Alt+N"));
    t.push_back(plain(C::CloseRuler, QT_TRANSLATE_NOOP("RulerWindow", "Close Ruler"), "Alt+W"));
    t.push_back(plain(C::BackgroundColour, QT_TRANSLATE_NOOP("RulerWindow", "Background Color"), "Alt+B"));
    t.push_back(plain(C::RulerColour, QT_TRANSLATE_NOOP("RulerWindow", "Ruler Color"), "Alt+C"));
    t.push_back(plain(C::GuidesColour, QT_TRANSLATE_NOOP("RulerWindow", "Guides Color"), "Alt+G"));
    t.push_back(plain(C::Transparency, QT_TRANSLATE_NOOP("RulerWindow", "Transparency"), "Alt+Shift+T"));
    t.push_back(toggle(C::StayOnTop, O::StayOnTop, "Alt+S"));
    t.push_back(toggle(C::SnapToScreen, O::SnapToScreen, "Alt+P"));
    t.push_back(toggle(C::LockToScreen, O::LockToScreen, "Alt+L"));
    t.push_back(checkable(C::FullScreen, QT_TRANSLATE_NOOP("RulerWindow", "Full Screen"), "Alt+F"));

    t.push_back(toggle(C::ShowFigure, O::ShowFigure, "`"));
    t.push_back(toggle(C::ShowRotationCentre, O::ShowRotationCentre, "R"));
    t.push_back(toggle(C::ShowControlPoints, O::HideControlPoints, "M", true));
    t.push_back(toggle(C::BoldControlPoints, O::BoldControlPoints, "N"));
    t.push_back(toggle(C::ShowFigureReadings, O::ShowFigureReadings, "T"));
    t.push_back(toggle(C::ShowBorder, O::ShowBorder, "B"));
    t.push_back(toggle(C::ShowReadings, O::ShowReadings, "Y"));
    t.push_back(toggle(C::MinimalReadings, O::MinimalReadings, "Alt+Shift+Y"));
    t.push_back(toggle(C::ShowBottomRightLabels, O::ShowBottomRightLabels, "Alt+Shift+R"));
    t.push_back(toggle(C::ShowCentralPoint, O::ShowCentralPoint, "Alt+Shift+C"));
    t.push_back(toggle(C::ShowGuides, O::ShowGuides, "G"));
    t.push_back(toggle(C::HoverGuides, O::HoverGuides, "H"));
    t.push_back(plain(C::ClearGuides, QT_TRANSLATE_NOOP("RulerWindow", "Clear All Guides"), "Alt+Shift+G"));
    t.push_back(checkable(C::ShowInfoPanel, QT_TRANSLATE_NOOP("RulerWindow", "Show Info Panel"), "/"));
    // Named after the side it sends the panel to; the window renames it.
    t.push_back(plain(C::PanelSide, QT_TRANSLATE_NOOP("RulerWindow", "Send Panel to Left"), "."));
    t.push_back(toggle(C::ShowTopTicker, O::ShowTopTicker));
    t.push_back(toggle(C::ShowLeftTicker, O::ShowLeftTicker));
    t.push_back(toggle(C::ShowBottomTicker, O::ShowBottomTicker));
    t.push_back(toggle(C::ShowRightTicker, O::ShowRightTicker));
    t.push_back(plain(C::ShowAllTickers, QT_TRANSLATE_NOOP("RulerWindow", "Show All Tickers")));
    t.push_back(plain(C::HideAllTickers, QT_TRANSLATE_NOOP("RulerWindow", "Hide All Tickers")));
    t.push_back(toggle(C::AntiAliasing, O::AntiAliasing, "Alt+Shift+A"));
    t.push_back(toggle(C::Megapixels, O::Megapixels));
}

void addChoiceCommands(std::vector<Entry> &t)
{
    t.push_back(grouped(C::UnitPixels, Group::Unit, QT_TRANSLATE_NOOP("RulerWindow", "Pixels")));
    for (int row = 0; row < kUnitRows; ++row)
        t.push_back(grouped(physicalUnit(row), Group::Unit, ""));
    t.push_back(plain(C::EditUnits, QT_TRANSLATE_NOOP("RulerWindow", "(Edit Units)")));
    for (int row = 0; row < kUnitRows; ++row)
        t.push_back(grouped(pixelUnit(row), Group::Unit, ""));
    t.push_back(plain(C::EditPixelUnits, QT_TRANSLATE_NOOP("RulerWindow", "(Edit Pixel-Based Units)")));

    t.push_back(grouped(C::StartTopLeft, Group::StartCorner, QT_TRANSLATE_NOOP("RulerWindow", "Top-Left")));
    t.push_back(grouped(C::StartTopRight, Group::StartCorner, QT_TRANSLATE_NOOP("RulerWindow", "Top-Right")));
    t.push_back(
        grouped(C::StartBottomLeft, Group::StartCorner, QT_TRANSLATE_NOOP("RulerWindow", "Bottom-Left")));
    t.push_back(
        grouped(C::StartBottomRight, Group::StartCorner, QT_TRANSLATE_NOOP("RulerWindow", "Bottom-Right")));
    t.push_back(grouped(C::StartFromPixelZero, Group::PixelOrigin,
                        QT_TRANSLATE_NOOP("RulerWindow", "Rulers Start With Pixel 0")));
    t.push_back(grouped(C::StartFromPixelOne, Group::PixelOrigin,
                        QT_TRANSLATE_NOOP("RulerWindow", "Rulers Start With Pixel 1")));

    t.push_back(plain(C::OpenPicture, QT_TRANSLATE_NOOP("RulerWindow", "Open Image")));
    t.push_back(checkable(C::ActualSize, QT_TRANSLATE_NOOP("RulerWindow", "Actual Size")));
    t.push_back(checkable(C::StretchPicture, QT_TRANSLATE_NOOP("RulerWindow", "Stretch Image")));
    t.push_back(toggle(C::ProportionalPicture, O::ProportionalPicture));
    t.push_back(toggle(C::TransparentPicture, O::TransparentPicture));
    t.push_back(plain(C::RulerToPictureSize, QT_TRANSLATE_NOOP("RulerWindow", "Ruler to Image Size")));
    t.push_back(plain(C::ClearPicture, QT_TRANSLATE_NOOP("RulerWindow", "Clear Image")));

    t.push_back(plain(C::Magnifier, QT_TRANSLATE_NOOP("RulerWindow", "Magnifier"), "Alt+Shift+M"));
    t.push_back(
        plain(C::PositionAndSize, QT_TRANSLATE_NOOP("RulerWindow", "Set Position / Size"), "Alt+Shift+P"));
    t.push_back(plain(C::CopyReadings, QT_TRANSLATE_NOOP("RulerWindow", "Copy Readings"), "Ctrl+C"));
    t.push_back(plain(C::CopyRegionPicture, QT_TRANSLATE_NOOP("RulerWindow", "Copy Picture of Region"),
                      "Alt+Shift+O"));
    t.push_back(plain(C::SaveRegionPicture, QT_TRANSLATE_NOOP("RulerWindow", "Save Picture of Region…"),
                      "Alt+O"));
    t.push_back(checkable(C::EdgeFinder, QT_TRANSLATE_NOOP("RulerWindow", "Edge Finder"), "E"));
}

void addFigureCommands(std::vector<Entry> &t)
{
    static const char *const digits[kShapes] = {"1", "2", "3", "4", "5", "6", "7"};
    static const char *const shifted[kShapes] = {"Shift+1", "Shift+2", "Shift+3", "Shift+4",
                                                 "Shift+5", "Shift+6", "Shift+7"};
    static const char *const alt[kShapes] = {"Alt+1", "Alt+2", "Alt+3", "Alt+4", "Alt+5", "Alt+6", "Alt+7"};
    t.push_back(grouped(C::FlyingRuler, Group::Figure, QT_TRANSLATE_NOOP("RulerWindow", "Ruler"), "0"));
    for (int i = 0; i < kShapes; ++i)
        t.push_back(grouped(cornerShape(i), Group::Figure, "%1", digits[i], i));
    for (int i = 0; i < kShapes; ++i)
        t.push_back(grouped(centeredShape(i), Group::Figure, QT_TRANSLATE_NOOP("RulerWindow", "Centered %1"),
                            shifted[i], i));
    for (int i = 0; i < kShapes; ++i)
        t.push_back(
            grouped(freeShape(i), Group::Figure, QT_TRANSLATE_NOOP("RulerWindow", "Free %1"), alt[i], i));
    for (int i = 0; i < kShapes; ++i)
        t.push_back(grouped(ratio(i), Group::Figure, kRatios[i].text, alt[i]));
    t.push_back(plain(C::SendFigureToCentre, QT_TRANSLATE_NOOP("RulerWindow", "Send to Center"), "\\"));
    t.push_back(toggle(C::ReverseAlt, O::ReverseAlt, "Alt+Shift+S"));

    t.push_back(plain(C::Preferences, QT_TRANSLATE_NOOP("RulerWindow", "Preferences"), "Alt+,"));
    t.push_back(plain(C::Help, QT_TRANSLATE_NOOP("RulerWindow", "Gradora Help"), "Alt+/"));
    t.push_back(plain(C::CheckForUpdates, QT_TRANSLATE_NOOP("RulerWindow", "Check for Updates")));
    t.push_back(plain(C::OnlineInfo, QT_TRANSLATE_NOOP("RulerWindow", "Online Info")));
    t.push_back(plain(C::RequestFeature, QT_TRANSLATE_NOOP("RulerWindow", "Request Feature")));
    t.push_back(plain(C::About, QT_TRANSLATE_NOOP("RulerWindow", "About Gradora")));
    t.push_back(plain(C::Quit, QT_TRANSLATE_NOOP("RulerWindow", "Quit"), "Alt+Q"));
}

void addKeyCommands(std::vector<Entry> &t)
{
    t.push_back(toggle(C::ShowWidthNumber, O::ShowWidthNumber));
    t.push_back(toggle(C::ShowHeightNumber, O::ShowHeightNumber));
    for (int c = int(C::ActivateOnHover); c < kCommandCount; ++c)
        t.push_back(plain(RulerCommand(c), nullptr));
}

const std::vector<Entry> &table()
{
    static const std::vector<Entry> rows = [] {
        std::vector<Entry> t;
        addMenuCommands(t);
        addChoiceCommands(t);
        addFigureCommands(t);
        addKeyCommands(t);
        for (int i = 0; i < int(t.size()); ++i)
            Q_ASSERT_X(int(t[i].command) == i, "RulerCommands", "one row per command, in enum order");
        Q_ASSERT(int(t.size()) == kCommandCount);
        return t;
    }();
    return rows;
}

} // namespace

const Entry &entry(RulerCommand command)
{
    return table()[std::size_t(command)];
}

const QList<RulerCommand> &all()
{
    static const QList<RulerCommand> commands = [] {
        QList<RulerCommand> list;
        for (const Entry &row : table())
            list.append(row.command);
        return list;
    }();
    return commands;
}

QString text(RulerCommand command)
{
    const Entry &row = entry(command);
    if (!row.text || !*row.text)
        return {};
    const QString text = QCoreApplication::translate("RulerWindow", row.text);
    if (row.shape < 0)
        return text;
    return text.arg(QCoreApplication::translate("RulerWindow", kShapeNames[row.shape]));
}

bool hasMenuEntry(RulerCommand command)
{
    return entry(command).text != nullptr;
}

RulerCommand physicalUnit(int row)
{
    return RulerCommand(int(C::PhysicalUnitFirst) + row);
}

RulerCommand pixelUnit(int row)
{
    return RulerCommand(int(C::PixelUnitFirst) + row);
}

RulerCommand cornerShape(int shape)
{
    return RulerCommand(int(C::CornerShapeFirst) + shape);
}

RulerCommand centeredShape(int shape)
{
    return RulerCommand(int(C::CenteredShapeFirst) + shape);
}

RulerCommand freeShape(int shape)
{
    return RulerCommand(int(C::FreeShapeFirst) + shape);
}

RulerCommand ratio(int index)
{
    return RulerCommand(int(C::RatioFirst) + index);
}

bool inRange(RulerCommand command, RulerCommand first, int count)
{
    return int(command) >= int(first) && int(command) < int(first) + count;
}

std::optional<FigureKind> figureKindOf(RulerCommand command)
{
    if (command == C::FlyingRuler)
        return FigureKind::FlyingRuler;
    if (inRange(command, C::CornerShapeFirst, kShapes))
        return kCornerKinds[int(command) - int(C::CornerShapeFirst)];
    if (inRange(command, C::CenteredShapeFirst, kShapes))
        return kCentredKinds[int(command) - int(C::CenteredShapeFirst)];
    return std::nullopt;
}

double ratioOf(RulerCommand command)
{
    return inRange(command, C::RatioFirst, kShapes) ? kRatios[int(command) - int(C::RatioFirst)].ratio : 0;
}

double turnOf(RulerCommand command)
{
    switch (command) {
    case C::TurnFigureFine:
        return kFineTurn;
    case C::TurnFigureFineBack:
        return -kFineTurn;
    case C::TurnFigureCoarse:
        return kCoarseTurn;
    case C::TurnFigureCoarseBack:
        return -kCoarseTurn;
    case C::TurnFigureEighth:
        return kEighthTurn;
    case C::TurnFigureEighthBack:
        return -kEighthTurn;
    case C::TurnFigureQuarter:
        return kQuarterTurn;
    case C::TurnFigureQuarterBack:
        return -kQuarterTurn;
    default:
        return 0;
    }
}

double scaleOf(RulerCommand command)
{
    if (command == C::GrowFigure)
        return kScaleUp;
    return command == C::ShrinkFigure ? kScaleDown : 1;
}

QPoint directionOf(RulerCommand command)
{
    switch (command) {
    case C::NudgeFigureUp:
    case C::StepUp:
        return {0, -1};
    case C::NudgeFigureDown:
    case C::StepDown:
        return {0, 1};
    case C::NudgeFigureLeft:
    case C::StepLeft:
        return {-1, 0};
    case C::NudgeFigureRight:
    case C::StepRight:
        return {1, 0};
    default:
        return {};
    }
}

} // namespace RulerCommands
