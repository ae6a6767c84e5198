#pragma once

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"

#include <cstddef>
#include <span>
#include <vector>

namespace dryfriction {

// Everything a run is, in one place: the problem it ran, every sample its
// clock takes, and the moment the views show. The views, the pointer's
// readout, the results, saving and copying all read the moment from here, so
// that pausing, scrubbing and resuming only move one number.
//
// The samples are those of MotionRun, taken once when the run starts (about
// 400 000 for the longest run, 16 MB), so any moment is at hand at once.
// "Shown" counts the samples the views show: 0 is the start, where only the
// start points are drawn; sampleCount() is the end.
class RunRecord {
public:
    RunRecord(const ProblemParameters& p, const MotionCharacteristics& c);

    const ProblemParameters& parameters() const { return m_parameters; }
    const MotionCharacteristics& characteristics() const { return m_characteristics; }

    std::size_t sampleCount() const { return m_samples.size(); }
    // Sample k, 1 .. sampleCount(); 0 gives the state at t = 0.
    const MotionSample& sample(std::size_t k) const { return k == 0 ? m_initial : m_samples[k - 1]; }
    // Samples from + 1 .. to, in order.
    std::span<const MotionSample> samples(std::size_t from, std::size_t to) const;

    // The samples worth watching one by one: up to the final stop. After it
    // the load rests for good and every trace runs flat, so the rest of the
    // run can be drawn at once. All of them when the run ends before the load
    // stops.
    std::size_t pacedCount() const { return m_pacedCount; }

    std::size_t shown() const { return m_shown; }
    // Clamped to the run's samples.
    void setShown(std::size_t count);
    const MotionSample& shownSample() const { return sample(m_shown); }
    // The results of the moment shown: the coordinate, the path and the time.
    RunResult resultShown() const;

    // The moments of the stops (the red markers, t = firstStop + k*pi) within
    // the run, as sample counts: each stop at the sample nearest to it, the
    // later one on a tie. previousStop is the last of them before `count`,
    // or 0; nextStop the first after it, or sampleCount().
    std::size_t previousStop(std::size_t count) const;
    std::size_t nextStop(std::size_t count) const;
    const std::vector<std::size_t>& stopMoments() const { return m_stops; }

private:
    ProblemParameters m_parameters;
    MotionCharacteristics m_characteristics;
    MotionSample m_initial;
    std::vector<MotionSample> m_samples;
    std::vector<std::size_t> m_stops;
    std::size_t m_pacedCount = 0;
    std::size_t m_shown = 0;
};

}  // namespace dryfriction
