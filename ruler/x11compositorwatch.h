// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <memory>

class CompositorWatch;

// The compositor watch of an X session: the compositing-manager selection of the default screen
// (_NET_WM_CM_S<screen>) has an owner exactly while a compositing manager runs. XFixes reports every
// change of that owner, so the watch follows managers that start or stop without asking again.
namespace X11CompositorWatch {

// A watch for the running X connection; null when the program does not run on X (or was built without
// XCB support).
std::unique_ptr<CompositorWatch> create();

} // namespace X11CompositorWatch
