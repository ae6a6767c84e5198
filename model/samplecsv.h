#pragma once

#include "model/characteristics.h"
#include "model/parameters.h"

#include <cstddef>
#include <iosfwd>
#include <limits>
#include <string>

namespace dryfriction {

// The shortest text that reads back to the same value, with "." as the
// decimal separator in every locale: 0.1 -> "0.1", 1e-07 -> "1e-07".
// Single precision values (the run's clock) get their own shortest text.
std::string shortestText(double value);
std::string shortestText(float value);

// The samples of the run of this problem as CSV, one line per sample after
// the header "t,x,Vx,W/Wo,path": the time, the coordinate, the velocity
// projection, the energy over the initial energy and the path, each in its
// shortest text. The same bytes in every locale and on every stream. Every
// sample of the run, or its first `maxSamples` (a run stopped early).
void writeSamplesCsv(std::ostream& out, const ProblemParameters& p, const MotionCharacteristics& c,
                     std::size_t maxSamples = std::numeric_limits<std::size_t>::max());

}  // namespace dryfriction
