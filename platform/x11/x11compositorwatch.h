// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QObject>

#include <functional>
#include <optional>

// The compositor watch of an X session: the compositing-manager selection of the default screen
// (_NET_WM_CM_S<screen>) has an owner exactly while a compositing manager runs. XFixes reports every
// change of that owner, so the watch follows managers that start or stop without asking again.
namespace X11CompositorWatch {

// Starts watching the running X connection for as long as `owner` lives, calling `changed` on every
// change; answers whether a compositing manager runs now, or nothing when the program does not run on
// X (or was built without XCB support).
std::optional<bool> start(QObject *owner, const std::function<void(bool running)> &changed);

} // namespace X11CompositorWatch
