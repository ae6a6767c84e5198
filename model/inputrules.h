#pragma once

#include "parameters.h"

#include <optional>
#include <string>

namespace dryfriction {

// The six input fields, Text1..Text6.
enum class InputField { Mass, Stiffness, Friction, X0, V0, Time };

// What a rejected value is replaced with: beep first (or not), then the
// message (title "Ошибка"), then the parameter takes `value`.
struct Correction {
    bool beep = false;
    std::string message;
    double value = 0;

    friend bool operator==(const Correction&, const Correction&) = default;
};

// Limits beyond which a value would make a characteristic or a plot range
// non-finite, or the run endless. Outside them a value is rejected like the
// physically meaningless ones.
inline constexpr double kMinPositive = 1e-6;   // m, k, mu
inline constexpr double kMaxPositive = 1e6;    // m, k, mu
inline constexpr double kMaxInitial = 1000;    // |Xo|, |Vo|
inline constexpr double kMaxTime = 10000;      // tCalc

// Checks the value just read into `field` (already stored in `inForce`, so the
// cross checks of Xo and Vo see the other parameter in force). Returns nothing
// when the value is accepted, otherwise the first check that held. For Time the
// value is the single-precision tCalc.
std::optional<Correction> checkInput(InputField field, const ProblemParameters& inForce);

// Stores `value` into the parameter of `field` (Time rounds to single precision).
void storeInput(InputField field, double value, ProblemParameters& p);
double storedInput(InputField field, const ProblemParameters& p);

}  // namespace dryfriction
