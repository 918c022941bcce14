// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulermenu.h"

#include "prefs/unittablerules.h"
#include "ruler/commands/mnemonics.h"
#include "ruler/window/ruleroptions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

using namespace RulerCommands;

namespace {

using C = RulerCommand;
// Stands for a separator in a layout.
constexpr RulerCommand kSeparator = RulerCommand::Count;

QList<RulerCommand> range(RulerCommand first, int count)
{
    QList<RulerCommand> commands;
    for (int i = 0; i < count; ++i)
        commands.append(RulerCommand(int(first) + i));
    return commands;
}

QList<RulerCommand> unitLayout()
{
    QList<RulerCommand> layout{C::UnitPixels};
    layout << range(C::PhysicalUnitFirst, kUnitRows) << C::EditUnits << kSeparator
           << range(C::PixelUnitFirst, kUnitRows) << C::EditPixelUnits;
    return layout;
}

QList<RulerCommand> figureLayout()
{
    QList<RulerCommand> layout{C::FlyingRuler, kSeparator};
    layout << range(C::CornerShapeFirst, kShapes) << kSeparator << range(C::CenteredShapeFirst, kShapes)
           << kSeparator << range(C::RatioFirst, kShapes) << kSeparator << C::SendFigureToCentre
           << C::ReverseAlt;
    return layout;
}

} // namespace

RulerMenu::RulerMenu(QObject *parent) : QObject(parent)
{
    createActions();
    createSubmenus();
}

RulerMenu::~RulerMenu()
{
    delete m_contextMenu;
    qDeleteAll(m_submenus);
}

QAction *RulerMenu::action(RulerCommand command) const
{
    return command < RulerCommand::Count ? m_actions[std::size_t(command)] : nullptr;
}

void RulerMenu::createActions()
{
    for (QActionGroup *&group : m_groups)
        group = new QActionGroup(this);
    for (RulerCommand command : all()) {
        const Entry &row = entry(command);
        if (!hasMenuEntry(command))
            continue;
#if !GRADORA_UPDATE_CHECK
        if (command == C::CheckForUpdates)
            continue;
#endif
        auto *action = new QAction(text(command), this);
        if (row.shortcut) {
            // Shown only: the ruler maps its keys itself, so no shortcut may take a key away from it.
            action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        action->setCheckable(row.checkable);
        if (row.group != Group::None)
            m_groups[std::size_t(row.group)]->addAction(action);
        connect(action, &QAction::triggered, this, [this, command] { emit triggered(command); });
        m_actions[std::size_t(command)] = action;
    }
    // Unit rows show only once they have a name.
    for (int row = 0; row < kUnitRows; ++row) {
        for (RulerCommand unit : {physicalUnit(row), pixelUnit(row)}) {
            setEnabled(unit, false);
            setVisible(unit, false);
        }
    }
}

QMenu *RulerMenu::submenu(const char *title, const QList<RulerCommand> &entries)
{
    auto *menu = new QMenu(QCoreApplication::translate("RulerWindow", title));
    for (RulerCommand command : entries) {
        if (command == kSeparator)
            menu->addSeparator();
        else if (QAction *entry = action(command))
            menu->addAction(entry);
    }
    m_submenus.append(menu);
    return menu;
}

void RulerMenu::createSubmenus()
{
    m_contextMenu = new QMenu();
    connect(m_contextMenu, &QMenu::aboutToShow, this, &RulerMenu::aboutToShow);

    submenu(QT_TRANSLATE_NOOP("RulerWindow", "View"), {C::ShowFigure,
                                                       C::ShowRotationCentre,
                                                       C::ShowControlPoints,
                                                       C::BoldControlPoints,
                                                       C::ShowFigureReadings,
                                                       kSeparator,
                                                       C::ShowBorder,
                                                       C::ShowReadings,
                                                       C::MinimalReadings,
                                                       C::ShowBottomRightLabels,
                                                       C::ShowCentralPoint,
                                                       kSeparator,
                                                       C::ShowGuides,
                                                       C::HoverGuides,
                                                       C::ClearGuides,
                                                       kSeparator,
                                                       C::ShowInfoPanel,
                                                       C::PanelSide,
                                                       kSeparator,
                                                       C::ShowTopTicker,
                                                       C::ShowLeftTicker,
                                                       C::ShowBottomTicker,
                                                       C::ShowRightTicker,
                                                       C::ShowAllTickers,
                                                       C::HideAllTickers,
                                                       kSeparator,
                                                       C::AntiAliasing,
                                                       C::Megapixels});
    submenu(QT_TRANSLATE_NOOP("RulerWindow", "Unit"), unitLayout());
    submenu(QT_TRANSLATE_NOOP("RulerWindow", "Start Point"),
            {C::StartTopLeft, C::StartTopRight, C::StartBottomLeft, C::StartBottomRight, kSeparator,
             C::StartFromPixelZero, C::StartFromPixelOne});
    submenu(QT_TRANSLATE_NOOP("RulerWindow", "Image"),
            {C::OpenPicture, kSeparator, C::ActualSize, C::StretchPicture, C::ProportionalPicture,
             C::TransparentPicture, C::RulerToPictureSize, kSeparator, C::ClearPicture});
    m_figureMenu = submenu(QT_TRANSLATE_NOOP("RulerWindow", "Flying Figure"), figureLayout());
    submenu(QT_TRANSLATE_NOOP("RulerWindow", "Tools"),
            {C::Magnifier, C::PositionAndSize, C::CopyReadings, C::CopyRegionPicture, C::SaveRegionPicture,
             C::EdgeFinder});
}

void RulerMenu::rebuild(const TopLevel &choices)
{
    QMenu *menu = m_contextMenu;
    menu->clear();
    menu->addAction(action(C::NewRuler));
    setEnabled(C::CloseRuler, choices.closeRuler);
    setVisible(C::CloseRuler, choices.closeRuler);
    if (choices.closeRuler)
        menu->addAction(action(C::CloseRuler));
    menu->addSeparator();
    for (RulerCommand command : {C::BackgroundColour, C::RulerColour, C::GuidesColour, C::Transparency})
        menu->addAction(action(command));
    menu->addSeparator();
    for (RulerCommand command : {C::StayOnTop, C::SnapToScreen, C::LockToScreen, C::FullScreen})
        menu->addAction(action(command));
    menu->addSeparator();
    // View, Unit, Start Point, Image, Flying Figure, Tools.
    for (QMenu *submenu : std::as_const(m_submenus))
        menu->addMenu(submenu);
    menu->addSeparator();
    menu->addAction(action(C::Preferences));
    menu->addAction(action(C::Help));
    if (choices.updateCheck && action(C::CheckForUpdates))
        menu->addAction(action(C::CheckForUpdates));
    for (RulerCommand command : {C::OnlineInfo, C::RequestFeature, C::About})
        menu->addAction(action(command));
    menu->addSeparator();
    menu->addAction(action(C::Quit));
    labelEntries();
}

void RulerMenu::labelEntries()
{
    // The entries that only some menus show take part too, so that no other entry's letter moves
    // when they come and go.
    QList<QAction *> topLevel = m_contextMenu->actions();
    for (RulerCommand optional : {C::CloseRuler, C::CheckForUpdates}) {
        QAction *entry = action(optional);
        if (entry && !topLevel.contains(entry))
            topLevel.append(entry);
    }
    Mnemonics::label(topLevel);
    for (QMenu *submenu : std::as_const(m_submenus))
        Mnemonics::label(submenu->actions());
}

void RulerMenu::setUnitNames(const QStringList &physical, const QStringList &pixelBased)
{
    for (int row = 0; row < kUnitRows; ++row) {
        const std::pair<RulerCommand, QString> entries[] = {{physicalUnit(row), physical.value(row)},
                                                            {pixelUnit(row), pixelBased.value(row)}};
        for (const auto &[unit, name] : entries) {
            setText(unit, UnitTableRules::shownUnitName(name));
            setVisible(unit, !name.isEmpty());
            setEnabled(unit, !name.isEmpty());
        }
    }
}

void RulerMenu::showOptions(const RulerOptions &options)
{
    for (RulerCommand command : all()) {
        const Entry &row = entry(command);
        if (row.option && action(command))
            setChecked(command, options.value(*row.option) != row.checkShowsOpposite);
    }
}

void RulerMenu::setChecked(RulerCommand command, bool checked)
{
    if (QAction *entry = action(command))
        entry->setChecked(checked);
}

void RulerMenu::setEnabled(RulerCommand command, bool enabled)
{
    if (QAction *entry = action(command))
        entry->setEnabled(enabled);
}

void RulerMenu::setVisible(RulerCommand command, bool visible)
{
    if (QAction *entry = action(command))
        entry->setVisible(visible);
}

void RulerMenu::setText(RulerCommand command, const QString &text)
{
    if (QAction *entry = action(command))
        entry->setText(text);
}

void RulerMenu::setFigureEntriesEnabled(bool enabled)
{
    m_figureMenu->setEnabled(enabled);
    m_groups[std::size_t(Group::Figure)]->setEnabled(enabled);
}

RulerCommand RulerMenu::checkedIn(Group group) const
{
    const QAction *checked = m_groups[std::size_t(group)]->checkedAction();
    for (RulerCommand command : all()) {
        if (checked && action(command) == checked)
            return command;
    }
    return RulerCommand::Count;
}
