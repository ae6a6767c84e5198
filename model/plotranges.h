#pragma once

#include "characteristics.h"
#include "parameters.h"

namespace dryfriction {

// How much of each quantity the five views show. They follow from Xo, Vo,
// tCalc and Ao alone, never from the simulated motion, so the frames can be
// drawn before a run. Xmax, Vmax and PathMax are whole numbers >= 1, each
// strictly greater than what they must cover.
struct PlotRanges {
    double xTurn = 0;      // end of the first swing
    double Xmax = 1;       // half-range of every coordinate axis
    double animLeft = -1, animRight = 1;
    int animTop = -1, animBottom = 1;
    int graphLeft = 0;
    float graphRight = 1;  // tCalc
    double xTop = 1, xBottom = -1;
    double vPeak = 0;      // largest speed other than the initial one
    float Vmax = 1;
    float vTop = 1, vBottom = -1;
    int wTop = 1;
    double wBottom = -0.2;
    double PathMax = 1;    // Int((Xo^2 + Vo^2)/2) + 1
    double pathTop = 1;
    float pathBottom = 0;

    friend bool operator==(const PlotRanges&, const PlotRanges&) = default;
};

// The arithmetic of minmax: every field, in the documented order.
PlotRanges computePlotRanges(const ProblemParameters& p, const MotionCharacteristics& c);

}  // namespace dryfriction
