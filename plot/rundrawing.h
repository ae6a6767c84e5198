#pragma once

#include "plot/canvas.h"
#include "plot/graphdescription.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <QRectF>
#include <QString>

#include <span>
#include <vector>

namespace dryfriction {

// What a run draws on a graph before its first sample, in this order: dashed
// markers of width 1 for k = 0 .. halfSwings, red at the stop times
// firstStop + k*pi (Vx = 0 there) and blue at the extreme-velocity times
// firstStop + (2k - 1)*pi/2; the magenta envelope, smoothed, where the graph
// shows one and there are three half-swings or more; then, at width 3, the
// two legend lines (the second below the first where their levels would let
// them overlap) and the red start point at t = 0, from which the trace sets
// out. A graph of a quantity across gets, instead of the markers and the
// legend, a short dashed red mark across its horizontal axis at every stop
// within the duration, then its red start point. Leaves the canvas solid, at
// width 3 and smoothed for the trace.
void drawRunPreamble(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r,
                     const ProblemParameters& p, const MotionCharacteristics& c,
                     const QString& legendStops, const QString& legendExtremes);

// Extends the trace of every graph to the sample: `canvases[i]` shows
// timeGraphs()[i]. Returns, canvas by canvas, the area that changed, in
// logical pixels (empty when nothing of the segment is inside).
std::vector<QRectF> drawSample(std::span<Canvas* const> canvases, const MotionSample& s);

}  // namespace dryfriction
