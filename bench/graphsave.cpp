// Saving the graph shown at a full-HD window: the views' rectangle of a
// 1920x1080 client area (computeLayout), 1900x755, whose PNG is 3800x1510.
//
// BM_SaveGraphThroughWindow is the whole path as the user takes it: the real
// window after a whole default run, "Сохранить график…" with the file dialog
// answered by the test fake, the view drawn afresh at twice the resolution,
// encoded, and written through QSaveFile (temporary file, sync, rename). The
// other benchmarks take that path apart on the same view: the drawing alone,
// the encoding alone with our writer and, for comparison, with Qt's.

#include "benchwindow.h"
#include "windowtexts.h"

#include "ui/export/graphfiles.h"
#include "ui/window/mainwindow.h"
#include "ui/look/windowlayout.h"

#include "plot/graphdescription.h"
#include "plot/pngwriter.h"
#include "plot/viewscene.h"
#include "plot/viewstyle.h"

#include "model/characteristics.h"
#include "model/plotranges.h"
#include "model/runrecord.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

using namespace dryfriction;

constexpr QSize kClient(1920, 1080);

// The views' size in that client area (the chooser's height does not change it).
QSize viewSize()
{
    const LayoutRect views = computeLayout(static_cast<float>(kClient.width()),
                                           static_cast<float>(kClient.height()), 6).views;
    return {static_cast<int>(views.width), static_cast<int>(views.height)};
}

// The coordinate graph after a whole default run, as the window keeps it.
ViewScene defaultRun()
{
    const ProblemParameters p;
    const MotionCharacteristics c = characteristicsOf(p);
    ViewScene scene;
    scene.view = 1;
    scene.style = graphStyle(viewGraphs()[0]);
    scene.ranges = computePlotRanges(p, c);
    scene.texts = test::windowTexts();
    scene.x0 = p.x0;
    scene.run = ViewScene::Run{std::make_shared<const RunRecord>(p, c), 796};
    return scene;
}

// Arguments: 0 for the animation strip, 1 for the coordinate graph.
void BM_SaveGraphThroughWindow(benchmark::State& state)
{
    const char* option = state.range(0) == 0 ? "animationOption" : "coordinateOption";
    bench::BenchWindow w(kClient);
    QTest::mouseClick(w.window->findChild<QWidget*>(QStringLiteral("startButton")), Qt::LeftButton);
    w.clock.fireAll();
    auto* button = w.window->findChild<QRadioButton*>(QString::fromLatin1(option));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, button->height() / 2));
    auto* save = w.window->findChild<QAction*>(QStringLiteral("saveGraphAction"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("graph.png"));
    w.files.answer = {path, 0};
    // From the second save on, the window asks before it replaces the file.
    w.messages.answerYes = true;

    for (auto _ : state)
        save->trigger();

    const QImage saved(path);
    const bool failed = std::any_of(w.messages.shown.begin(), w.messages.shown.end(),
                                    [](const test::ShownMessage& m) { return !m.question; });
    if (failed || saved.size() != viewSize() * 2)
        state.SkipWithError("the graph was not saved at twice the view's size");
    state.counters["file_kB"] = static_cast<double>(QFile(path).size()) / 1024.0;
}
BENCHMARK(BM_SaveGraphThroughWindow)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The drawing alone, at twice the resolution.
void BM_DrawGraphTwice(benchmark::State& state)
{
    const ViewScene scene = defaultRun();
    for (auto _ : state) {
        const QImage image = renderScene(scene, viewSize(), 2.0);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawGraphTwice)->Unit(benchmark::kMillisecond);

// The encoding alone, with our writer.
void BM_EncodePng(benchmark::State& state)
{
    const QImage image = renderScene(defaultRun(), viewSize(), 2.0);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = pngBytes(image);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_kB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);

// The same image through Qt's PNG writer: at quality 80, as the program set it before, and
// at 100, which stores without compression and costs as much.
void BM_EncodePngQtWriter(benchmark::State& state)
{
    const QImage image = renderScene(defaultRun(), viewSize(), 2.0);
    qsizetype bytes = 0;
    for (auto _ : state) {
        QByteArray file;
        QBuffer buffer(&file);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        writer.setQuality(static_cast<int>(state.range(0)));
        writer.write(image);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_kB"] = static_cast<double>(bytes) / 1024.0;
}
BENCHMARK(BM_EncodePngQtWriter)->Arg(80)->Arg(100)->Unit(benchmark::kMillisecond);

void saveGraph(benchmark::State& state, GraphFormat format)
{
    const ViewScene scene = defaultRun();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = encodeGraph(scene, viewSize(), 1.0, format);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_kB"] = static_cast<double>(bytes) / 1024.0;
}
void BM_EncodeGraphSvg(benchmark::State& state)
{
    saveGraph(state, GraphFormat::Svg);
}
void BM_EncodeGraphPdf(benchmark::State& state)
{
    saveGraph(state, GraphFormat::Pdf);
}
BENCHMARK(BM_EncodeGraphSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeGraphPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
