#pragma once

#include "animationview.h"
#include "views.h"

#include "characteristics.h"
#include "motion.h"
#include "parameters.h"
#include "plotranges.h"

#include <cstdint>

namespace dryfriction {

// The two legend lines every graph shows during a run.
inline const QString kLegendStops = QStringLiteral("Красный пунктир - время в точках остановки. Vx=0");
inline const QString kLegendExtremes =
    QStringLiteral("Синий пунктир   - время, когда скорость экстремальна");

// The run preamble on the four graphs, in this order: dashed width-1 markers
// (for k = 0..n_half: red at the stop time tau_0 + k*pi, blue at the
// extreme-velocity time tau_0 + (2k - 1)*pi/2, graph by graph), the magenta
// envelope on Picture2 when n_half >= 3, then width 3 solid, the two legend
// lines and the red start points (0, Xo), (0, Vo), (0, 1), (0, 0), which
// become the current points the traces start from. Returns the initial
// animationCounter, 0.
std::int16_t drawRunPreamble(GraphViews& views, const PlotRanges& r, const ProblemParameters& p,
                             const MotionCharacteristics& c);

// One sample of a run. If animationCounter is 5 the load moves to the
// sample's x and the spring is re-stretched (counter back to 0); then the
// counter is incremented and the four traces are extended from their current
// points: x red, Vx blue, W/Wo red, path red. So the load moves at the 6th,
// 11th, 16th, ... sample. Returns whether the load moved (Picture1 then needs
// a repaint; nothing is drawn into its image).
bool drawSample(GraphViews& views, const MotionSample& s, std::int16_t& animationCounter,
                SetupPlacement& placement, const PlotRanges& r);

}  // namespace dryfriction
