// Saving the graph shown: the coordinate graph after a whole default run,
// drawn afresh and encoded, at a 1920x1080 view (the PNG at twice that).

#include "windowtexts.h"

#include "ui/graphfiles.h"

#include "plot/graphdescription.h"
#include "plot/viewscene.h"
#include "plot/viewstyle.h"

#include "model/characteristics.h"
#include "model/plotranges.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

namespace {

using namespace dryfriction;

ViewScene defaultRun()
{
    const ProblemParameters p;
    const MotionCharacteristics c = characteristicsOf(p);
    ViewScene scene;
    scene.view = 1;
    scene.style = graphStyle(timeGraphs()[0]);
    scene.ranges = computePlotRanges(p, c);
    scene.texts = test::windowTexts();
    scene.x0 = p.x0;
    scene.graphFramePasses = 2;
    scene.run = ViewScene::Run{p, c, 796};
    return scene;
}

void saveGraph(benchmark::State& state, GraphFormat format)
{
    const QSize view(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const ViewScene scene = defaultRun();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = encodeGraph(scene, view, 1.0, format);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_kB"] = static_cast<double>(bytes) / 1024.0;
}

// The drawing alone, without the encoding.
void BM_DrawGraphTwice(benchmark::State& state)
{
    const QSize view(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const ViewScene scene = defaultRun();
    for (auto _ : state) {
        const QImage image = renderScene(scene, view, 2.0);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawGraphTwice)->Args({1920, 1080})->Unit(benchmark::kMillisecond);

void BM_SaveGraphPng(benchmark::State& state)
{
    saveGraph(state, GraphFormat::Png);
}
void BM_SaveGraphSvg(benchmark::State& state)
{
    saveGraph(state, GraphFormat::Svg);
}
void BM_SaveGraphPdf(benchmark::State& state)
{
    saveGraph(state, GraphFormat::Pdf);
}
BENCHMARK(BM_SaveGraphPng)->Args({1920, 1080})->Args({620, 260})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGraphSvg)->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGraphPdf)->Args({1920, 1080})->Unit(benchmark::kMillisecond);

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
