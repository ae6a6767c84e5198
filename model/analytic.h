#pragma once

namespace dryfriction {

// The end of the motion in closed form, for comparison with a run's last
// sample. With h = Ao/2 and f its fractional part, the load comes to rest at
// |x| = |2f - 1| (single precision): every half-swing shortens the amplitude
// by 2, and the remainder decides where inside the zone |x| <= 1 it stops.
float analyticFinalDistance(double firstAmplitude);

// The path from the start to the final stop, Wo - x^2/2: the friction force
// is one unit, so the energy lost equals the path. Computed in double from
// the single-precision distance, stored in single precision.
float analyticFinalPath(float finalDistance, double initialEnergy);

}  // namespace dryfriction
