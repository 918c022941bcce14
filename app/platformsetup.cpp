// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/platformsetup.h"

#include <QProcessEnvironment>

namespace PlatformSetup {

Environment requiredChanges(const Environment &current)
{
    Environment changes;
    const bool waylandSession =
        !current.value("WAYLAND_DISPLAY").isEmpty() || current.value("XDG_SESSION_TYPE") == "wayland";
    if (waylandSession && current.value("QT_QPA_PLATFORM").isEmpty())
        changes.insert("QT_QPA_PLATFORM", "xcb");

    // A measuring tool counts device pixels: no scaling from the display's DPI or from the user's factors.
    changes.insert("QT_ENABLE_HIGHDPI_SCALING", "0");
    for (const char *factor : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_USE_PHYSICAL_DPI"}) {
        if (current.contains(factor))
            changes.insert(factor, QByteArray());
    }
    return changes;
}

void prepareProcessEnvironment()
{
    Environment current;
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &key : env.keys())
        current.insert(key.toLocal8Bit(), env.value(key).toLocal8Bit());
    const Environment changes = requiredChanges(current);
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (it.value().isEmpty())
            qunsetenv(it.key().constData());
        else
            qputenv(it.key().constData(), it.value());
    }
}

} // namespace PlatformSetup
