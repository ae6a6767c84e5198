// Cost of redrawing the five empty views (what every keystroke and resize does),
// of one sample of a run (a trace segment on every graph), and of drawing
// every view of a long run at a moment at once (a resize after the run, a
// step of the scrubber).

#include "windowtexts.h"

#include "plot/animationstrip.h"
#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/imagecanvas.h"
#include "plot/offscreenviews.h"
#include "plot/rundrawing.h"
#include "plot/viewtexts.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"
#include "model/runrecord.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <map>
#include <vector>

using namespace dryfriction;

namespace {

struct Scene : OffscreenViews {
    ViewTexts texts = test::windowTexts();
    std::vector<Canvas*> graphCanvases = graphs();
    PlotRanges ranges;
    SetupPlacement placement;

    explicit Scene(QSize size, qreal zoom = 1) : OffscreenViews(size, zoom) {}

    void redraw(const ProblemParameters& p, const MotionCharacteristics& c)
    {
        strip().clear();
        for (std::size_t i = 0; i < graphCount(); ++i)
            graph(i).clear();
        ranges = computePlotRanges(p, c);
        placement = drawFrames(strip(), graphCanvases, ranges, p.x0, texts);
    }

    // Every view at the moment `shown` of the run, drawn afresh, the images
    // finished as a repaint reads them.
    void redrawAt(const RunRecord& run, std::size_t shown)
    {
        redraw(run.parameters(), run.characteristics());
        drawRunAt(graphCanvases, ranges, texts, run, shown);
        placement = placedAt(placement, run.sample(shown).x);
        for (std::size_t i = 0; i < graphCount(); ++i)
            benchmark::DoNotOptimize(graph(i).image().constBits());
    }

    // A step of the scrubber as the views take it: the graphs drawn afresh
    // at the moment over their frames (the strip keeps its image; only its
    // load moves).
    void redrawGraphsAt(const RunRecord& run, std::size_t shown)
    {
        for (std::size_t i = 0; i < graphCount(); ++i)
            graph(i).clear();
        drawGraphFrames(graphCanvases, ranges, texts);
        drawRunAt(graphCanvases, ranges, texts, run, shown);
        placement = placedAt(placement, run.sample(shown).x);
        for (std::size_t i = 0; i < graphCount(); ++i)
            benchmark::DoNotOptimize(graph(i).image().constBits());
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
        const RunRecord run(p, c);
        scene.redraw(p, c);
        drawRunAt(scene.graphCanvases, scene.ranges, scene.texts, run, 0);
        state.ResumeTiming();
        for (std::size_t k = 1; k <= run.sampleCount(); ++k) {
            benchmark::DoNotOptimize(drawTraces(scene.graphCanvases, run, k - 1, k));
            benchmark::DoNotOptimize(placedAt(scene.placement, run.sample(k).x));
        }
        samples += static_cast<std::int64_t>(run.sampleCount());
    }
    state.counters["per_sample_us"] =
        benchmark::Counter(static_cast<double>(samples) * 1e-6, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DrawSample)->Unit(benchmark::kMillisecond);

// One frame of the load during a run: the strip's image where the set-up
// was and is, then the spring and the load over it, as a repaint of the
// strip does; the load a little further on at every frame.
void BM_LoadFrame(benchmark::State& state)
{
    Scene scene(QSize(620, 212));
    scene.redraw(kStartupParameters, characteristicsOf(kStartupParameters));
    QImage screen(scene.strip().image().size(), QImage::Format_RGB32);
    double x = -9;
    for (auto _ : state) {
        x = x > 9 ? -9 : x + 0.05;
        const SetupPlacement before = scene.placement;
        scene.placement = placedAt(scene.placement, x);
        const QRectF area = setupArea(scene.strip(), before).united(setupArea(scene.strip(), scene.placement));
        QPainter painter(&screen);
        painter.setClipRect(area);
        painter.drawImage(QPointF(0, 0), scene.strip().image());
        paintSetup(painter, scene.strip(), scene.placement);
    }
}
BENCHMARK(BM_LoadFrame)->Unit(benchmark::kMicrosecond);

// The start-up problem run to t = 10000 (396 214 samples), every view drawn
// in the views' rectangle of a 1920 x 1080 client area, 1900 x 755, as the
// window draws it there: zoomed twice, 950 x 377 logical pixels at two device
// pixels each.
constexpr QSize kFullHdViews(950, 377);
constexpr qreal kFullHdZoom = 2;

// With the start coordinate given (0: the start-up one), for a run of many
// swings: x0 = 1000 swings 500 times before it stops, at t = 1571.
const RunRecord& longRun(std::int64_t x0 = 0)
{
    static std::map<std::int64_t, RunRecord> runs;
    auto found = runs.find(x0);
    if (found == runs.end()) {
        ProblemParameters p = kStartupParameters;
        p.duration = 10000;
        if (x0 > 0)
            p.x0 = static_cast<double>(x0);
        found = runs.emplace(x0, RunRecord(p, characteristicsOf(p))).first;
    }
    return found->second;
}

// A resize after the long run has ended: every view afresh at its end.
void BM_DrawEndedLongRun(benchmark::State& state)
{
    const RunRecord& run = longRun(state.range(0));
    Scene scene(kFullHdViews, kFullHdZoom);
    for (auto _ : state)
        scene.redrawAt(run, run.sampleCount());
    state.counters["samples"] = static_cast<double>(run.sampleCount());
}
BENCHMARK(BM_DrawEndedLongRun)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same views at the run's start: the frames, the markers, legends and
// start points, but no trace.
void BM_DrawLongRunStart(benchmark::State& state)
{
    const RunRecord& run = longRun(state.range(0));
    Scene scene(kFullHdViews, kFullHdZoom);
    for (auto _ : state)
        scene.redrawAt(run, 0);
}
BENCHMARK(BM_DrawLongRunStart)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

// A step of the scrubber on the ended long run: every graph afresh at another
// moment, the steps going from stop to stop, to the middle and to the end in
// turn.
void BM_ScrubLongRun(benchmark::State& state)
{
    const RunRecord& run = longRun();
    std::vector<std::size_t> moments = run.stopMoments();
    moments.push_back(run.sampleCount() / 2);
    moments.push_back(run.sampleCount());
    Scene scene(kFullHdViews, kFullHdZoom);
    scene.redrawAt(run, run.sampleCount());
    std::size_t step = 0;
    for (auto _ : state)
        scene.redrawGraphsAt(run, moments[step++ % moments.size()]);
}
BENCHMARK(BM_ScrubLongRun)->Unit(benchmark::kMillisecond);

// The same steps as the window's views take them: the graphs at the run's
// start, kept, put back, and the traces drawn to the moment.
void BM_ScrubLongRunFromKeptStart(benchmark::State& state)
{
    const RunRecord& run = longRun(state.range(0));
    std::vector<std::size_t> moments = run.stopMoments();
    moments.push_back(run.sampleCount() / 2);
    moments.push_back(run.sampleCount());
    Scene scene(kFullHdViews, kFullHdZoom);
    scene.redrawAt(run, 0);
    std::vector<ImageCanvas> start;
    for (std::size_t i = 0; i < scene.graphCount(); ++i)
        start.push_back(scene.graph(i));  // finished by redrawAt, as the views keep it
    std::size_t step = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < scene.graphCount(); ++i)
            scene.graph(i) = start[i];
        drawTraces(scene.graphCanvases, run, 0, moments[step++ % moments.size()]);
        for (std::size_t i = 0; i < scene.graphCount(); ++i)
            benchmark::DoNotOptimize(scene.graph(i).image().constBits());
    }
}
BENCHMARK(BM_ScrubLongRunFromKeptStart)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

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
