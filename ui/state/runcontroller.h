#pragma once

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"

#include <QObject>

#include <cstddef>
#include <optional>

namespace dryfriction {

class PacingClock;

// A run of the simulation: it takes the samples one by one and paces the samples so that the run can be watched: after every sample,
// the last one included, the clock waits slowdown x 10 ms. The window starts
// and stops a run and shows what it reports; between two samples the event
// loop runs, so the window stays responsive without a nested loop or a busy
// wait.
class RunController : public QObject {
    Q_OBJECT

public:
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

    bool isRunning() const { return m_running; }
    // The samples the last run took (drawn, its load moved to them); 0 before any run.
    std::size_t samplesTaken() const { return m_run ? static_cast<std::size_t>(m_run->sampleCount()) : 0; }

    // Starts a run of the problem; the first sample is taken at once.
    void start(const ProblemParameters& p, const MotionCharacteristics& c);
    // Ends a run at once: the pending pause is cancelled, no further sample is
    // taken and finished() is not emitted. Returns the results of the last
    // sample taken (zero before any run).
    RunResult stop();

signals:
    // Each sample, in order, before the pause that follows it.
    void sampleTaken(const dryfriction::MotionSample& sample);
    // The pause after the last sample is over; the run has ended.
    void finished(const dryfriction::RunResult& result);

private:
    void takeSample();
    void tick();

    PacingClock& m_clock;
    int m_slowdown = kStartupSlowdown;
    bool m_running = false;
    std::optional<MotionRun> m_run;
};

}  // namespace dryfriction
