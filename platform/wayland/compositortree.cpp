// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/compositortree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace CompositorTree {

namespace {
QRect rectOf(const QJsonValue &value)
{
    const QJsonObject rect = value.toObject();
    return {rect.value(QLatin1String("x")).toInt(), rect.value(QLatin1String("y")).toInt(),
            rect.value(QLatin1String("width")).toInt(), rect.value(QLatin1String("height")).toInt()};
}

void collect(const QJsonObject &node, qint64 pid, QList<Window> &found)
{
    // Containers that hold a window carry its process; the others (outputs, workspaces) none.
    if (node.value(QLatin1String("pid")).toInteger(-1) == pid) {
        const QRect container = rectOf(node.value(QLatin1String("rect")));
        const QRect own = rectOf(node.value(QLatin1String("window_rect")));
        found.append({node.value(QLatin1String("id")).toInteger(),
                      node.value(QLatin1String("name")).toString(), own.translated(container.topLeft())});
    }
    for (const char *children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray())
            collect(child.toObject(), pid, found);
    }
}
} // namespace

QList<Window> windowsOf(const QByteArray &tree, qint64 pid)
{
    QList<Window> found;
    const QJsonDocument document = QJsonDocument::fromJson(tree);
    if (document.isObject())
        collect(document.object(), pid, found);
    return found;
}

std::optional<Window> find(const QList<Window> &windows, const Wanted &wanted, const QSet<qint64> &taken)
{
    if (wanted.knownId != 0) {
        for (const Window &window : windows) {
            if (window.id == wanted.knownId)
                return window;
        }
    }
    std::optional<Window> fitting;
    for (const Window &window : windows) {
        if (taken.contains(window.id) || window.title != wanted.title || window.area.size() != wanted.size)
            continue;
        if (fitting)
            return std::nullopt;
        fitting = window;
    }
    return fitting;
}

} // namespace CompositorTree
