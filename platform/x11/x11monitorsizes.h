// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The lit outputs as the X server describes them (RandR), each with the size in millimetres it reports:
// 0 × 0 where the monitor reports none (a virtual display, a projector, some adapters).
namespace X11MonitorSizes {

struct Monitor
{
    QRect geometry; // in device pixels
    QSize millimetres;
};

// Empty off X, or where the server does not describe its outputs.
QList<Monitor> monitors();

} // namespace X11MonitorSizes
