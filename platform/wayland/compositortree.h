// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QSet>
#include <QString>

#include <optional>

// The compositor's layout as its control socket describes it (the answer to ControlSocketMessage::
// kGetTree): a JSON tree of outputs, workspaces and containers, whose windows carry the process that
// shows them, their title, the container's rectangle in the layout's logical coordinates
// and the window's own rectangle inside it (below a title bar and borders, where it has them). No
// socket here: the reading alone, and which of a process's windows is a given one of ours.
namespace CompositorTree {

struct Window
{
    qint64 id = 0; // the compositor's name of the window's container; kept for the window's life
    QString title;
    QRect area; // where the window's own pixels stand on the desktop, without borders or a title bar
};

// The windows that the process `pid` shows, in the order of the tree; empty for a tree that cannot be
// read.
QList<Window> windowsOf(const QByteArray &tree, qint64 pid);

// What the program knows of one of its windows: its title and size, and the compositor's name for it
// once learnt (0 until then).
struct Wanted
{
    QString title;
    QSize size;
    qint64 knownId = 0;
};

// Which of the process's `windows` is the wanted one: the one of its known name while the compositor
// still shows it; else the only one of its title and size that no other window of ours has taken
// (`taken`). Nothing where none or several would fit: a guess could show the place of another window.
std::optional<Window> find(const QList<Window> &windows, const Wanted &wanted, const QSet<qint64> &taken);

} // namespace CompositorTree
