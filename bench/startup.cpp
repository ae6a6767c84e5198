// Start to first painted window: the program's own start-up (application, Qt's Russian
// translations, the real platform services, the main window), ending as soon as the
// main window has painted for the first time. Prints the time from entering main to
// the end of that paint; run it under `/usr/bin/time -v` for the whole process's wall
// time and peak memory (see docs/performance.md). Needs a display (Xvfb) or
// QT_QPA_PLATFORM=offscreen.

#include "app/application.h"
#include "ui/platform/applicationexit.h"
#include "ui/platform/desktopdocuments.h"
#include "ui/platform/messageboxes.h"
#include "ui/platform/savefiledialog.h"
#include "ui/platform/systemclipboard.h"
#include "ui/platform/tone.h"
#include "ui/state/pacing.h"
#include "ui/window/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

// Quits the application right after the first paint of any widget of the window.
class FirstPaint : public QObject {
public:
    FirstPaint(const QElapsedTimer& clock, const QWidget& window) : m_clock(clock), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == &m_window) {
            m_seen = true;
            // After this paint event has been delivered and flushed.
            QTimer::singleShot(0, this, [this] {
                std::printf("first paint after %.1f ms\n", m_clock.nsecsElapsed() / 1e6);
                std::fflush(stdout);
                // exit(), not quit(): quit() would close the window and meet its exit question.
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
    const QWidget& m_window;
    bool m_seen = false;
};

}  // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    dryfriction::prepareApplication(app);

    dryfriction::MessageBoxes messages;
    dryfriction::AudioTone tone;
    dryfriction::DesktopDocuments documents;
    dryfriction::TimerPacingClock clock2;
    dryfriction::ApplicationExit exit;
    dryfriction::SaveFileDialog files;
    dryfriction::SystemClipboard clipboard;
    dryfriction::MainWindow window({&messages, &tone, &documents, &clock2, &exit, &files, &clipboard});
    FirstPaint firstPaint(clock, window);
    app.installEventFilter(&firstPaint);
    window.show();
    const int rc = QApplication::exec();
    // The window closes without its exit question: this is a measurement, not a user.
    window.hide();
    return rc;
}
