#include "plotranges.h"

#include <cmath>

namespace dryfriction {

namespace {

double sgn(double v)
{
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

}  // namespace

// minmax: ranges from Xo, Vo, tCalc and Ao. Int() rounds down; every maximum
// n gets Int(n) + 1, so a whole-number maximum still has one unit of room.
PlotRanges computePlotRanges(const ProblemParameters& p, const MotionCharacteristics& c)
{
    PlotRanges r;

    // End of the first swing: amplitude Ao about the centre -sgn(Vo).
    r.xTurn = p.Vo == 0 ? p.Xo : (c.Ao - 1) * sgn(p.Vo);
    r.Xmax = p.Xo > std::fabs(r.xTurn) ? std::floor(p.Xo) + 1 : std::floor(std::fabs(r.xTurn)) + 1;

    r.animLeft = -r.Xmax;
    r.animRight = r.Xmax;
    r.animTop = -1;
    r.animBottom = 1;

    r.graphLeft = 0;
    r.graphRight = p.tCalc;

    r.xTop = r.Xmax;
    r.xBottom = -r.Xmax;

    // Largest speed other than the initial one.
    if (p.Xo > 1 && p.Vo < 0)
        r.vPeak = -c.Ao;
    else if (p.Vo == 0)
        r.vPeak = p.Xo - 1;
    else
        r.vPeak = (c.Ao - 2) * sgn(p.Vo);
    r.Vmax = static_cast<float>(std::fabs(p.Vo) > std::fabs(r.vPeak)
                                    ? std::floor(std::fabs(p.Vo)) + 1
                                    : std::floor(std::fabs(r.vPeak)) + 1);
    r.vBottom = -r.Vmax;
    r.vTop = r.Vmax;

    r.wBottom = -0.2;
    r.wTop = 1;

    // The path never exceeds the initial energy (Xo^2 + Vo^2)/2.
    r.pathBottom = 0;
    r.PathMax = std::floor(0.5 * (p.Xo * p.Xo + p.Vo * p.Vo)) + 1;
    r.pathTop = r.PathMax;
    return r;
}

}  // namespace dryfriction
