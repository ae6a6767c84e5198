#pragma once

#include "model/characteristics.h"
#include "model/parameters.h"

namespace dryfriction {

// How much of each quantity the views show. The ranges follow from x0, v0,
// the duration and the first amplitude alone, never from the simulated
// motion, so the frames can be drawn before a run. xMax, vMax and pathMax are
// whole numbers >= 1, each strictly greater than what they must cover.
struct PlotRanges {
    double firstTurn = 0;  // where the first swing ends
    double xMax = 1;       // half-range of every coordinate axis
    double animLeft = -1, animRight = 1;
    int animTop = -1, animBottom = 1;
    int graphLeft = 0;
    float graphRight = 1;  // the duration
    double xTop = 1, xBottom = -1;
    double vPeak = 0;      // the largest speed other than the initial one
    float vMax = 1;
    float vTop = 1, vBottom = -1;
    int wTop = 1;
    double wBottom = -0.2;
    double pathMax = 1;    // floor((x0^2 + v0^2)/2) + 1
    double pathTop = 1;
    float pathBottom = 0;

    friend bool operator==(const PlotRanges&, const PlotRanges&) = default;
};

PlotRanges computePlotRanges(const ProblemParameters& p, const MotionCharacteristics& c);

}  // namespace dryfriction
