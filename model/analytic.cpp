#include "model/analytic.h"

#include <cmath>

namespace dryfriction {

float analyticFinalDistance(double firstAmplitude)
{
    const double h = firstAmplitude / 2;
    const double f = h - std::floor(h);
    return static_cast<float>(std::fabs(f * 2 - 1));
}

float analyticFinalPath(float finalDistance, double initialEnergy)
{
    const double x = finalDistance;
    return static_cast<float>(initialEnergy - x * x / 2);
}

}  // namespace dryfriction
