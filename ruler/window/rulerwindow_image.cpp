// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The picture laid under the ruler.
#include "ruler/window/rulerwindow.h"

#include "prefs/appidentity.h"
#include "prefs/topmessage.h"
#include "render/pictureloader.h"
#include "ruler/commands/rulermenu.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

std::function<QString(QWidget *, const QString &, const QString &)> RulerWindow::askPictureFile =
    [](QWidget *parent, const QString &caption, const QString &folder) {
        return QFileDialog::getOpenFileName(parent, caption, folder);
    };

std::function<void(QWidget *, const QString &, const QString &)> RulerWindow::reportPictureFailure =
    [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
        TopMessage::dress(box);
        box.exec();
    };

bool RulerWindow::loadPicture(const QString &path)
{
    if (!m_state.setPicture(path, PictureLoader::load(path).image))
        return false;
    setPictureEntriesEnabled(true);
    showPictureChoice();
    return true;
}

// "Stretch Image" and "Actual Size" act as a pair; "Proportional" only matters when stretched.
void RulerWindow::showPictureChoice()
{
    const bool stretched = option(RulerOption::StretchPicture);
    m_menu->setChecked(RulerCommand::StretchPicture, stretched);
    m_menu->setChecked(RulerCommand::ActualSize, !stretched);
    m_menu->setEnabled(RulerCommand::ProportionalPicture, stretched);
    m_menu->setVisible(RulerCommand::ProportionalPicture, stretched);
}

