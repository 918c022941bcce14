// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QByteArray>
#include <QHash>

// Decisions about the windowing platform that must be taken before the application object exists.
namespace PlatformSetup {

using Environment = QHash<QByteArray, QByteArray>;

// The environment changes the program needs, computed from the current environment:
//  - frameless windows that place themselves need global coordinates, which Wayland does not give
//    clients, so a Wayland session runs through XWayland unless the user chose a platform;
//  - one ruler pixel is one device pixel, so the toolkit's high-DPI scaling is turned off.
// A value that is empty means "unset this variable".
Environment requiredChanges(const Environment &current);

// Applies requiredChanges() to the process environment.
void prepareProcessEnvironment();

} // namespace PlatformSetup
