// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figurekind.h"
#include "figure/figureratios.h"
#include "render/unitscale.h"
#include "ruler/commands/conventionkeys.h"
#include "ruler/input/modifierlatch.h"
#include "prefs/ruleroptions.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <array>
#include <optional>
#include <vector>

struct RulerParts;

// Everything a user can ask of a ruler from its menu or its keys, declared once in a table: one row per
// command holds the entry's text, the shortcut the menu shows, whether it carries a check mark, the
// exclusive group it belongs to, the option it toggles, the keys that reach it, its place in the menu
// and what the ruler does for it. The menu is built from the rows; commandForKey() maps a key press to
// a command. The menu only shows the shortcuts: the keys reach the ruler, which asks commandForKey().
enum class RulerCommand
{
    NewRuler,
    CloseRuler,
    BackgroundColor,
    RulerColor,
    GuidesColor,
    Transparency,
    StayOnTop,
    SnapToScreen,
    LockToScreen,
    FullScreen,

    ShowFigure,
    ShowRotationCenter,
    ShowControlPoints,
    BoldControlPoints,
    ShowFigureReadings,
    ShowBorder,
    ShowReadings,
    MinimalReadings,
    ShowBottomRightLabels,
    ShowCentralPoint,
    ShowGuides,
    HoverGuides,
    ClearGuides,
    ShowInfoPanel,
    PanelSide,
    ShowTopTicker,
    ShowLeftTicker,
    ShowBottomTicker,
    ShowRightTicker,
    ShowAllTickers,
    HideAllTickers,
    AntiAliasing,
    Megapixels,

    // The unit entries: "Pixels", then one per row of each unit table, named after the row's unit.
    UnitPixels,
    PhysicalUnitFirst,
    PhysicalUnitLast = PhysicalUnitFirst + 9,
    EditUnits,
    PixelUnitFirst,
    PixelUnitLast = PixelUnitFirst + 9,
    EditPixelUnits,

    StartTopLeft,
    StartTopRight,
    StartBottomLeft,
    StartBottomRight,
    StartFromPixelZero,
    StartFromPixelOne,

    OpenPicture,
    ActualSize,
    StretchPicture,
    ProportionalPicture,
    TransparentPicture,
    RulerToPictureSize,
    ClearPicture,

    Magnifier,
    PositionAndSize,
    CopyReadings,
    CopyRegionPicture,
    SaveRegionPicture,
    EdgeFinder,

    // The figure kinds: the flying ruler, then the shapes placed by a corner, by the centre and
    // "free" (reserved: never shown, they change nothing), then the rectangles of a fixed ratio.
    FlyingRuler,
    CornerShapeFirst,
    CenteredShapeFirst = CornerShapeFirst + FigureKinds::kShapeCount,
    FreeShapeFirst = CenteredShapeFirst + FigureKinds::kShapeCount,
    RatioFirst = FreeShapeFirst + FigureKinds::kShapeCount,
    RatioLast = RatioFirst + kRatioRectangleCount - 1,
    SendFigureToCenter,
    ReverseAlt,

    Preferences,
    Help,
    CheckForUpdates,
    OnlineInfo,
    RequestFeature,
    About,
    Quit,

    // Keys only.
    ShowWidthNumber,
    ShowHeightNumber,
    ActivateOnHover,
    SaveAndQuit,
    TurnFigureFine,
    TurnFigureFineBack,
    TurnFigureCoarse,
    TurnFigureCoarseBack,
    TurnFigureEighth,
    TurnFigureEighthBack,
    TurnFigureQuarter,
    TurnFigureQuarterBack,
    GrowFigure,
    ShrinkFigure,
    NudgeFigureUp,
    NudgeFigureDown,
    NudgeFigureLeft,
    NudgeFigureRight,
    ToggleFigurePlacement,
    RecomputeFigure,
    StepLeft,
    StepRight,
    StepUp,
    StepDown,

    Count
};

namespace RulerCommands {

inline constexpr int kUnitRows = 10;
inline constexpr int kShapes = FigureKinds::kShapeCount;

// Entries that only one choice of a group can have checked.
enum class Group
{
    None,
    Unit,
    Figure,
    StartCorner,
    PixelOrigin,
};

// Where an entry stands: the top level above the submenus (Window) or below them (Program), or a
// submenu; entries stand in table order.
enum class Menu
{
    None,
    Window,
    View,
    Unit,
    StartPoint,
    Image,
    Figure,
    Tools,
    Program,
};

// How a key reaches a command: with the Alt+Shift chord, with exactly Alt held, whatever is held, or
// as a digit of the figure kinds (plain, with the Shift role, with the Alt role).
enum class Chord
{
    AltShift,
    ExactlyAlt,
    Plain,
    Digit,
    ShiftDigit,
    AltDigit,
};

struct Key
{
    int key = 0;
    Chord chord = Chord::Plain;
};

using Handler = void (*)(RulerParts &ruler, RulerCommand command);

// How far a command that turns, scales, nudges or steps goes.
struct Amount
{
    double turn = 0; // degrees
    double scale = 1;
    QPoint direction;
};

struct Entry
{
    RulerCommand command;
    // Untranslated, context "RulerWindow"; "%1" takes the shape's name. Empty for a unit (named after
    // its table row), nullptr for a command that has only a key.
    const char *text = nullptr;
    // As QKeySequence reads it; nullptr where the menu shows none.
    const char *shortcut = nullptr;
    bool checkable = false;
    Group group = Group::None;
    // The option it toggles; its check mark shows the option (or its opposite).
    std::optional<RulerOption> option;
    bool checkShowsOpposite = false;
    int shape = -1; // the shape whose name "%1" takes
    Menu menu = Menu::None;
    bool separatorBefore = false;
    std::array<Key, 2> keys{};
    // The desktop's convention that also reaches it (F1, Ctrl+Q …).
    ConventionKeys::Command convention = ConventionKeys::Command::None;
    Handler handler = nullptr;
    Amount amount;

    Entry &show(const char *menuText, const char *shownShortcut = nullptr);
    Entry &in(Menu place, bool afterSeparator = false);
    Entry &key(int code, Chord chord = Chord::Plain);
    Entry &conventionally(ConventionKeys::Command command);
    Entry &check(Group choiceGroup = Group::None);
    Entry &by(Amount step);
};

// The rows, one per command in enum order. They are written with their handlers
// (ruler/window/commandrows.cpp), so that a command is declared in one place.
const std::vector<Entry> &table();
const Entry &entry(RulerCommand command);
// Every command, in table order.
const QList<RulerCommand> &all();

// The entry's text as the user reads it (translated, without mnemonic); empty for a key-only command
// and for the units.
QString text(RulerCommand command);
bool hasMenuEntry(RulerCommand command);

// The commands of a group and the place of one in it.
RulerCommand physicalUnit(int row);
RulerCommand pixelUnit(int row);
RulerCommand cornerShape(int shape);
RulerCommand centeredShape(int shape);
RulerCommand freeShape(int shape);
RulerCommand ratio(int index);
bool inRange(RulerCommand command, RulerCommand first, int count);

// The unit an entry of the "Unit" menu chooses (none for any other command), and the entry of a unit.
std::optional<UnitChoice> unitOf(RulerCommand command);
RulerCommand unitCommand(const UnitChoice &unit);

// The figure kind a shape command makes; none for any other command.
std::optional<FigureKind> figureKindOf(RulerCommand command);
// The ratio a ratio command locks; 0 for any other command.
double ratioOf(RulerCommand command);

// A key press as the ruler sees it.
struct KeyPress
{
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    // The modifier roles from this event alone (ModifierLatch::fromKey).
    ModifierLatch::Chord chord;
    bool fullScreen = false;
};

// Which rule decided: the ruler takes the key's modifier roles after a desktop convention, and
// prepares for a plain key (cursor, steps) only where no convention or chord took it.
enum class KeyStage
{
    Convention,
    Chord,
    Plain,
};

struct KeyDecision
{
    std::optional<RulerCommand> command;
    KeyStage stage = KeyStage::Plain;
};

// The command of a key press: the desktop's conventions (F1, Ctrl+Q, Ctrl+W, Escape in full
// screen), the Alt+Shift chords, the exactly-Alt keys, the arrows, the figure keys and the option
// keys, in that order.
KeyDecision decideKey(const KeyPress &press);
inline std::optional<RulerCommand> commandForKey(const KeyPress &press)
{
    return decideKey(press).command;
}

} // namespace RulerCommands
