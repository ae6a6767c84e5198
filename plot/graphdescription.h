#pragma once

#include "plot/canvas.h"

#include "model/motion.h"
#include "model/plotranges.h"

#include <QColor>

#include <span>
#include <vector>

namespace dryfriction {

// One curve a run draws on a graph: the quantities it reads from a sample,
// across (the time when null) and up, and how it is drawn. The width of a
// trace is kTraceWidth; the canvases dash only lines of width 1, so a dashed
// trace shows solid on them.
struct TraceDescription {
    double (*across)(const MotionSample&) = nullptr;
    double (*up)(const MotionSample&) = nullptr;
    QColor color;
    LineStyle style = LineStyle::Solid;
};

// The width in logical pixels of every trace (and of the run's start points).
inline constexpr int kTraceWidth = 3;

// One graph of quantities against time, or against another quantity, described
// by data: what its traces read from a sample, its ranges, its grid and where
// its labels go, its colours and font. One routine draws the frame of any graph
// from its description (see graphframe.h), one draws a run on any graph (see
// rundrawing.h).
struct GraphDescription {
    // The curves a run draws, in the order they are drawn. The first is the
    // graph's own quantity: the pointer reads it, and on a graph of a
    // quantity across its across quantity places the stops.
    std::vector<TraceDescription> traces;

    // The vertical range: the top and the bottom edge of the graph.
    double (*top)(const PlotRanges&) = nullptr;
    double (*bottom)(const PlotRanges&) = nullptr;

    // Horizontal grid lines at whole multiples of a division, the range being
    // cut into `fixedDivisions` divisions, or, when that is 0, into one per
    // unit. Symmetric graphs have lines from -(n - 1) to n - 1 divisions, n
    // the whole units of the top; the others from 1 to divisions - 1.
    int fixedDivisions = 0;
    bool symmetricLines = false;

    // The grey band |y| <= 1 of the stagnation zone.
    bool stagnationBand = false;
    // The vertical grid lines and the run's markers reach down to 0 rather
    // than to the bottom edge.
    bool verticalsEndAtZero = false;

    // Heights as fractions of the top: the time labels, the time axis's
    // caption, and the second legend line of a run (the first is at the top).
    double timeLabelLevel = 0;
    double timeCaptionLevel = 0;
    double legendLevel = 0;

    // A run draws the straight envelope of the decaying swings.
    bool envelope = false;

    // Point size of the graph's text (Times New Roman), and whether its
    // background is the window's document colour rather than white.
    double fontPoints = 9;
    bool windowBackground = false;

    // What runs across: the time from 0 to the duration when `left` is null,
    // or else a quantity of the sample from `left` to `right` (the traces say
    // which). Such a graph has one pixel per unit on both axes (its region
    // centred in the view, the rest blank), grid lines at the same step
    // across and up (a unit, or a half or a quarter of one when the ranges
    // are small), no legend, and marks the stops where they happen rather
    // than when.
    double (*left)(const PlotRanges&) = nullptr;
    double (*right)(const PlotRanges&) = nullptr;

    // The stagnation zone as the grey segment |x| <= 1 of the horizontal
    // axis, with the two centres of the swings, x = -1 and x = 1, marked.
    bool stagnationSegment = false;
};

inline bool acrossTime(const GraphDescription& graph)
{
    return graph.left == nullptr;
}

// The left and right edges of the graph's region, and where a sample lies across.
inline double leftEdge(const GraphDescription& graph, const PlotRanges& r)
{
    return acrossTime(graph) ? r.graphLeft : graph.left(r);
}

inline double rightEdge(const GraphDescription& graph, const PlotRanges& r)
{
    return acrossTime(graph) ? static_cast<double>(r.graphRight) : graph.right(r);
}

// Where a sample lies on a trace: across and up.
inline double acrossValue(const TraceDescription& trace, const MotionSample& s)
{
    return trace.across == nullptr ? static_cast<double>(s.t) : trace.across(s);
}

inline double upValue(const TraceDescription& trace, const MotionSample& s)
{
    return trace.up(s);
}

// The graphs the window offers, by name: against time the coordinate, the
// velocity projection, the energy relative to the initial energy and the
// path; then the phase portrait, velocity against coordinate.
enum class GraphView { Coordinate, Velocity, Energy, Path, Phase };

// Every graph, in the order of GraphView; drawing functions that take the
// graphs' canvases take them in this order.
std::span<const GraphDescription> viewGraphs();
const GraphDescription& graphOf(GraphView view);

}  // namespace dryfriction
