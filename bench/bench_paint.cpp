// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The cost of a ruler's whole paint pass, as a multiple of a bare fill of the same image.
//
//   cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DGRADORA_BENCH=ON
//   cmake --build build/bench -j2 --target bench_paint && build/bench/bench/bench_paint
//
// Each window size is measured twice: the bare fill of a translucent image of that size (the baseline)
// and the paint pass of a ruler of that size with its four tickers, 20 guides, readings, cross-hair and
// flying figure, in pixels and in millimetres. The table at the end gives each pass as a ratio to the
// fill of its size measured in the same run (CPU time, median over --benchmark_repetitions).

#include "app/rulerhub.h"
#include "ruler/rulermenu.h"
#include "ruler/rulerwindow.h"
#include "rulerfixture.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

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
    unit->setChecked(true);
    ruler.setUnit(true);
    // The guides are dragged out of the bands, as the user makes them.
    ruler.setClearGuides();
    for (int i = 0; i < kGuidesPerDirection; ++i) {
        RulerFixture::placeGuide(&ruler, Qt::Horizontal, (i + 1) * size.height() / (kGuidesPerDirection + 1));
        RulerFixture::placeGuide(&ruler, Qt::Vertical, (i + 1) * size.width() / (kGuidesPerDirection + 1));
    }
    ruler.execute(RulerCommand::SendFigureToCentre);
}

void paintPass(benchmark::State &state, RulerWindow *ruler, QSize size, QAction *unit)
{
    prepare(*ruler, size, unit);
    QImage image = canvas(size);
    if (ruler->size() != size) {
        state.SkipWithError("the ruler did not take the size");
        return;
    }
    ruler->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    if (!ruler->isActiveWindow() || ruler->readings().widthText.isEmpty()) {
        state.SkipWithError("the ruler is not active: its readings would be missing");
        return;
    }
    for (auto _ : state) {
        ruler->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

// The console table, then each paint pass as a multiple of the bare fill of its size.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const std::string &name = run.run_name.function_name;
            if (run.run_type == Run::RT_Iteration)
                m_times[name].push_back(run.GetAdjustedCPUTime());
            else if (run.aggregate_name == "median")
                m_medians[name] = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-28s %12s\n", "paint pass (CPU time)", "/ bare fill");
        const std::map<std::string, double> times = medians();
        for (const auto &[name, time] : times) {
            if (name.rfind("paint/", 0) != 0)
                continue;
            // "paint/<size>/<unit>" against "fill/<size>".
            const std::string size = name.substr(6, name.find('/', 6) - 6);
            const auto baseline = times.find("fill/" + size);
            if (baseline != times.end())
                std::printf("%-28s %12.1f\n", name.c_str(), time / baseline->second);
        }
    }

private:
    // Per benchmark the median over its repetitions (a single run is its own median).
    std::map<std::string, double> medians() const
    {
        std::map<std::string, double> result = m_medians;
        for (auto [name, times] : m_times) {
            std::sort(times.begin(), times.end());
            result.emplace(name, times[times.size() / 2]);
        }
        return result;
    }

    std::map<std::string, std::vector<double>> m_times;
    std::map<std::string, double> m_medians;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Away from the user's own settings, like the tests.
    TestSupport::isolateUserFiles();
    QApplication app(argc, argv);
    TestSupport::setIdentity();

    RulerHub hub;
    hub.preferences()->setInfoPanelShown(false);
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
    ruler.execute(RulerCommand::ShowRotationCentre);
    QAction *millimetres = ruler.menu()->action(RulerCommands::physicalUnit(2));
    if (millimetres->text() != QStringLiteral("Millimeters")) {
        std::fprintf(stderr, "unexpected unit table: %s\n", qPrintable(millimetres->text()));
        return 1;
    }

    for (const Case &size : kSizes) {
        benchmark::RegisterBenchmark((std::string("fill/") + size.name).c_str(), bareFill, size.size)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("paint/") + size.name + "/pixels").c_str(), paintPass,
                                     &ruler, size.size, ruler.menu()->action(RulerCommand::UnitPixels))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("paint/") + size.name + "/millimetres").c_str(), paintPass,
                                     &ruler, size.size, millimetres)
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
