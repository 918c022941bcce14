// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/displaycalibration.h"

#include "platform/desktop.h"

#include <QCoreApplication>
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

// Whether the screen's monitor told its size: the toolkit makes one up where it did not, so the window
// system's own description of the monitor decides where there is one.
bool reportsSize(const QScreen &screen, const QRect &devicePixels, const QList<MonitorSize> &monitors)
{
    for (const MonitorSize &monitor : monitors) {
        if (monitor.geometry == devicePixels)
            return !monitor.millimetres.isEmpty();
    }
    return !screen.physicalSize().isEmpty();
}

} // namespace

QList<Screen> currentScreens(const Desktop *desktop)
{
    QList<Screen> result;
    const QList<MonitorSize> monitors = desktop ? desktop->monitorSizes() : QList<MonitorSize>();
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        const qreal ratio = screen->devicePixelRatio();
        const QRect devicePixels(screen->geometry().topLeft() * ratio, screen->geometry().size() * ratio);
        result.append(
            {devicePixels.width(), devicePixels.height(), devicePpi(screen->physicalDotsPerInchX(), ratio),
             devicePpi(screen->physicalDotsPerInchY(), ratio), reportsSize(*screen, devicePixels, monitors)});
    }
    return result;
}

QString unreadSizesNote(const QList<Screen> &screens)
{
    QStringList lines;
    for (int j = 0; j < std::min(int(screens.size()), kRows); ++j) {
        const Screen &screen = screens.at(j);
        if (screen.sizeReported)
            continue;
        lines.append(QCoreApplication::translate(
                         "DisplayCalibration",
                         "Display %1 does not report its size, so its pixels per inch could not be read: "
                         "%2 × %3 stand in for them. Measure its diagonal and give it to the PPI calculator.")
                         .arg(j + 1)
                         .arg(screen.ppiX)
                         .arg(screen.ppiY));
    }
    return lines.join(QLatin1Char('\n'));
}

QSize pixelSize(const TextGrid &grid, int row, const QList<Screen> &screens)
{
    if (row < 0 || row >= kRows)
        return {0, 0};
    bool widthRead = false;
    bool heightRead = false;
    const int width = grid[row][kWidthCell].toInt(&widthRead);
    const int height = grid[row][kHeightCell].toInt(&heightRead);
    if (widthRead && heightRead && width > 0 && height > 0)
        return {width, height};
    if (row < screens.size())
        return {screens.at(row).width, screens.at(row).height};
    return {0, 0};
}

} // namespace DisplayCalibration
