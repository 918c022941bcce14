#include "screenplacement.h"

namespace ScreenPlacement {

QRect reachableGeometry(const QRect &saved, const QList<QRect> &screens, const QRect &primary)
{
    for (const QRect &screen : screens) {
        if (screen.intersects(saved))
            return saved;
    }
    if (primary.isEmpty())
        return saved;
    const QSize size = saved.size().boundedTo(primary.size());
    return QRect(primary.topLeft(), size);
}

} // namespace ScreenPlacement
