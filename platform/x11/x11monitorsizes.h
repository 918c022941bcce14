// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

#include <QList>

// The lit outputs as the X server describes them (RandR), each with the size in millimetres it reports:
// 0 × 0 where the monitor reports none (a virtual display, a projector, some adapters).
namespace X11MonitorSizes {

// Empty off X, or where the server does not describe its outputs.
QList<MonitorSize> monitors();

} // namespace X11MonitorSizes
