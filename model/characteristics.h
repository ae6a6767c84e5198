#pragma once

#include "parameters.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dryfriction {

// Quantities derived from ProblemParameters. w, To, a, Va carry units and are
// computed for display only; the rest are dimensionless.
struct MotionCharacteristics {
    double w = 0;        // cyclic frequency sqrt(k/m), rad/s
    double To = 0;       // period 2*pi/w, s
    double a = 0;        // stagnation half-width g*m*mu/k, m
    double Va = 0;       // velocity scale w*a, m/s
    double Ao = 0;       // amplitude of the first half-swing about its centre
    double tau_0 = 0;    // phase of the first stop (first Vx = 0)
    double n_half = 0;   // half-swings after the first stop (a whole number)
    double t_m = 0;      // phase of the final stop, tau_0 + n_half*pi
    std::int16_t n_steps = 0;  // 500
    std::int16_t t_start = 0;  // 0
    float dt = 0;        // 2*pi/n_steps in single precision
    double Wo = 0;       // initial energy (Xo^2 + Vo^2)/2, units of k*a^2

    friend bool operator==(const MotionCharacteristics&, const MotionCharacteristics&) = default;
};

// Computes every characteristic from the parameters, in the documented order.
// When w is 0 the period is undefined and To is taken over from `previous`.
MotionCharacteristics parametr(const ProblemParameters& p,
                               const MotionCharacteristics& previous = {});

// The captions of the characteristics panel (Label12..Label18), formed with
// the given decimal separator (the user's locale: "." or ",").
struct CharacteristicCaptions {
    std::string label12;  // "w= 2.000E+01 рад/с"
    std::string label13;  // "To= 3.142E-01 с", or "To-->00" when w = 0
    std::string label14;  // "a= 4.907E-03 м"
    std::string label18;  // "Va= 9.814E-02 м/c" (Latin c)
    std::string label15;  // "Ao/a= 1.2093E+01 "
    std::string label16;  // "tau_0= 5.191E-01 "
    std::string label17;  // "t_m= 1.937E+01 "
};

CharacteristicCaptions characteristicCaptions(const MotionCharacteristics& c,
                                              std::string_view decimalPoint);

}  // namespace dryfriction
