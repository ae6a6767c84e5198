#pragma once

#include "model/parameters.h"

#include <cstdint>

namespace dryfriction {

// Quantities derived from the problem's parameters. omega, period,
// zoneHalfWidth and velocityScale carry units and are shown only; the others
// are dimensionless and drive the motion.
struct MotionCharacteristics {
    double omega = 0;           // cyclic frequency sqrt(k/m), rad/s
    double period = 0;          // 2*pi/omega, s
    double zoneHalfWidth = 0;   // stagnation half-width a = g*m*mu/k, m
    double velocityScale = 0;   // Va = omega*a, m/s
    double firstAmplitude = 0;  // amplitude of the first half-swing about its centre
    double firstStop = 0;       // phase of the first stop (the first Vx = 0)
    double halfSwings = 0;      // half-swings after the first stop (a whole number)
    double finalStop = 0;       // phase of the final stop, firstStop + halfSwings*pi
    std::int16_t stepsPerPeriod = 0;  // 500
    std::int16_t startTime = 0;       // 0
    float timeStep = 0;         // 2*pi/stepsPerPeriod in single precision
    double initialEnergy = 0;   // (x0^2 + v0^2)/2, in units of k*a^2

    friend bool operator==(const MotionCharacteristics&, const MotionCharacteristics&) = default;
};

// Every characteristic of the parameters. Should omega be 0 the period is
// undefined and is taken over from `previous`.
MotionCharacteristics characteristicsOf(const ProblemParameters& p,
                                        const MotionCharacteristics& previous = {});

// The number of half-swings after the first stop as a count. The input limits
// keep it below a thousand; it is clamped to [0, kMaxHalfSwings] here all the
// same, so that no caller can overflow a loop counter with it.
inline constexpr int kMaxHalfSwings = 1'000'000;
int halfSwingCount(const MotionCharacteristics& c);

}  // namespace dryfriction
