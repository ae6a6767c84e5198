#pragma once

#include "ui/state/runcontroller.h"
#include "ui/look/windowlayout.h"

#include "model/runrecord.h"

#include <QElapsedTimer>
#include <QObject>

class QLabel;
class QPushButton;
class QShortcut;
class QWidget;

namespace dryfriction {

class TimeScrubber;

// The controls of a run: the start button (ПУСК, and СТОП or Esc while a run
// is under way), the pause button beside it with its keys, and the time
// slider with the moment it shows in both units. They tell what the user
// asks; the window carries it out and shows them the run's state and moment.
class RunControls : public QObject {
    Q_OBJECT

public:
    // The buttons, the slider and its label live in `client`; the keys work
    // anywhere in `window`.
    RunControls(QWidget* client, QWidget* window);

    QPushButton* startButton() const { return m_startButton; }
    QPushButton* pauseButton() const { return m_pauseButton; }
    TimeScrubber* timeSlider() const { return m_timeSlider; }

    void place(const WindowLayout& layout);
    // The captions, the keys and what is shown for a run in this state: the
    // pause button only while a run is under way, the start button beside
    // it in half its place then.
    void showState(RunController::State state);
    // The slider over the run's samples at its moment, live when `live`; the
    // moment in both units (t and t / omega). No run: the start, not live.
    void showMoment(const RunRecord* run, double omega, bool live);
    // The same for a run going on, four times a second at most.
    void followRun(const RunRecord& run, double omega);

signals:
    void startOrStopAsked();
    // Esc while a run is under way.
    void stopAsked();
    // The pause button, P (on a Russian layout the same key, З) or the Pause key.
    void pauseAsked();
    // The user moved the slider to this many samples.
    void scrubbed(int moment);

private:
    void placeButtons();

    QPushButton* m_startButton = nullptr;
    QShortcut* m_stopShortcut = nullptr;
    QPushButton* m_pauseButton = nullptr;
    QShortcut* m_pauseShortcut = nullptr;
    TimeScrubber* m_timeSlider = nullptr;
    QLabel* m_timeLabel = nullptr;
    // The start button's places alone and beside the pause button, and the
    // pause button's, from the last layout.
    LayoutRect m_startAlone, m_startBesidePause, m_pausePlace;
    // Since the slider last followed a run.
    QElapsedTimer m_followed;
};

}  // namespace dryfriction
