#pragma once

// The main window as the window benchmarks drive it: shown on the offscreen
// platform with the recording fakes for every service, its client area at the
// size asked for; and the per-call figures they report beside the median.

#include "fakes.h"

#include "ui/window/mainwindow.h"

#include <QCoreApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace dryfriction::bench {

struct BenchWindow {
    test::FakeMessages messages;
    test::FakeTone tone;
    test::FakeDocuments documents;
    test::FakeClock clock;
    test::FakeExit exit;
    test::FakeFileChooser files;
    test::FakeClipboard clipboard;
    std::unique_ptr<MainWindow> window;

    explicit BenchWindow(QSize client)
    {
        window = std::make_unique<MainWindow>(Services{&messages, &tone, &documents, &clock, &exit, &files, &clipboard});
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        window->clientArea()->resize(client);
        QCoreApplication::processEvents();
    }
};

// The median and the 95th percentile of single calls, in milliseconds.
inline void reportCallTimes(benchmark::State& state, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p95_ms"] = ms[ms.size() * 95 / 100];
}

}  // namespace dryfriction::bench
