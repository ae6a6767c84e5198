#pragma once

#include "animationview.h"
#include "axes.h"
#include "views.h"

#include "characteristics.h"
#include "parameters.h"
#include "plotranges.h"

#include <QString>

namespace dryfriction {

// axes_2, axes_3, axes_4, axes_5 in this order (only axes_2 works out the time
// grid, which the other three reuse); returns that grid.
TimeGrid drawGraphFrames(GraphViews& graphs, const PlotRanges& r, const QString& decimalPoint);

// What every relayout draws on the freshly cleared canvases: the ranges and
// scales (minmax), the animation strip with the set-up at its start (axes),
// and the four graph frames.
struct Frames {
    PlotRanges ranges;
    TimeGrid timeGrid;
    SetupPlacement placement;
};

Frames drawFrames(Views& views, const ProblemParameters& p, const MotionCharacteristics& c,
                  const QString& decimalPoint);

}  // namespace dryfriction
