// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "topmessage.h"

#include <QMessageBox>

namespace TopMessage {

void show(const QString &text)
{
    QMessageBox box;
    box.setWindowTitle(QString());
    box.setIcon(QMessageBox::NoIcon);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

} // namespace TopMessage
