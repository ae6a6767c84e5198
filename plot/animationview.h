#pragma once

#include "canvas.h"

#include "plotranges.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

namespace dryfriction {

class ImageCanvas;

// Screen sizes of the set-up in Picture1, in logical pixels: the load Shape1
// is a 25 x 25 square; the spring Image1 is drawn 25 pixels high so that the
// spring and the load stand on the axis alike.
inline constexpr double kLoadWidthPx = 25;
inline constexpr double kLoadHeightPx = 25;
inline constexpr double kSpringHeightPx = 25;

// Where the load (Shape1) and the spring (Image1) lie over Picture1, in its
// user units (x to the right, y downward; top is the upper edge).
struct SetupPlacement {
    double shapeLeft = 0, shapeTop = 0, shapeWidth = 0, shapeHeight = 0;
    double imageLeft = 0, imageTop = 0, imageWidth = 0, imageHeight = 0;

    friend bool operator==(const SetupPlacement&, const SetupPlacement&) = default;
};

// axes: draws the coordinate strip of Picture1 (grey band |x| <= 1, light-green
// grid every unit with "#0.00" labels, black axes, caption "X") and puts the
// set-up at its start: the load centred on Xo, the spring from the left edge
// to the load, both standing on the axis. Sizes in pixels come from the
// canvas's current scale and size. A spring width that would be negative (a
// view narrower than the load) is 0. Leaves the line width at 3.
SetupPlacement axes(Canvas& picture1, const PlotRanges& r, double Xo, const QString& decimalPoint,
                    QSizeF loadPx = {kLoadWidthPx, kLoadHeightPx},
                    double springHeightPx = kSpringHeightPx);

// Moves the load so that its centre is at x and stretches the spring from the
// view's left edge to the load: width |x - animLeft - shapeWidth/2|.
void moveLoad(SetupPlacement& placement, double x, double animLeft);

// The spring picture: 400 x 50 pixels, a horizontal coil with a short straight
// end piece on each side, in 16 grey tones on a transparent ground.
QImage springPicture();

// Draws the spring (stretched to its placement) and the load (black outline,
// white inside) over Picture1's image. `painter` works in Picture1's logical
// pixels with (0, 0) at its top-left corner.
void paintSetup(QPainter& painter, const ImageCanvas& picture1, const SetupPlacement& placement);

}  // namespace dryfriction
