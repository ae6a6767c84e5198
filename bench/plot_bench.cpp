// Cost of redrawing the five views (what every keystroke and resize does) and
// of one sample of a run (four trace segments, a load move every fifth).

#include "animationview.h"
#include "axes.h"
#include "frames.h"
#include "imagecanvas.h"
#include "imageviews.h"
#include "plotscales.h"
#include "rundrawing.h"
#include "viewstyle.h"

#include "characteristics.h"
#include "motion.h"
#include "parameters.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <array>

using namespace dryfriction;

namespace {

struct Scene : ImageViews {
    GraphViews graphs = graphViews(views);
    PlotRanges ranges;
    SetupPlacement placement;

    explicit Scene(QSize size) : ImageViews(size) {}

    void redraw(const ProblemParameters& p, const MotionCharacteristics& c)
    {
        const QString point = QStringLiteral(".");
        for (ImageCanvas& picture : pictures)
            picture.Cls();
        const Frames frames = drawFrames(views, p, c, point);
        ranges = frames.ranges;
        placement = frames.placement;
    }
};

void BM_RedrawFiveViews(benchmark::State& state)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = parametr(p);
    Scene scene(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        scene.redraw(p, c);
        benchmark::DoNotOptimize(scene.pictures[4].image().constBits());
    }
}
BENCHMARK(BM_RedrawFiveViews)->Args({620, 212})->Args({1900, 800})->Unit(benchmark::kMillisecond);

// One sample of the default run: the whole run's drawing divided by its 796
// samples (the frames and preamble are redrawn outside the timing).
void BM_DrawSample(benchmark::State& state)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = parametr(p);
    Scene scene(QSize(620, 212));
    std::int64_t samples = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scene.redraw(p, c);
        std::int16_t counter = drawRunPreamble(scene.graphs, scene.ranges, p, c);
        MotionRun run(p, c);
        std::vector<MotionSample> all;
        while (run.next())
            all.push_back(run.sample());
        state.ResumeTiming();
        for (const MotionSample& s : all)
            drawSample(scene.graphs, s, counter, scene.placement, scene.ranges);
        samples += static_cast<std::int64_t>(all.size());
    }
    state.counters["per_sample_us"] =
        benchmark::Counter(static_cast<double>(samples) * 1e-6, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DrawSample)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
