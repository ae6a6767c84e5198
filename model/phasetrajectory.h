#pragma once

#include "model/characteristics.h"
#include "model/parameters.h"

namespace dryfriction {

// The phase plane: coordinate X = x/a across, velocity V = Vx/Va up. Every
// half-swing n is an arc of the circle of radius A = Ao - 2n about its centre
// X = -s*(-1)^n (s the sign of v0, +1 for v0 = 0), run clockwise at one
// radian per unit of phase; the load comes to rest on the segment |X| <= 1.

// The centre of the swing in progress at phase t, +1 or -1.
double swingCentre(double t, const ProblemParameters& p, const MotionCharacteristics& c);

// The phase t in [0, until] at which the trajectory passes nearest to the
// point (x, v) of the phase plane (distances measured with equal units on
// both axes). After the final stop the load rests: the final stop stands for
// every later phase.
double nearestPhaseTime(double x, double v, double until, const ProblemParameters& p,
                        const MotionCharacteristics& c);

}  // namespace dryfriction
