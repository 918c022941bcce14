// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QDialog>

namespace Ui {
class mainForm;
}
class Settings;

// The hidden main form: owns the preferences object for the whole run and creates the first ruler.
class mainForm : public QDialog
{
    Q_OBJECT
public:
    explicit mainForm(QWidget *parent = nullptr);
    ~mainForm() override;

    Settings *settings = nullptr;

    // Every open ruler saves its settings (and with them the program's), as "Quit" has them do;
    // the session manager asks for this before the session ends.
    void saveEverything();
    // The end of the session or a signal to end: save everything, then end the program.
    void endSession();

public Q_SLOTS:
    void newRuler();
    void propertiesShow();
    // Shows and raises every ruler, the one attached last on top with the keyboard.
    void bringRulersToFront();
    void closeEvent(QCloseEvent *event) override;

private:
    Ui::mainForm *ui = nullptr;
};
