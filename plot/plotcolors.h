#pragma once

#include <QColor>

namespace dryfriction {

// The colours of the frames and of a run's drawing.
inline const QColor kBandColor{192, 192, 192};   // stagnation zone, 0xC0C0C0
inline const QColor kGridColor{128, 255, 128};   // grid lines, 0x80FF80
inline const QColor kAxisColor{0, 0, 0};         // axes
inline const QColor kRed{255, 0, 0};             // stop markers, traces
inline const QColor kBlue{0, 0, 255};            // extreme-velocity markers, Vx trace
inline const QColor kMagenta{255, 0, 255};       // envelope

}  // namespace dryfriction
