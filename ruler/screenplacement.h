#pragma once

#include <QList>
#include <QRect>

namespace ScreenPlacement {

// A restored window that meets no screen of today's desktop (a monitor was unplugged) would be
// unreachable: such a window goes to the top-left of the primary screen, keeping its size unless it
// is larger than that screen. Any window that meets a screen, even partly off-screen, stays as it is.
QRect reachableGeometry(const QRect &saved, const QList<QRect> &screens, const QRect &primary);

} // namespace ScreenPlacement
