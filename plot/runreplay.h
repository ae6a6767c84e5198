#pragma once

#include "plot/canvas.h"
#include "plot/viewtexts.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <cstddef>
#include <span>

namespace dryfriction {

// Draws at once what a run had drawn on the graphs after its first `sampleCount`
// samples: the run's preamble, then the trace through those samples. The graphs'
// frames must already be drawn. `graphs[i]` shows timeGraphs()[i]. Returns the last
// sample drawn (the initial sample when sampleCount is 0).
MotionSample replayRun(std::span<Canvas* const> graphs, const PlotRanges& r,
                       const ProblemParameters& p, const MotionCharacteristics& c,
                       const ViewTexts& texts, std::size_t sampleCount);

}  // namespace dryfriction
