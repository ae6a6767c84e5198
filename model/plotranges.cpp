#include "model/plotranges.h"

#include <cmath>

namespace dryfriction {

namespace {

double sgn(double v)
{
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

}  // namespace

// Every maximum n gets floor(n) + 1, so a whole-number maximum still has one
// unit of room.
PlotRanges computePlotRanges(const ProblemParameters& p, const MotionCharacteristics& c)
{
    PlotRanges r;

    // End of the first swing: amplitude Ao about the centre -sgn(v0).
    r.firstTurn = p.v0 == 0 ? p.x0 : (c.firstAmplitude - 1) * sgn(p.v0);
    r.xMax = p.x0 > std::fabs(r.firstTurn) ? std::floor(p.x0) + 1 : std::floor(std::fabs(r.firstTurn)) + 1;

    r.animLeft = -r.xMax;
    r.animRight = r.xMax;
    r.animTop = -1;
    r.animBottom = 1;

    r.graphLeft = 0;
    r.graphRight = p.duration;

    r.xTop = r.xMax;
    r.xBottom = -r.xMax;

    // Largest speed other than the initial one.
    if (p.x0 > 1 && p.v0 < 0)
        r.vPeak = -c.firstAmplitude;
    else if (p.v0 == 0)
        r.vPeak = p.x0 - 1;
    else
        r.vPeak = (c.firstAmplitude - 2) * sgn(p.v0);
    r.vMax = static_cast<float>(std::fabs(p.v0) > std::fabs(r.vPeak)
                                    ? std::floor(std::fabs(p.v0)) + 1
                                    : std::floor(std::fabs(r.vPeak)) + 1);
    r.vBottom = -r.vMax;
    r.vTop = r.vMax;

    r.wBottom = -0.2;
    r.wTop = 1;

    // The path never exceeds the initial energy (x0^2 + v0^2)/2.
    r.pathBottom = 0;
    r.pathMax = std::floor(0.5 * (p.x0 * p.x0 + p.v0 * p.v0)) + 1;
    r.pathTop = r.pathMax;
    return r;
}

}  // namespace dryfriction
