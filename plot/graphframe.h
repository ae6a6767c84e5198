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
// grid lines (at round times, 1, 2 or 5 times a power of ten of the phase,
// no closer than can be counted and at least three where the duration is
// short; or per grid unit of a quantity across; and one per division of the
// value range, finer for a range of a unit or two, thinned when there would
// be too many), the black axes of width 3, the stagnation segment if it has one,
// "#0.00" labels and the two captions (`timeCaption` names the horizontal
// axis). A line gets a label only where the labels have room, at a regular
// stride that keeps 0 (see labelStride); labels sit clear of the axes and of
// their own line, the value labels right of the vertical axis just below
// their line, the labels across right of their line beside the horizontal
// axis; the captions move off the labels. With `labelsOnLines` (for print on
// white) a label other than 0 is centred on its line instead, the line broken
// by a white gap behind the text. Text is printed in the canvas's own font and
// foreground colour, measured as the canvas measures it. Leaves the canvas
// with a line width of 3, not smoothed.
void drawGraphFrame(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r,
                    const QString& caption, const QString& timeCaption, const QString& decimalPoint,
                    bool labelsOnLines = false);

}  // namespace dryfriction
