#include "plot/loadanimation.h"

#include "model/motion.h"

namespace dryfriction {

LoadAnimation::LoadAnimation(const SetupPlacement& start) : m_placement(start)
{
}

bool LoadAnimation::follow(double x)
{
    bool moved = false;
    if (m_samplesSinceMove == kSamplesPerMove) {
        m_placement = placedAt(m_placement, x);
        m_samplesSinceMove = 0;
        moved = true;
    }
    ++m_samplesSinceMove;
    return moved;
}

SetupPlacement placementAfter(const SetupPlacement& start, const ProblemParameters& p,
                              const MotionCharacteristics& c, std::size_t sampleCount)
{
    LoadAnimation load(start);
    MotionRun run(p, c);
    for (std::size_t n = 0; n < sampleCount && run.next(); ++n)
        load.follow(run.sample().x);
    return load.placement();
}

}  // namespace dryfriction
