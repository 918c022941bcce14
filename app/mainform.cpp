// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/mainform.h"

#include "ruler/rulerwindow.h"
#include "prefs/settings.h"
#include "ui_mainform.h"

#include <QCoreApplication>
#include <QSystemTrayIcon>

mainForm::mainForm(QWidget *parent) : QDialog(parent), ui(new Ui::mainForm)
{
    ui->setupUi(this);
    setFixedSize(0, 0);
    move(1, 1);
    setWindowOpacity(0.0);
    // The form is never seen; its one pixel must not catch clicks meant for a ruler below it.
    setWindowFlag(Qt::WindowTransparentForInput);
    settings = new Settings(this);
    setFocusPolicy(Qt::StrongFocus);
}

mainForm::~mainForm()
{
    // The last ruler stays open until the program ends; it goes before the preferences it points to.
    const QList<RulerWindow *> openRulers = settings->rulers;
    qDeleteAll(openRulers);
    delete ui;
}

void mainForm::newRuler()
{
    auto *ruler = new RulerWindow(nullptr);
    ruler->attachTo(settings);
    ruler->aboutToShow();
    ruler->restoreFirstRuler();
}

void mainForm::saveEverything()
{
    // Also the rulers that the tray has hidden, which closing the visible windows would skip.
    const QList<RulerWindow *> openRulers = settings->rulers;
    for (RulerWindow *ruler : openRulers)
        ruler->saveSettings();
}

void mainForm::endSession()
{
    saveEverything();
    if (settings->trayIcon)
        settings->trayIcon->hide();
    QCoreApplication::quit();
}

void mainForm::propertiesShow()
{
    settings->show();
}

void mainForm::closeEvent(QCloseEvent *event)
{
    settings->closeEvent(event);
}

void mainForm::bringRulersToFront()
{
    for (RulerWindow *ruler : std::as_const(settings->rulers)) {
        if (ruler->isMinimized())
            ruler->setWindowState(ruler->windowState() & ~Qt::WindowMinimized);
        ruler->show();
        ruler->raise();
    }
    if (!settings->rulers.isEmpty())
        settings->rulers.last()->activateWindow();
}
