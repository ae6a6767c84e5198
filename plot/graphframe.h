#pragma once

#include "plot/canvas.h"
#include "plot/graphdescription.h"

#include "model/plotranges.h"

#include <QString>

namespace dryfriction {

// Sets the canvas's user coordinates to the graph's: time from 0 to the
// duration across, the graph's range from top to bottom. A graph of a
// quantity across gets equal units both ways, its region centred in the
// canvas (whose size must be set).
void setGraphScale(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r);

// The empty frame of a graph: the stagnation band if it has one, light-green
// grid lines with "#0.00" labels (one per time division and one per division
// of the value range, thinned when there would be too many), the black axes
// of width 3, the stagnation segment if it has one, and the two captions
// (`timeCaption` names the horizontal axis). Text is printed in the canvas's own font
// and foreground colour. Leaves the canvas with a line width of 3.
void drawGraphFrame(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r,
                    const TimeGrid& grid, const QString& caption, const QString& timeCaption,
                    const QString& decimalPoint);

}  // namespace dryfriction
