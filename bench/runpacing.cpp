// Measures whole default runs of the real window on the real pacing clock:
// wall time against its paced samples x slowdown x 10 ms (the pauses the run
// asked for: 771 of its 796 samples, the rest being drawn at once after the
// final stop), the CPU time the process spends meanwhile as a share of one
// core, and how often a second the animation strip is painted (the load's
// positions, when the animation is shown).
//
//   dryfriction-bench-run [--slowdown N]... [--view N]
//
// Without --slowdown it measures slowdown 1 and 5. --view picks the view shown
// during the run (1 animation, 2..5 the graphs; default 1). Runs offscreen
// unless QT_QPA_PLATFORM says otherwise.

#include "fakes.h"

#include "ui/platform/services.h"
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
#include <functional>
#include <utility>
#include <vector>

namespace {

using namespace dryfriction;

// The window's pacing clock, counting the pauses it is asked for.
class CountingClock final : public PacingClock {
public:
    void start(int ms, std::function<void()> tick) override
    {
        ++pauses;
        m_clock.start(ms, std::move(tick));
    }
    void stop() override { m_clock.stop(); }
    bool isActive() const override { return m_clock.isActive(); }

    int pauses = 0;

private:
    TimerPacingClock m_clock;
};

// Counts the paint events of a widget.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
};

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
    int pauses = 0;
    int stripPaints = 0;
};

Figures measureRun(MainWindow& window, CountingClock& clock, PaintCounter& strip, int slowdown)
{
    const int pauses0 = clock.pauses;
    const int paints0 = strip.paints;
    window.findChild<QScrollBar*>(QStringLiteral("slowdownBar"))->setValue(slowdown);
    QEventLoop loop;
    QObject::connect(&window, &MainWindow::runFinished, &loop, &QEventLoop::quit);

    QElapsedTimer wall;
    const double cpu0 = cpuSeconds();
    wall.start();
    window.findChild<QPushButton*>(QStringLiteral("startButton"))->click();
    loop.exec();
    const double wallS = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
    return {wallS, cpuSeconds() - cpu0, clock.pauses - pauses0, strip.paints - paints0};
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
    CountingClock clock;
    test::FakeExit exit;
    test::FakeFileChooser files;
    test::FakeClipboard clipboard;
    MainWindow window({&messages, &tone, &documents, &clock, &exit, &files, &clipboard});
    window.show();
    QApplication::processEvents();
    PaintCounter strip;
    if (QWidget* animation = window.findChild<QWidget*>(QStringLiteral("animationView")))
        animation->installEventFilter(&strip);
    // The views by their place in the chooser, counted from 1.
    const char* const options[] = {"animationOption", "coordinateOption", "velocityOption", "energyOption",
                                   "pathOption"};
    if (view >= 1 && view <= 5) {
        if (auto* option = window.findChild<QRadioButton*>(QString::fromLatin1(options[view - 1])))
            option->click();
    }

    std::printf("view %d\n", view);
    std::printf("slowdown  pauses  wall s  nominal s  wall/nominal-1  cpu s  cpu/wall  strip paints/s\n");
    for (const int s : slowdowns) {
        const Figures f = measureRun(window, clock, strip, s);
        const double nominal = f.pauses * s * 0.010;
        std::printf("%8d  %6d  %6.3f  %9.3f  %+13.2f%%  %5.3f  %7.2f%%  %14.1f\n", s, f.pauses, f.wallS, nominal,
                    (f.wallS / nominal - 1) * 100, f.cpuS, f.cpuS / f.wallS * 100, f.stripPaints / f.wallS);
    }
    return 0;
}
