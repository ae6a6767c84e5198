#pragma once

#include <QDir>

namespace dryfriction {

// Draws the views of a run with the program's own drawing layer at print
// resolution and saves them as PNG files into `dir`:
//   run-strip.png, run-coordinate.png, run-velocity.png, run-energy.png,
//   run-path.png, run-phase.png
//                          the start-up problem after its whole run;
//   stop-coordinate.png    x0 = 3, v0 = 0, time 8: one half-swing, then rest
//                          at the edge of the stagnation zone;
//   halfswing-phase.png    x0 = 1.5, v0 = 0: the phase portrait of a single
//                          half-swing that ends inside the zone.
// False if a file could not be written.
bool saveGraphFigures(const QDir& dir);

}  // namespace dryfriction
