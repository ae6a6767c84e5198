#pragma once

#include "plot/canvas.h"
#include "plot/graphdescription.h"

#include "model/plotranges.h"

#include <QString>

namespace dryfriction {

// Sets the canvas's user coordinates to the graph's: time from 0 to the
// duration across, the graph's range from top to bottom.
void setGraphScale(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r);

// The empty frame of a graph: the stagnation band if it has one, light-green
// grid lines (one per time division and one per division of the value range,
// thinned when there would be too many), the black axes of width 3, "#0.00"
// labels and the two captions. A line gets a label only where the labels
// have room, at a regular stride that keeps 0 (see labelStride); labels sit
// clear of the axes and of their own line, the value labels right of the
// vertical axis just below their line, the time labels right of their line
// beside the time axis; the captions move off the labels. Text is printed
// in the canvas's own font and foreground colour, measured as the canvas
// measures it. Leaves the canvas with a line width of 3, not smoothed.
void drawGraphFrame(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r,
                    const TimeGrid& grid, const QString& caption, const QString& timeCaption,
                    const QString& decimalPoint);

}  // namespace dryfriction
