// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/preferences.h"

#include <QDialog>
#include <functional>

namespace Ui {
class PreferencesDialog;
}
class DisplayLabel;
class GlobalShortcut;
class QLabel;
class QTableWidget;

// The "Preferences" dialog: a form that shows and edits a Preferences. It keeps no values of its own;
// every edit goes to the model, which judges and stores it, and the form shows the outcome. The
// display label that names a monitor belongs to it.
class PreferencesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PreferencesDialog(Preferences *preferences, QWidget *parent = nullptr);
    ~PreferencesDialog() override;

    // Shows the dialog in the middle of the primary screen, on the Shortcuts page or on `page`.
    void showPage(PreferencesPage page);
    // Shows under the chosen global key what the desktop made of it (taken, active, no way at all).
    void followGlobalShortcut(const GlobalShortcut *shortcut);
    // The label that names a monitor when its row is chosen.
    DisplayLabel *displayLabel() const { return m_displayLabel; }
    // Shows a refusal of a table edit; the tests replace it.
    void setMessageHandler(std::function<void(const QString &)> handler)
    {
        m_showMessage = std::move(handler);
    }

Q_SIGNALS:
    // The user closed the dialog.
    void closing();
    // The user finished choosing the global key, which may be the one already stored (to try a key
    // again that was taken).
    void globalShortcutChosen();
    // Something about the window changed while it is shown (activation, state, ...).
    void changedWhileShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void setUpWindow();
    void bindEditors();
    void connectShortcuts();
    void connectTables();
    void connectCalculator();
    void loadDefaultShortcuts();
    void storeGlobalShortcut();
    void clearGlobalShortcut();
    void showStoredGlobalShortcut();

    // Tables (their own file).
    void fillTables();
    void fillUnitTable(Preferences::UnitTable table);
    void fillDisplayTable();
    QTableWidget *tableWidget(Preferences::UnitTable table) const;
    void editUnitCell(Preferences::UnitTable table, int row, int column);
    void resetUnitTable(Preferences::UnitTable table, const QList<UnitTableRules::FactoryRow> &rows,
                        bool focusTable);
    void detectDisplays();
    void editDisplayCell(int row, int column);
    void chooseDisplay(int row, int column, int previousRow, int previousColumn);
    // The calculator's width and height from the display of this row.
    void showPixelSize(int row);
    // Says which displays report no size, under the display table.
    void showUnreadSizes();
    void recalculatePpi();
    void setDisplayPpi();

    Preferences *m_preferences = nullptr;
    Ui::PreferencesDialog *m_ui = nullptr;
    DisplayLabel *m_displayLabel = nullptr;
    QLabel *m_unreadSizesNote = nullptr;
    // Set while the form writes cells itself, so that only the user's edits are judged.
    bool m_loadingTables = false;
    // Row 0 right after a page change only arms the label, so that opening the page flashes nothing.
    bool m_displayLabelArmed = false;
    std::function<void(const QString &)> m_showMessage;
    QMetaObject::Connection m_globalShortcutFollower;
};
