// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/displaycalibration.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace DisplayCalibration {

QString resolutionText(int width, int height)
{
    return QString::number(width) + QLatin1Char('x') + QString::number(height);
}

std::optional<double> ppiValue(const QString &text)
{
    const std::optional<double> value = TextCells::toNumber(text);
    if (!value || *value <= 0.0)
        return std::nullopt;
    return value;
}

TextGrid detect(const TextGrid &previous, const QList<Screen> &screens, const StoredRows &stored)
{
    TextGrid grid = previous;
    for (auto &row : grid) {
        for (int cell = kResolutionCell; cell <= kWidthCell; ++cell)
            row[cell].clear();
    }

    const int rows = std::min(int(screens.size()), kRows);
    for (int j = 0; j < rows; ++j) {
        const Screen &screen = screens.at(j);
        auto &row = grid[j];
        row[kResolutionCell] = resolutionText(screen.width, screen.height);
        row[kWidthCell] = QString::number(screen.width);
        row[kHeightCell] = QString::number(screen.height);
        row[kPpiXCell] = QString::number(screen.ppiX);
        row[kPpiYCell] = QString::number(screen.ppiY);
        row[kDiagonalCell].clear();
    }

    // A monitor that kept its resolution keeps the calibration the user gave it.
    for (int j = 0; j < kRows; ++j) {
        auto &row = grid[j];
        const StoredRow &old = stored[j];
        if (row[kResolutionCell].isEmpty() || row[kResolutionCell] != old.resolution)
            continue;
        if (ppiValue(old.ppiX))
            row[kPpiXCell] = old.ppiX;
        if (ppiValue(old.ppiY))
            row[kPpiYCell] = old.ppiY;
    }
    return grid;
}

namespace {

// Physical dots per inch in device pixels, as a whole number.
int devicePpi(qreal physicalDpi, qreal devicePixelRatio)
{
    const qreal ppi = physicalDpi * devicePixelRatio;
    if (!std::isfinite(ppi) || ppi < 1.0 || ppi > std::numeric_limits<int>::max())
        return kFallbackPpi;
    return qRound(ppi);
}

} // namespace

QList<Screen> currentScreens()
{
    QList<Screen> result;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        const qreal ratio = screen->devicePixelRatio();
        const QSize size = screen->geometry().size() * ratio;
        result.append({size.width(), size.height(), devicePpi(screen->physicalDotsPerInchX(), ratio),
                       devicePpi(screen->physicalDotsPerInchY(), ratio)});
    }
    return result;
}

} // namespace DisplayCalibration
