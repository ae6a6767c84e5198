#include "plot/loadanimation.h"

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

}  // namespace dryfriction
