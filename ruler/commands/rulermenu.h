// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/commands/rulercommand.h"

#include <QObject>
#include <QStringList>
#include <array>

class QAction;
class QActionGroup;
class QMenu;
class RulerOptions;

// The context menu of a ruler and its submenus, built from the command table: one entry per command
// that has one, with its mnemonic and the shortcut shown (never taking a key from the ruler, which
// maps keys itself). Choosing an entry emits triggered(); the ruler decides what it does and tells the
// menu what to show (check marks, enabled and visible states, texts).
class RulerMenu : public QObject
{
    Q_OBJECT
public:
    explicit RulerMenu(QObject *parent = nullptr);
    ~RulerMenu() override;

    QMenu *contextMenu() const { return m_contextMenu; }
    // The entry of a command; nullptr for a command that has only a key (or an update check this
    // build does not have).
    QAction *action(RulerCommand command) const;

    // The top level changes with the program: "Close Ruler" needs a second ruler, "Check for Updates"
    // shows only while the automatic checks are off.
    struct TopLevel
    {
        bool closeRuler = false;
        bool updateCheck = false;
    };
    // Fills the top level anew and gives every menu its mnemonics.
    void rebuild(const TopLevel &choices);

    // Names the unit entries after the rows of the two unit tables; an empty name hides its entry.
    void setUnitNames(const QStringList &physical, const QStringList &pixelBased);

    // The check marks of the entries that toggle options.
    void showOptions(const RulerOptions &options);
    void setChecked(RulerCommand command, bool checked);
    void setEnabled(RulerCommand command, bool enabled);
    void setVisible(RulerCommand command, bool visible);
    void setText(RulerCommand command, const QString &text);
    // The "Flying Figure" submenu and every entry that changes the figure or how it is drawn.
    void setFigureEntriesEnabled(bool enabled);
    // The entries that act on a picture, which mean nothing without one.
    void setPictureEntriesEnabled(bool enabled);
    // "Stretch Image" and "Actual Size" act as a pair; "Proportional" only matters when stretched.
    void showPictureChoice(bool stretched);
    // The checked entry of a group, or RulerCommand::Count where none is.
    RulerCommand checkedIn(RulerCommands::Group group) const;

Q_SIGNALS:
    void triggered(RulerCommand command);
    // The context menu is about to open.
    void aboutToShow();

private:
    void createActions();
    void createSubmenus();
    // The entries of a place in table order, with their separators.
    void addEntries(QMenu *menu, RulerCommands::Menu place, const TopLevel &choices);
    void labelEntries();

    std::array<QAction *, std::size_t(RulerCommand::Count)> m_actions{};
    std::array<QActionGroup *, 5> m_groups{};
    QMenu *m_contextMenu = nullptr;
    QList<QMenu *> m_submenus;
    QMenu *m_figureMenu = nullptr;
};
