#pragma once

namespace dryfriction {

// The six numbers that define a problem. x0, v0 and duration are
// dimensionless: coordinates in units of the stagnation half-width, velocities
// in units of the velocity scale, time as the phase omega*t (a period is 2*pi).
struct ProblemParameters {
    double mass = 0.1;       // mass of the load, kg
    double stiffness = 40;   // spring stiffness, N/m
    double friction = 0.2;   // sliding friction coefficient mu
    double x0 = 9.5;         // initial coordinate
    double v0 = 6;           // initial velocity projection (either sign)
    float duration = 20;     // a run covers the phase interval 0..duration

    friend bool operator==(const ProblemParameters&, const ProblemParameters&) = default;
};

// The values the program starts with.
inline constexpr ProblemParameters kStartupParameters{};

}  // namespace dryfriction
