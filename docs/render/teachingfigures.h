#pragma once

#include <QDir>

namespace dryfriction {

// Draws the teaching figures of the theory document with the program's own
// drawing layer and saves them as PNG files into `dir`:
//   setup-forces.png     the set-up on its axis, twice: moving away from the
//                        wall and towards it, with the four forces on the load;
//   dry-viscous.png      the coordinate from X0 = 9.5, V0 = 0 under dry
//                        friction with its straight envelope, and under viscous
//                        friction from the same start with its exponential one.
// False if a file could not be written.
bool saveTeachingFigures(const QDir& dir);

}  // namespace dryfriction
