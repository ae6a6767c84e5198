#pragma once

#include "canvas.h"

#include "plotranges.h"

#include <QString>

namespace dryfriction {

// The time grid of the four graphs, computed by axes_2 and reused by the
// other three: tDivisions = Int(tCalc), tStep = tCalc / tDivisions (0 when
// there are no divisions, that is tCalc < 1).
struct TimeGrid {
    float tDivisions = 0;
    double tStep = 0;
};

// The empty frames of the four graphs: light-green grid with "#0.00" labels
// (decimal separator `decimalPoint`), black axes of width 3 and the captions.
// Labels are printed in the canvas's own font and foreground colour. Each
// leaves its canvas with a line width of 3.
//
// axes_2: Picture2, coordinate x, also the grey stagnation band |x| <= 1.
TimeGrid axes_2(Canvas& picture2, const PlotRanges& r, const QString& decimalPoint);
// axes_3: Picture3, velocity projection "Vx".
void axes_3(Canvas& picture3, const PlotRanges& r, const TimeGrid& grid, const QString& decimalPoint);
// axes_4: Picture4, relative energy "W/Wo" (horizontal lines at 0.1 .. 1.1).
void axes_4(Canvas& picture4, const PlotRanges& r, const TimeGrid& grid, const QString& decimalPoint);
// axes_5: Picture5, path "П".
void axes_5(Canvas& picture5, const PlotRanges& r, const TimeGrid& grid, const QString& decimalPoint);

// The time grid alone, as axes_2 computes it.
TimeGrid timeGrid(const PlotRanges& r);

}  // namespace dryfriction
