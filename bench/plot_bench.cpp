// Cost of redrawing the five empty views (what every keystroke and resize does) and
// of one sample of a run (a trace segment on every graph, a load move every
// fifth sample).

#include "windowtexts.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/loadanimation.h"
#include "plot/offscreenviews.h"
#include "plot/rundrawing.h"
#include "plot/viewtexts.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <vector>

using namespace dryfriction;

namespace {

struct Scene : OffscreenViews {
    ViewTexts texts = test::windowTexts();
    std::vector<Canvas*> graphCanvases = graphs();
    PlotRanges ranges;
    SetupPlacement placement;

    explicit Scene(QSize size) : OffscreenViews(size) {}

    void redraw(const ProblemParameters& p, const MotionCharacteristics& c)
    {
        strip().clear();
        for (std::size_t i = 0; i < graphCount(); ++i)
            graph(i).clear();
        ranges = computePlotRanges(p, c);
        placement = drawFrames(strip(), graphCanvases, ranges, p.x0, texts);
    }

    void drawPreambles(const ProblemParameters& p, const MotionCharacteristics& c)
    {
        for (std::size_t i = 0; i < graphCanvases.size(); ++i)
            drawRunPreamble(*graphCanvases[i], timeGraphs()[i], ranges, p, c, texts.legendStops,
                            texts.legendExtremes);
    }
};

void BM_RedrawFiveViews(benchmark::State& state)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = characteristicsOf(p);
    Scene scene(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) {
        scene.redraw(p, c);
        benchmark::DoNotOptimize(scene.graph(scene.graphCount() - 1).image().constBits());
    }
}
BENCHMARK(BM_RedrawFiveViews)->Args({620, 212})->Args({1900, 800})->Unit(benchmark::kMillisecond);

// One sample of the default run: the whole run's drawing divided by its 796
// samples (the frames and preambles are redrawn outside the timing).
void BM_DrawSample(benchmark::State& state)
{
    const ProblemParameters p = kStartupParameters;
    const MotionCharacteristics c = characteristicsOf(p);
    Scene scene(QSize(620, 212));
    std::int64_t samples = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scene.redraw(p, c);
        scene.drawPreambles(p, c);
        LoadAnimation load(scene.placement);
        MotionRun run(p, c);
        std::vector<MotionSample> all;
        while (run.next())
            all.push_back(run.sample());
        state.ResumeTiming();
        for (const MotionSample& s : all) {
            benchmark::DoNotOptimize(drawSample(scene.graphCanvases, s));
            load.follow(s.x);
        }
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
