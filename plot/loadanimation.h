#pragma once

#include "plot/animationstrip.h"

#include "model/characteristics.h"
#include "model/parameters.h"

#include <cstddef>

namespace dryfriction {

// The load on the strip during a run. It follows the samples in steps of five
// (at the 6th, 11th, 16th ... sample) rather than at every one: the strip is
// redrawn a fifth as often, and the motion still reads as motion.
class LoadAnimation {
public:
    LoadAnimation() = default;
    explicit LoadAnimation(const SetupPlacement& start);

    // Takes the coordinate of the next sample; true when the load moved to it.
    bool follow(double x);

    const SetupPlacement& placement() const { return m_placement; }

private:
    static constexpr int kSamplesPerMove = 5;

    SetupPlacement m_placement;
    int m_samplesSinceMove = 0;
};

// Where the load stands after the first `sampleCount` samples of a run of the
// problem that set it out at `start`: the place of the last move, or the start
// when the run moved it not yet.
SetupPlacement placementAfter(const SetupPlacement& start, const ProblemParameters& p,
                              const MotionCharacteristics& c, std::size_t sampleCount);

}  // namespace dryfriction
