#pragma once

#include "model/parameters.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dryfriction {

// The six input fields, one per parameter.
enum class InputField { Mass, Stiffness, Friction, X0, V0, Time };

// Every reason to reject a value. The interface turns each into its message.
enum class InputRule {
    MassNotPositive,
    MassOutOfRange,
    NoSpring,                // k = 0: constant acceleration, no oscillation
    StiffnessNegative,
    StiffnessOutOfRange,
    NoFriction,              // mu = 0: free harmonic oscillation
    FrictionNegative,
    FrictionOutOfRange,
    X0TooLarge,
    X0Negative,              // the problem is symmetric: x0 >= 0
    X0InStagnationZone,      // x0 <= 1 with v0 = 0: the load never moves
    V0TooLarge,
    V0InStagnationZone,      // v0 = 0 with x0 <= 1
    TimeNotPositive,
    TimeTooLong,
};

// A rejected value: which rule rejected it, whether the rejection sounds the
// warning beep, and the value the parameter takes instead.
struct Correction {
    InputRule rule = InputRule::MassNotPositive;
    bool beep = false;
    double value = 0;

    friend bool operator==(const Correction&, const Correction&) = default;
};

// Limits beyond which a value would make a characteristic or a plot range
// non-finite, or a run endless. Outside them a value is rejected like the
// physically meaningless ones.
inline constexpr double kMinPositive = 1e-6;   // m, k, mu
inline constexpr double kMaxPositive = 1e6;    // m, k, mu
inline constexpr double kMaxInitial = 1000;    // |x0|, |v0|
inline constexpr double kMaxTime = 10000;      // duration

// Checks the value of `field` in `inForce` (the other parameters in force too,
// for the cross checks of x0 and v0). Nothing when it is accepted, otherwise
// the first rule that rejects it.
std::optional<Correction> checkInput(InputField field, const ProblemParameters& inForce);

// Stores `value` into the parameter of `field` (the time rounds to single precision).
void storeInput(InputField field, double value, ProblemParameters& p);
double storedInput(InputField field, const ProblemParameters& p);

// The canonical text of a field's parameter, in the precision the parameter is held in.
std::string fieldText(InputField field, const ProblemParameters& p);

// What an edit of one field comes to. The field's text is read (a comma as
// the point, readFieldNumber), checked and,
// when a rule rejects it, corrected; then the field shows the canonical text
// of what was stored. A text that differs from what the field showed is read
// again in turn, so that a correction can itself be caught by a later rule:
// "-0.5" in the coordinate field with v0 = 0 is made 0.5 by the symmetry rule
// and then 1.1 by the stagnation-zone rule. The passes end when the field
// already shows the canonical text of its value. This is the edit of a text
// the user is done with (typingOutcome covers the keys before).
struct EditPass {
    std::optional<Correction> correction;  // what this pass rejected, if anything
    std::string text;                      // the canonical text the field shows after it
};

struct EditOutcome {
    ProblemParameters parameters;  // the parameters in force afterwards
    std::vector<EditPass> passes;  // in order; the last one's text is the field's
};

EditOutcome applyFieldText(InputField field, std::string_view text, const ProblemParameters& inForce);

// What a text comes to while the user is still typing it, before the field is
// left. The text stays as typed. A value that passes the field's rules is put
// in force at once. A text that more keys can still take past its rule waits,
// changing nothing, until the user leaves the field (then applyFieldText
// judges it): a text without a number yet ("", "-", "."), a zero in m, k, mu
// or t (the "0" of "0.25"), and the stagnation zone of x0 and v0 (the "1" of
// "1.5" with v0 = 0). Any other rejection (a negative value, one beyond the
// limits) no key can mend: it is an edit at once.
enum class TypingVerdict { Accepted, Waiting, Rejected };

struct TypingOutcome {
    TypingVerdict verdict = TypingVerdict::Waiting;
    ProblemParameters parameters;  // in force afterwards when accepted, else as they were
};

TypingOutcome typingOutcome(InputField field, std::string_view text, const ProblemParameters& inForce);

}  // namespace dryfriction
