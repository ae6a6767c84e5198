// MainWindow::refresh, the central refresh (layout, fields, characteristics, clearing,
// ranges and every frame), at the start-up client size and at full HD, on the
// offscreen platform with the recording fakes in place of the platform services. The
// median of the single calls is reported as median_ms; "AndPaint" adds the repaint of
// the window. BM_RunSample gives the cost of evaluating and drawing one sample of a run.
// BM_ScrubStep moves the time slider of an ended run one sample back.
// BM_ResizeWithEndedRun resizes the window to the size given after a run has ended
// (the default one, or one of the duration given as a third argument: t = 10000 has
// about 400 000 samples), which draws that run again at the new size, and paints it.

#include "benchwindow.h"

#include "ui/window/mainwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <benchmark/benchmark.h>

#include <chrono>
#include <utility>
#include <vector>

namespace {

using namespace dryfriction;
using Window = bench::BenchWindow;

void refresh(benchmark::State& state, bool paint)
{
    Window w(QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    std::vector<double> ms;
    ms.reserve(4096);
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        w.window->refresh();
        if (paint)
            w.window->repaint();
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    bench::reportCallTimes(state, std::move(ms));
}

void BM_Refresh(benchmark::State& state) { refresh(state, false); }
void BM_RefreshAndPaint(benchmark::State& state) { refresh(state, true); }

// A whole default run through the window on the fake clock (no pauses): every sample
// evaluated and drawn on the five graphs (the load moves on its own frames); the start of
// the run (refresh, frames, preamble) is included and spread over the samples.
void BM_RunSample(benchmark::State& state)
{
    Window w(QSize(MainWindow::kClientWidth, MainWindow::kClientHeight));
    auto* start = w.window->findChild<QWidget*>(QStringLiteral("startButton"));
    // The time slider spans the run's samples; the pauses are fewer since the
    // flat rest after the final stop is drawn at once.
    auto* slider = w.window->findChild<QSlider*>(QStringLiteral("timeSlider"));
    std::int64_t samples = 0;
    for (auto _ : state) {
        QTest::mouseClick(start, Qt::LeftButton);
        w.clock.fireAll();
        samples += slider->maximum();
    }
    state.counters["samples_per_run"] =
        static_cast<double>(samples) / static_cast<double>(state.iterations());
    state.counters["us_per_sample"] = benchmark::Counter(
        static_cast<double>(samples) * 1e-6, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// After a default run has ended, a resize (from 20 pixels less each way) to the size
// given: the whole refresh, the run's traces and markers drawn again from the closed
// form, and the repaint. Only the resize to the size given is timed.
void BM_ResizeWithEndedRun(benchmark::State& state)
{
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Window w(size);
    if (state.range(2) > 0) {
        auto* time = w.window->findChild<QLineEdit*>(QStringLiteral("timeEdit"));
        time->setFocus();
        time->selectAll();
        QTest::keyClicks(time, QString::number(state.range(2)));
        QTest::keyClick(time, Qt::Key_Return);
    }
    auto* start = w.window->findChild<QWidget*>(QStringLiteral("startButton"));
    QTest::mouseClick(start, Qt::LeftButton);
    w.clock.fireAll();
    std::vector<double> ms;
    ms.reserve(4096);
    for (auto _ : state) {
        state.PauseTiming();
        w.window->clientArea()->resize(size - QSize(20, 20));
        state.ResumeTiming();
        const auto t0 = std::chrono::steady_clock::now();
        w.window->clientArea()->resize(size);
        w.window->repaint();
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    bench::reportCallTimes(state, std::move(ms));
}

// Types the value into the field and leaves it with Enter, as a user does.
void typeInto(Window& w, const char* field, std::int64_t value)
{
    auto* edit = w.window->findChild<QLineEdit*>(QString::fromLatin1(field));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(value));
    QTest::keyClick(edit, Qt::Key_Return);
}

// One step of the time slider (the Left key) on an ended run of the size and
// duration given (and the start coordinate, for a run of many swings), and the repaint of the window: every graph drawn at the new
// moment, the load moved, the results and the slider's label written.
void BM_ScrubStep(benchmark::State& state)
{
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Window w(size);
    typeInto(w, "timeEdit", state.range(2));
    if (state.range(3) > 0)
        typeInto(w, "coordinateEdit", state.range(3));
    QTest::mouseClick(w.window->findChild<QWidget*>(QStringLiteral("startButton")), Qt::LeftButton);
    w.clock.fireAll();
    auto* slider = w.window->findChild<QWidget*>(QStringLiteral("timeSlider"));
    slider->setFocus();
    std::vector<double> ms;
    ms.reserve(4096);
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        QTest::keyClick(slider, Qt::Key_Left);
        w.window->repaint();
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    bench::reportCallTimes(state, std::move(ms));
}

BENCHMARK(BM_RunSample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Refresh)->Args({640, 537})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshAndPaint)->Args({640, 537})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeWithEndedRun)
    ->Args({640, 537, 0})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 10000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrubStep)->Args({1920, 1080, 10000, 0})->Args({1920, 1080, 10000, 1000})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
