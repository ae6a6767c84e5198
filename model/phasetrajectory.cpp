#include "model/phasetrajectory.h"

#include "model/constants.h"
#include "model/motion.h"

#include <algorithm>
#include <cmath>

namespace dryfriction {

double swingCentre(double t, const ProblemParameters& p, const MotionCharacteristics& c)
{
    const double s = p.v0 >= 0 ? 1.0 : -1.0;
    const double n = t <= c.firstStop ? 0.0 : 1.0 + std::floor((t - c.firstStop) / kPi);
    return std::fmod(n, 2.0) == 0 ? -s : s;
}

double nearestPhaseTime(double x, double v, double until, const ProblemParameters& p,
                        const MotionCharacteristics& c)
{
    const double end = std::clamp(until, 0.0, c.finalStop > 0 ? c.finalStop : 0.0);
    const auto distance = [&](double t) {
        const MotionState s = motionAt(t, p, c);
        return std::hypot(s.x - x, s.vx - v);
    };

    double best = 0;
    double bestDistance = distance(0);
    const auto consider = [&](double t) {
        const double d = distance(t);
        if (d < bestDistance) {
            best = t;
            bestDistance = d;
        }
    };

    // Arc by arc: from the start to the first stop, then from stop to stop.
    const int halfSwings = halfSwingCount(c);
    double from = 0;
    for (int k = 0; k <= halfSwings + 1 && from < end; ++k) {
        const double to = k <= halfSwings ? std::min(stopTime(c, k), end) : end;
        if (to <= from)
            continue;
        const double centre = swingCentre(0.5 * (from + to), p, c);
        const MotionState start = motionAt(from, p, c);
        // The load runs clockwise about the centre: the polar angle falls by
        // the phase elapsed, so the point of the circle at the direction of
        // (x, v) is reached after the angle between them, taken clockwise.
        const double startAngle = std::atan2(start.vx, start.x - centre);
        const double pointAngle = std::atan2(v, x - centre);
        const double ahead = std::fmod(std::fmod(startAngle - pointAngle, 2 * kPi) + 2 * kPi, 2 * kPi);
        if (from + ahead <= to)
            consider(from + ahead);
        consider(to);
        from = to;
    }
    return best;
}

}  // namespace dryfriction
