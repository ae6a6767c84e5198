#pragma once

#include <QPointF>

namespace dryfriction {

// Clips the segment a-b to the rectangle [lo, hiX] x [lo, hiY] (Liang-Barsky).
// A clipped end is put exactly on the edge it was cut at and its other
// coordinate follows the slope from the kept point, so that even a line with
// ends at +-1e300 lands where it should. Returns false when nothing of it lies
// inside.
bool clipSegment(QPointF& a, QPointF& b, double lo, double hiX, double hiY);

}  // namespace dryfriction
