#pragma once

#include <cstdint>

namespace dryfriction {

// The program works with these decimals, not with full-precision pi: every
// number it shows is computed from them, so they are part of the results.
inline constexpr double kPi = 3.1415926535;
inline constexpr double kTwoPi = 6.283185307;
inline constexpr double kHalfPi = kPi / 2;  // 1.57079632675
inline constexpr double kG = 9.814;         // m/s^2

// One period 2*pi is cut into this many steps of the simulation clock.
inline constexpr std::int16_t kStepsPerPeriod = 500;

}  // namespace dryfriction
