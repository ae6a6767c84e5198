#pragma once

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/runrecord.h"

#include <QObject>

#include <cstddef>
#include <memory>

namespace dryfriction {

class PacingClock;

// A run of the simulation and the moment it shows. Running, it shows the
// samples one by one and paces them so that the run can be watched: after
// every sample, the last one included, the clock waits slowdown x 10 ms.
// Paused or ended, the moment shown is the user's to move. Between two
// samples the event loop runs, so the window stays responsive without a
// nested loop or a busy wait.
//
//   Idle --start--> Running --pause--> Paused --resume--> Running
//   Running, Paused --stop--> Ended (stopped);  Running --last pause over--> Ended
//   Ended --start--> Running;  any --forget--> Idle
//
// The record is shared, read-only, with whoever draws or saves the run: the
// views, the readout, the results and the exports all read the moment shown
// from it.
class RunController : public QObject {
    Q_OBJECT

public:
    enum class State { Idle, Running, Paused, Ended };
    Q_ENUM(State)

    // One step of the slowdown, in milliseconds of pause after a sample.
    static constexpr int kPauseStepMs = 10;
    static constexpr int kMinSlowdown = 1;
    static constexpr int kMaxSlowdown = 9;
    static constexpr int kStartupSlowdown = 5;

    explicit RunController(PacingClock& clock, QObject* parent = nullptr);

    // The pause after the next sample is slowdown x 10 ms, also when it
    // changes during a run.
    void setSlowdown(int slowdown);
    int slowdown() const { return m_slowdown; }
    int pauseMs() const { return m_slowdown * kPauseStepMs; }

    State state() const { return m_state; }
    bool isRunning() const { return m_state == State::Running; }
    // Running or paused: a run is under way and the problem is locked.
    bool isUnderWay() const { return m_state == State::Running || m_state == State::Paused; }
    // Ended by the user rather than after the pause that follows its last sample.
    bool wasStopped() const { return m_stopped; }

    // The last run, while it is under way or has ended; null when idle.
    std::shared_ptr<const RunRecord> record() const { return m_record; }

    // Starts a run of the problem; its first sample is shown at once.
    void start(const ProblemParameters& p, const MotionCharacteristics& c);
    // Holds a running run at the moment shown, or lets a paused one go on
    // from the moment shown.
    void pause();
    void resume();
    // Ends a run under way at the moment shown: no further sample is shown.
    void stop();
    // Shows another moment of a paused or ended run: `count` samples.
    void scrub(std::size_t count);
    // The problem changed: the run is gone.
    void forget();

    // The phase time of the load during a run, `fraction` of the way through
    // the pause after the sample shown: the load moves on between two samples
    // rather than jump from one to the next. The time of the sample shown
    // when not running, or at the end.
    double loadTime(double fraction) const;

signals:
    void stateChanged(dryfriction::RunController::State state);
    // The moment shown moved from `previous` samples to `shown`: forward by
    // one while the run goes sample by sample, by many when the rest of a run
    // is drawn at once, anywhere when the user scrubs.
    void momentChanged(std::size_t previous, std::size_t shown);

private:
    void setState(State state);
    void show(std::size_t count);
    void step();
    void waitForNext();

    PacingClock& m_clock;
    int m_slowdown = kStartupSlowdown;
    State m_state = State::Idle;
    bool m_stopped = false;
    std::shared_ptr<RunRecord> m_record;
};

}  // namespace dryfriction
