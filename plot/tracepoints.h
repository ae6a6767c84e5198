#pragma once

#include "plot/canvas.h"
#include "plot/graphdescription.h"

#include "model/runrecord.h"

#include <QPointF>

#include <cstddef>
#include <vector>

namespace dryfriction {

// The points, in user coordinates, through which a trace goes on from sample
// `from` of the run (its last point, not included) to sample `to`.
//
// Every sample while there are no more of them than the canvas has
// device-pixel columns: a run drawn sample by sample draws exactly these.
// Beyond that the cost is held to the pixels the curve covers. Against time,
// each device-pixel column keeps its first, lowest, highest and last sample
// (in the order they come), and a level stretch keeps only its ends. Against
// a quantity across, a sample that stays in the device pixel of the last one
// kept is skipped. The curve through the points kept lies within a device
// pixel of the curve through all of them, and ends on sample `to`.
std::vector<QPointF> tracePoints(const Canvas& canvas, const TraceDescription& trace, const RunRecord& run,
                                 std::size_t from, std::size_t to);

}  // namespace dryfriction
