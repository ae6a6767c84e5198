#pragma once

namespace dryfriction {

// The six numbers that define a problem. Xo, Vo and tCalc are dimensionless:
// coordinates in units of the stagnation half-width a, velocities in units of
// Va = w*a, time as the phase w*t.
struct ProblemParameters {
    double m = 0.1;     // mass of the load, kg
    double k = 40;      // spring stiffness, N/m
    double mu = 0.2;    // sliding friction coefficient
    double Xo = 9.5;    // initial coordinate
    double Vo = 6;      // initial velocity projection (either sign)
    float tCalc = 20;   // the run covers the phase interval 0..tCalc

    friend bool operator==(const ProblemParameters&, const ProblemParameters&) = default;
};

// The values the window starts with.
inline constexpr ProblemParameters kStartupParameters{};

}  // namespace dryfriction
