// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/topmessage.h"

#include "prefs/appidentity.h"

#include <QIcon>
#include <QMessageBox>

namespace TopMessage {

void show(const QString &text)
{
    QMessageBox box;
    dress(box);
    // A refused value: the warning sign says so before the text is read.
    box.setIcon(QMessageBox::Warning);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void dress(QMessageBox &box)
{
    box.setWindowTitle(AppIdentity::applicationName);
    box.setWindowIcon(QIcon(QStringLiteral(":/icons/128.png")));
}

} // namespace TopMessage
