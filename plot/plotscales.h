#pragma once

#include "views.h"

#include "characteristics.h"
#include "parameters.h"
#include "plotranges.h"

namespace dryfriction {

// minmax: works out the ranges of the five views from Xo, Vo, tCalc and Ao and
// sets the scale of each canvas (nothing is cleared or drawn):
//   Picture1 (-Xmax, -1)-(Xmax, 1), y growing downward;
//   Picture2 (0, Xmax)-(tCalc, -Xmax); Picture3 (0, Vmax)-(tCalc, -Vmax);
//   Picture4 (0, 1)-(tCalc, -0.2);     Picture5 (0, PathMax)-(tCalc, 0).
PlotRanges minmax(const ProblemParameters& p, const MotionCharacteristics& c, Views& views);

// Sets the scales of the five canvases from ranges already worked out.
void applyScales(const PlotRanges& r, Views& views);

}  // namespace dryfriction
