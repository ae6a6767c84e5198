// Measures whole default runs of the real window on the real pacing clock:
// wall time against 796 x slowdown x 10 ms, and the CPU time the process
// spends meanwhile as a share of one core.
//
//   dryfriction-bench-run [--slowdown N]... [--view N]
//
// Without --slowdown it measures slowdown 1 and 5. --view picks the view shown
// during the run (1 animation, 2..5 the graphs; default 1). Runs offscreen
// unless QT_QPA_PLATFORM says otherwise.

#include "fakes.h"

#include "ui/state/pacing.h"
#include "ui/window/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using namespace dryfriction;

constexpr int kDefaultSamples = 796;

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec)
           + static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

struct Figures {
    double wallS = 0;
    double cpuS = 0;
};

Figures measureRun(MainWindow& window, int slowdown)
{
    window.findChild<QScrollBar*>(QStringLiteral("slowdownBar"))->setValue(slowdown);
    QEventLoop loop;
    QObject::connect(&window, &MainWindow::runFinished, &loop, &QEventLoop::quit);

    QElapsedTimer wall;
    const double cpu0 = cpuSeconds();
    wall.start();
    window.findChild<QPushButton*>(QStringLiteral("startButton"))->click();
    loop.exec();
    const double wallS = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
    return {wallS, cpuSeconds() - cpu0};
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::vector<int> slowdowns;
    int view = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--slowdown") == 0)
            slowdowns.push_back(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--view") == 0)
            view = std::atoi(argv[i + 1]);
    }
    if (slowdowns.empty())
        slowdowns = {1, 5};

    // Nothing is shown, sounded or opened while measuring; the fakes only
    // note what was asked of them.
    test::FakeMessages messages;
    test::FakeTone tone;
    test::FakeDocuments documents;
    TimerPacingClock clock;
    test::FakeExit exit;
    test::FakeFileChooser files;
    test::FakeClipboard clipboard;
    MainWindow window({&messages, &tone, &documents, &clock, &exit, &files, &clipboard});
    window.show();
    QApplication::processEvents();
    // The views by their place in the chooser, counted from 1.
    const char* const options[] = {"animationOption", "coordinateOption", "velocityOption", "energyOption",
                                   "pathOption"};
    if (view >= 1 && view <= 5) {
        if (auto* option = window.findChild<QRadioButton*>(QString::fromLatin1(options[view - 1])))
            option->click();
    }

    std::printf("view %d, %d samples per run\n", view, kDefaultSamples);
    std::printf("slowdown  wall s  nominal s  wall/nominal-1  cpu s  cpu/wall\n");
    for (const int s : slowdowns) {
        const Figures f = measureRun(window, s);
        const double nominal = kDefaultSamples * s * 0.010;
        std::printf("%8d  %6.3f  %9.3f  %+13.2f%%  %5.3f  %7.2f%%\n", s, f.wallS, nominal,
                    (f.wallS / nominal - 1) * 100, f.cpuS, f.cpuS / f.wallS * 100);
    }
    return 0;
}
