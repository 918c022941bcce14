// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/devicesize.h"

#include <QCoreApplication>

#include <cmath>

namespace DeviceSize {

namespace {
bool unscaled(double scale)
{
    return !(scale > 0) || !std::isfinite(scale) || std::abs(scale - 1.0) < kUnscaledTolerance;
}
} // namespace

QSize of(QSize logical, double scale)
{
    if (unscaled(scale))
        return logical;
    return {int(std::lround(logical.width() * scale)), int(std::lround(logical.height() * scale))};
}

QString note(QSize logical, double scale)
{
    if (unscaled(scale))
        return {};
    const QSize device = of(logical, scale);
    return QCoreApplication::translate("RulerWindow", "(%1 \u00D7 %2 device px at %3 %)")
        .arg(device.width())
        .arg(device.height())
        .arg(std::lround(scale * 100));
}

} // namespace DeviceSize
