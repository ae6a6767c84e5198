#pragma once

#include "plot/viewscene.h"

#include <QByteArray>
#include <QSize>

namespace dryfriction {

// The file formats a graph is saved in.
enum class GraphFormat { Png, Svg, Pdf };

// The view of `logical` size, shown at `screenRatio` device pixels per
// logical pixel, as the bytes of a file:
// - PNG: drawn afresh at twice the screen's resolution, its resolution
//   recorded so that it prints at the size it had on the screen;
// - SVG and PDF: drawn as lines, boxes and text at the view's size (the spring
//   stays a picture), so they scale and their text can be searched.
QByteArray encodeGraph(const ViewScene& scene, QSize logical, qreal screenRatio, GraphFormat format);

}  // namespace dryfriction
