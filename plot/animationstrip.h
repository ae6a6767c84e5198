#pragma once

#include "plot/canvas.h"

#include "model/plotranges.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

namespace dryfriction {

// Screen sizes of the set-up on the animation strip, in logical pixels: the
// load is a 25 x 25 square; the spring is drawn 25 pixels high so that spring
// and load stand on the axis alike.
inline constexpr double kLoadWidthPx = 25;
inline constexpr double kLoadHeightPx = 25;
inline constexpr double kSpringHeightPx = 25;

// Where the load and the spring lie over the strip, in its user units (x to
// the right, y downward; top is the upper edge). The spring runs from the
// wall, the strip's left edge, to the load.
struct SetupPlacement {
    double loadLeft = 0, loadTop = 0, loadWidth = 0, loadHeight = 0;
    double springLeft = 0, springTop = 0, springWidth = 0, springHeight = 0;

    friend bool operator==(const SetupPlacement&, const SetupPlacement&) = default;
};

// The coordinate strip: the grey band |x| <= 1, a light-green grid every unit
// with "#0.00" labels below the axis where they have room (as on the graphs,
// see graphframe.h), the black axes and the caption clear of the labels; and the set-up at its
// start, the load centred on x0. Pixel sizes are turned into user units with
// the canvas's scale and size. A spring that would be narrower than nothing
// (a strip narrower than the load) has width 0. Leaves the line width at 3.
SetupPlacement drawAnimationStrip(Canvas& strip, const PlotRanges& r, double x0,
                                  const QString& caption, const QString& decimalPoint,
                                  QSizeF loadPx = {kLoadWidthPx, kLoadHeightPx},
                                  double springHeightPx = kSpringHeightPx);

// The set-up with the load centred on x and the spring stretched from the
// wall, where it starts, to the load's left side.
SetupPlacement placedAt(SetupPlacement placement, double x);

// The spring picture: 400 x 50 pixels, a horizontal coil with a short straight
// end piece on each side, in 16 grey tones on a transparent ground.
QImage springPicture();

// Draws the spring (stretched to its placement) and the load (black outline,
// white inside) over the strip's image. `painter` works in the strip's logical
// pixels with (0, 0) at its top-left corner.
void paintSetup(QPainter& painter, const Canvas& strip, const SetupPlacement& placement);

// The area of the strip, in logical pixels, that the set-up at `placement`
// covers; a repaint of it shows the set-up moved.
QRectF setupArea(const Canvas& strip, const SetupPlacement& placement);

}  // namespace dryfriction
