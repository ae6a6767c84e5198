#pragma once

#include "model/motion.h"
#include "model/plotranges.h"

#include <QColor>

#include <span>

namespace dryfriction {

// One graph of a quantity against time, or against another quantity, described
// by data: what it traces from a sample, its ranges, its grid and where its
// labels go, its colours and font. One routine draws the frame of any graph
// from its description (see graphframe.h), one draws a run on every graph (see
// rundrawing.h).
struct GraphDescription {
    // The quantity traced, read from a sample, and the trace's colour.
    double (*value)(const MotionSample&) = nullptr;
    QColor traceColor;

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

    // What runs across: the time from 0 to the duration when `across` is
    // null, or else a quantity of the sample from `left` to `right`. Such a
    // graph has one pixel per unit on both axes (its region centred in the
    // view, the rest blank), grid lines at the same step across and up (a
    // unit, or a half or a quarter of one when the ranges are small), no
    // legend, and marks the stops where they happen rather than when.
    double (*across)(const MotionSample&) = nullptr;
    double (*left)(const PlotRanges&) = nullptr;
    double (*right)(const PlotRanges&) = nullptr;

    // The stagnation zone as the grey segment |x| <= 1 of the horizontal
    // axis, with the two centres of the swings, x = -1 and x = 1, marked.
    bool stagnationSegment = false;
};

inline bool acrossTime(const GraphDescription& graph)
{
    return graph.across == nullptr;
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

inline double acrossValue(const GraphDescription& graph, const MotionSample& s)
{
    return acrossTime(graph) ? static_cast<double>(s.t) : graph.across(s);
}

// The graphs in the order the window offers them: coordinate, velocity
// projection, energy relative to the initial energy and path against time,
// then the phase portrait, velocity against coordinate.
std::span<const GraphDescription> timeGraphs();

}  // namespace dryfriction
