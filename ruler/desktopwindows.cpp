// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/desktopwindows.h"

#include "ruler/x11desktopwindows.h"

#include <QApplication>
#include <QRegion>
#include <QWidget>

namespace DesktopWindows {

namespace {
Lister &installed()
{
    static Lister lister;
    return lister;
}
} // namespace

QList<Window> stack()
{
    if (const Lister &lister = installed())
        return lister();
    return X11DesktopWindows::stack();
}

void install(Lister lister)
{
    installed() = std::move(lister);
}

QList<QRect> snapTargets(const QList<Window> &stack, const QSet<WId> &own)
{
    QList<QRect> targets;
    QRegion above;
    for (auto window = stack.crbegin(); window != stack.crend(); ++window) {
        if (own.contains(window->id) || window->frame.isEmpty())
            continue;
        if (!QRegion(window->frame).subtracted(above).isEmpty())
            targets.prepend(window->frame);
        above += window->frame;
    }
    return targets;
}

QSet<WId> programWindows()
{
    QSet<WId> ids;
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (const WId id = widget->internalWinId())
            ids.insert(id);
    }
    return ids;
}

} // namespace DesktopWindows
