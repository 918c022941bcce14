// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The cost of a ruler's whole paint pass, as a multiple of a bare fill of the same image.
//
//   cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DGRADORA_BENCH=ON
//   cmake --build build/bench -j2 --target bench_paint && build/bench/bench/bench_paint
//
// Each window size is measured twice: the bare fill of a translucent image of that size (the baseline)
// and the paint pass of a ruler of that size with its four tickers, 20 guides, readings, cross-hair and
// flying figure, in pixels and in millimetres. The scales are drawn once into a layer that later passes
// reuse: "…/scales anew" draws them again on every pass (the ruler colour changes each time), as a
// resize does. The table at the end gives each pass as a ratio to the fill of its size measured in the
// same run (CPU time of the whole process, since Qt hands large fills and copies to painting threads of
// its own; median over --benchmark_repetitions).

#include "app/rulerhub.h"
#include "ratioreporter.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/window/rulerwindow.h"
#include "rulerfixture.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

const QColor kBody(255, 255, 235, 128);
constexpr int kGuidesPerDirection = 10;

struct Case
{
    const char *name;
    QSize size;
};
const Case kSizes[] = {{"1920x1080", {1920, 1080}}, {"3840x2160", {3840, 2160}}};

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void bareFill(benchmark::State &state, QSize size)
{
    QImage image = canvas(size);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(image.rect(), kBody);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

// Sizes the ruler and chooses its unit; everything else stays as set up in main().
void prepare(RulerWindow &ruler, QSize size, QAction *unit)
{
    ruler.resize(size);
    unit->trigger();
    // The guides are dragged out of the bands, as the user makes them.
    ruler.execute(RulerCommand::ClearGuides);
    for (int i = 0; i < kGuidesPerDirection; ++i) {
        RulerFixture::placeGuide(&ruler, Qt::Horizontal, (i + 1) * size.height() / (kGuidesPerDirection + 1));
        RulerFixture::placeGuide(&ruler, Qt::Vertical, (i + 1) * size.width() / (kGuidesPerDirection + 1));
    }
    ruler.execute(RulerCommand::SendFigureToCenter);
}

enum class Scales
{
    Kept,
    Anew
};

void paintPass(benchmark::State &state, RulerWindow *ruler, QSize size, QAction *unit, Scales scales)
{
    prepare(*ruler, size, unit);
    QImage image = canvas(size);
    if (ruler->size() != size) {
        state.SkipWithError("the ruler did not take the size");
        return;
    }
    ruler->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    if (!ruler->isActiveWindow() || ruler->view().readings().widthText.isEmpty()) {
        state.SkipWithError("the ruler is not active: its readings would be missing");
        return;
    }
    const QColor rulerColors[] = {ruler->state().color(ColorTarget::Ruler), QColor(20, 60, 110)};
    int pass = 0;
    for (auto _ : state) {
        if (scales == Scales::Anew)
            ruler->setColor(ColorTarget::Ruler, rulerColors[++pass % 2]);
        ruler->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Away from the user's own settings, like the tests.
    TestSupport::isolateUserFiles();
    QApplication app(argc, argv);
    TestSupport::setIdentity();

    RulerHub hub;
    hub.preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
    // 96 pixels per inch: a millimetre is 3.78 px, numbered every 10 mm.
    TextGrid displays = hub.preferences()->displayCells();
    displays[0][1] = QStringLiteral("96");
    displays[0][2] = QStringLiteral("96");
    hub.preferences()->setDisplayCells(displays);

    RulerWindow &ruler = *hub.createRuler();
    ruler.setGeometry(QRect(QPoint(0, 0), kSizes[0].size));
    ruler.show();
    // Only the active ruler writes its reading texts, so the pass is measured with them.
    ruler.activateWindow();
    QCoreApplication::processEvents();
    ruler.execute(RulerCommand::ShowCentralPoint);
    ruler.execute(RulerCommand::ShowRotationCenter);
    QAction *millimetres = ruler.menu()->action(RulerCommands::physicalUnit(2));
    if (QString(millimetres->text()).remove(QLatin1Char('&')) != QStringLiteral("Millimeters")) {
        std::fprintf(stderr, "unexpected unit table: %s\n", qPrintable(millimetres->text()));
        return 1;
    }

    for (const Case &size : kSizes) {
        benchmark::RegisterBenchmark((std::string("fill/") + size.name).c_str(), bareFill, size.size)
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMicrosecond);
        QAction *pixels = ruler.menu()->action(RulerCommand::UnitPixels);
        const std::string paint = std::string("paint/") + size.name;
        benchmark::RegisterBenchmark((paint + "/pixels").c_str(), paintPass, &ruler, size.size, pixels, Scales::Kept)
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((paint + "/millimetres").c_str(), paintPass, &ruler, size.size, millimetres,
                                     Scales::Kept)
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((paint + "/pixels/scales anew").c_str(), paintPass, &ruler, size.size, pixels,
                                     Scales::Anew)
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::Initialize(&argc, argv);
    // "paint/<size>/<unit>[/…]" against "fill/<size>".
    RatioReporter reporter("paint pass (CPU time)", [](const std::string &name) {
        if (name.rfind("paint/", 0) != 0)
            return std::string();
        return "fill/" + name.substr(6, name.find('/', 6) - 6);
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
