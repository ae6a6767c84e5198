#pragma once

#include "model/motion.h"
#include "model/plotranges.h"

#include <QColor>

#include <span>

namespace dryfriction {

// One graph of a quantity against time, described by data: what it traces from
// a sample, its vertical range, its grid and where its labels go, its colours
// and font. One routine draws the frame of any graph from its description (see
// graphframe.h), one draws a run on every graph (see rundrawing.h).
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
};

// The time graphs in the order the window offers them: coordinate, velocity
// projection, energy relative to the initial energy, path.
std::span<const GraphDescription> timeGraphs();

}  // namespace dryfriction
