#pragma once

#include "plot/canvas.h"
#include "plot/graphdescription.h"
#include "plot/viewtexts.h"

#include "model/characteristics.h"
#include "model/parameters.h"
#include "model/plotranges.h"
#include "model/runrecord.h"

#include <QRectF>
#include <QString>

#include <cstddef>
#include <span>
#include <vector>

namespace dryfriction {

// What a run draws on a graph before its first sample, in this order: dashed
// markers of width 1 for k = 0 .. halfSwings, red at the stop times
// firstStop + k*pi (Vx = 0 there) and blue at the extreme-velocity times
// firstStop + (2k - 1)*pi/2; the magenta envelope, smoothed, where the graph
// shows one and there are three half-swings or more; then, at the traces'
// width, the two legend lines (the second below the first where their levels
// would let them overlap) and a red start point at t = 0 for every trace. A
// graph of a quantity across gets, instead of the markers and the legend, a
// short dashed red mark across its horizontal axis at every stop within the
// duration, then the start points.
void drawRunPreamble(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r,
                     const ProblemParameters& p, const MotionCharacteristics& c,
                     const QString& legendStops, const QString& legendExtremes);

// Extends every trace of the graph from sample `from` of the run, where it
// ends, to sample `to`: segment by segment while the samples are no more than
// the canvas's device-pixel columns, else through the points tracePoints
// keeps. Each trace sets out from its own sample `from`, whatever else was
// drawn on the canvas meanwhile. Returns the area that changed, in logical
// pixels (empty when nothing was drawn, or nothing of it is inside).
QRectF drawTraces(Canvas& canvas, const GraphDescription& graph, const RunRecord& run, std::size_t from,
                  std::size_t to);

// The same on every graph: `canvases[i]` shows viewGraphs()[i]. Returns the
// changed areas canvas by canvas.
std::vector<QRectF> drawTraces(std::span<Canvas* const> canvases, const RunRecord& run, std::size_t from,
                               std::size_t to);

// A graph at the moment `shown` of a run (0: the start points only), over its
// freshly drawn frame: the preamble, then the traces through sample `shown`.
// The cost is held to the canvas's pixels however long the run. (A run used
// to draw the graph's frame a second time first; the canvases draw a frame
// drawn twice pixel for pixel as one drawn once, so that pass is left out.)
void drawRunAt(Canvas& canvas, std::size_t graph, const PlotRanges& r, const ViewTexts& texts,
               const RunRecord& run, std::size_t shown);

// The same on every graph: `graphs[i]` shows viewGraphs()[i].
void drawRunAt(std::span<Canvas* const> graphs, const PlotRanges& r, const ViewTexts& texts, const RunRecord& run,
               std::size_t shown);

}  // namespace dryfriction
