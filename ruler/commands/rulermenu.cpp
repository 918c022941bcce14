// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulermenu.h"

#include "prefs/unittablerules.h"
#include "ruler/commands/mnemonics.h"
#include "prefs/ruleroptions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

using namespace RulerCommands;

namespace {

using C = RulerCommand;

// The submenus in the order the top level shows them.
struct Submenu
{
    Menu place;
    const char *title;
};
const Submenu kSubmenus[] = {
    {Menu::View, QT_TRANSLATE_NOOP("RulerWindow", "View")},
    {Menu::Unit, QT_TRANSLATE_NOOP("RulerWindow", "Unit")},
    {Menu::StartPoint, QT_TRANSLATE_NOOP("RulerWindow", "Start Point")},
    {Menu::Image, QT_TRANSLATE_NOOP("RulerWindow", "Image")},
    {Menu::Figure, QT_TRANSLATE_NOOP("RulerWindow", "Flying Figure")},
    {Menu::Tools, QT_TRANSLATE_NOOP("RulerWindow", "Tools")},
};

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

void RulerMenu::addEntries(QMenu *menu, Menu place, const TopLevel &choices)
{
    for (const Entry &row : table()) {
        if (row.menu != place)
            continue;
        if (row.separatorBefore)
            menu->addSeparator();
        // "Close Ruler" needs a second ruler, "Check for Updates" shows only while the automatic
        // checks are off.
        if ((row.command == C::CloseRuler && !choices.closeRuler) ||
            (row.command == C::CheckForUpdates && !choices.updateCheck))
            continue;
        if (QAction *entry = action(row.command))
            menu->addAction(entry);
    }
}

void RulerMenu::createSubmenus()
{
    m_contextMenu = new QMenu();
    connect(m_contextMenu, &QMenu::aboutToShow, this, &RulerMenu::aboutToShow);
    for (const Submenu &place : kSubmenus) {
        auto *menu = new QMenu(QCoreApplication::translate("RulerWindow", place.title));
        addEntries(menu, place.place, {});
        m_submenus.append(menu);
        if (place.place == Menu::Figure)
            m_figureMenu = menu;
    }
}

void RulerMenu::rebuild(const TopLevel &choices)
{
    setEnabled(C::CloseRuler, choices.closeRuler);
    setVisible(C::CloseRuler, choices.closeRuler);
    QMenu *menu = m_contextMenu;
    menu->clear();
    addEntries(menu, Menu::Window, choices);
    menu->addSeparator();
    for (QMenu *submenu : std::as_const(m_submenus))
        menu->addMenu(submenu);
    addEntries(menu, Menu::Program, choices);
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
    for (C entry : {C::ShowRotationCenter, C::ShowControlPoints, C::BoldControlPoints, C::ShowFigureReadings,
                    C::SendFigureToCenter})
        setEnabled(entry, enabled);
    m_figureMenu->setEnabled(enabled);
    m_groups[std::size_t(Group::Figure)]->setEnabled(enabled);
}

void RulerMenu::setPictureEntriesEnabled(bool enabled)
{
    for (C entry : {C::StretchPicture, C::ProportionalPicture, C::ActualSize, C::ClearPicture,
                    C::RulerToPictureSize, C::TransparentPicture})
        setEnabled(entry, enabled);
}

void RulerMenu::showPictureChoice(bool stretched)
{
    setChecked(C::StretchPicture, stretched);
    setChecked(C::ActualSize, !stretched);
    setEnabled(C::ProportionalPicture, stretched);
    setVisible(C::ProportionalPicture, stretched);
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
