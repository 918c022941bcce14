// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The cost of one pointer position of the edge finder on a 3840 × 2160 screen picture.
//
//   cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DGRADORA_BENCH=ON
//   cmake --build build/bench -j2 --target bench_edgefinder && build/bench/bench/bench_edgefinder
//
// Each iteration finds the box around the next of 256 pointer positions spread over the picture, so
// the walks meet the memory as the pointer does rather than one warm line. Three pictures:
// - solid: one colour, the worst case, where every walk runs to the border;
// - gradient: a diagonal gradient, where every walk runs to the border too and the reference colour
//   follows it at every pixel;
// - desktop: windows, buttons and text-like specks on a gradient background, the usual case.
// The baseline reads the pixels of a whole row and a whole column through each position, which is
// what a worst-case scan must read at least; the table at the end gives each scan as a ratio to it
// (CPU time, median over --benchmark_repetitions).

#include "ratioreporter.h"
#include "render/edgefinder.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr QSize kScreen(3840, 2160);
constexpr int kPositions = 256;
constexpr int kTolerance = 24;
constexpr quint32 kSeed = 17;

QImage solid()
{
    QImage image(kScreen, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    return image;
}

QImage gradient()
{
    QImage image(kScreen, QImage::Format_RGB32);
    for (int y = 0; y < kScreen.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kScreen.width(); ++x)
            row[x] = qRgb(x * 255 / kScreen.width(), y * 255 / kScreen.height(), 128);
    }
    return image;
}

// Windows with title bars and buttons, and small dark specks standing for text, over a gradient.
QImage desktop()
{
    QImage image = gradient();
    QPainter painter(&image);
    QRandomGenerator random(kSeed);
    for (int i = 0; i < 40; ++i) {
        const QRect window(random.bounded(kScreen.width() - 400), random.bounded(kScreen.height() - 300),
                           400 + random.bounded(1200), 300 + random.bounded(800));
        painter.fillRect(window, QColor(246, 245, 244));
        painter.fillRect(window.adjusted(0, 0, 0, -window.height() + 36), QColor(53, 132, 228));
        for (int b = 0; b < 12; ++b) {
            const QRect button(window.left() + 20 + random.bounded(window.width() - 140),
                               window.top() + 50 + random.bounded(window.height() - 90), 120, 34);
            painter.fillRect(button, QColor(222, 221, 218));
        }
        for (int t = 0; t < 300; ++t)
            painter.fillRect(QRect(window.left() + random.bounded(window.width() - 8),
                                   window.top() + 40 + random.bounded(window.height() - 48),
                                   2 + random.bounded(6), 2 + random.bounded(9)),
                             QColor(46, 52, 54));
    }
    return image;
}

std::vector<QPoint> positions()
{
    QRandomGenerator random(kSeed);
    std::vector<QPoint> points;
    for (int i = 0; i < kPositions; ++i)
        points.emplace_back(random.bounded(kScreen.width()), random.bounded(kScreen.height()));
    return points;
}

void scan(benchmark::State &state, const QImage *picture)
{
    const std::vector<QPoint> points = positions();
    std::size_t next = 0;
    for (auto _ : state) {
        const QRect box = EdgeFinder::findBox(*picture, points[next], kTolerance);
        benchmark::DoNotOptimize(box);
        next = (next + 1) % points.size();
    }
}

// Reads the row and the column through each position, as a scan that runs to the border must.
void bareRead(benchmark::State &state, const QImage *picture)
{
    const std::vector<QPoint> points = positions();
    const qsizetype line = picture->bytesPerLine() / qsizetype(sizeof(QRgb));
    const auto *pixels = reinterpret_cast<const QRgb *>(picture->constBits());
    std::size_t next = 0;
    for (auto _ : state) {
        const QPoint &p = points[next];
        QRgb sum = 0;
        for (int x = 0; x < picture->width(); ++x)
            sum += pixels[p.y() * line + x];
        for (int y = 0; y < picture->height(); ++y)
            sum += pixels[y * line + p.x()];
        benchmark::DoNotOptimize(sum);
        next = (next + 1) % points.size();
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage solidPicture = solid();
    const QImage gradientPicture = gradient();
    const QImage desktopPicture = desktop();

    benchmark::RegisterBenchmark("read/row+column", bareRead, &solidPicture)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("scan/solid", scan, &solidPicture)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("scan/gradient", scan, &gradientPicture)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("scan/desktop", scan, &desktopPicture)->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    // "scan/<picture>" against the bare read.
    RatioReporter reporter("one pointer position", [](const std::string &name) {
        return name.rfind("scan/", 0) == 0 ? std::string("read/row+column") : std::string();
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
