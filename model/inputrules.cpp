#include "model/inputrules.h"

#include "model/numbertext.h"

#include <cmath>
#include <limits>

namespace dryfriction {

namespace {

constexpr double kMassCorrection = 0.1;
constexpr double kStiffnessCorrection = 40;
constexpr double kFrictionCorrection = 0.25;
constexpr double kX0Correction = 1.1;
constexpr double kV0Correction = 1;
constexpr double kTimeCorrection = 40;

// m, k and mu must lie in [kMinPositive, kMaxPositive]; the negated form
// also rejects NaN.
bool outsidePositiveRange(double v)
{
    return !(v >= kMinPositive && v <= kMaxPositive);
}

Correction reject(InputRule rule, bool beep, double value)
{
    return Correction{rule, beep, value};
}

// The rules of a coefficient (k or mu), in the order they are checked: zero
// leaves out the effect altogether (beep), a negative value is a slip of the
// sign (no beep), and the limits keep the characteristics finite (beep).
struct CoefficientRules {
    InputRule zero;
    InputRule negative;
    InputRule outOfRange;
    double correction;
};

std::optional<Correction> checkCoefficient(double value, const CoefficientRules& rules)
{
    if (value == 0)
        return reject(rules.zero, true, rules.correction);
    if (value < 0)
        return reject(rules.negative, false, rules.correction);
    if (outsidePositiveRange(value))
        return reject(rules.outOfRange, true, rules.correction);
    return std::nullopt;
}

// The canonical text is a fixed point of reading, so the passes of an edit
// settle in two or three; the bound only guards against a fault there.
constexpr int kMaxEditPasses = 8;

}  // namespace

// The checks of each field in the order the user meets them; the first that
// holds decides. The physical checks come first where their correction is a
// fixed value anyway (m, k, mu, the duration: -inf is "not positive" and gets the
// usual message). For x0 and v0 the magnitude is checked first: the sign
// check of x0 corrects to |x0|, which must never turn -inf or -1e300 into a
// value written back into the field, and an endless v0 would pass the cross
// check. The limits keep w, a, Va, Ao, Wo, the plot ranges and the run's
// clock finite and the run finite in length.
std::optional<Correction> checkInput(InputField field, const ProblemParameters& p)
{
    switch (field) {
    case InputField::Mass:
        if (p.mass <= 0)
            return reject(InputRule::MassNotPositive, true, kMassCorrection);
        if (outsidePositiveRange(p.mass))
            return reject(InputRule::MassOutOfRange, true, kMassCorrection);
        return std::nullopt;

    case InputField::Stiffness:
        return checkCoefficient(p.stiffness, {InputRule::NoSpring, InputRule::StiffnessNegative,
                                              InputRule::StiffnessOutOfRange, kStiffnessCorrection});

    case InputField::Friction:
        return checkCoefficient(p.friction, {InputRule::NoFriction, InputRule::FrictionNegative,
                                             InputRule::FrictionOutOfRange, kFrictionCorrection});

    case InputField::X0:
        if (!(std::fabs(p.x0) <= kMaxInitial))
            return reject(InputRule::X0TooLarge, true, kX0Correction);
        if (p.x0 < 0)
            return reject(InputRule::X0Negative, true, std::fabs(p.x0));
        if (p.x0 <= 1 && p.v0 == 0)
            return reject(InputRule::X0InStagnationZone, false, kX0Correction);
        return std::nullopt;

    case InputField::V0:
        if (!(std::fabs(p.v0) <= kMaxInitial))
            return reject(InputRule::V0TooLarge, true, kV0Correction);
        if (p.v0 == 0 && p.x0 <= 1)
            return reject(InputRule::V0InStagnationZone, true, kV0Correction);
        return std::nullopt;

    case InputField::Time:
        if (!(p.duration > 0))
            return reject(InputRule::TimeNotPositive, true, kTimeCorrection);
        // The clock is single precision: beyond 131072 it no longer advances
        // by dt and from 262144 on not at all, so a long run would never end.
        if (p.duration > kMaxTime)
            return reject(InputRule::TimeTooLong, true, kTimeCorrection);
        return std::nullopt;
    }
    return std::nullopt;
}

void storeInput(InputField field, double value, ProblemParameters& p)
{
    switch (field) {
    case InputField::Mass: p.mass = value; break;
    case InputField::Stiffness: p.stiffness = value; break;
    case InputField::Friction: p.friction = value; break;
    case InputField::X0: p.x0 = value; break;
    case InputField::V0: p.v0 = value; break;
    case InputField::Time:
        // Beyond the single-precision range the time becomes infinite (a
        // plain conversion would be undefined there).
        if (std::fabs(value) > std::numeric_limits<float>::max() && std::isfinite(value))
            p.duration = value > 0 ? std::numeric_limits<float>::infinity()
                                : -std::numeric_limits<float>::infinity();
        else
            p.duration = static_cast<float>(value);
        break;
    }
}

double storedInput(InputField field, const ProblemParameters& p)
{
    switch (field) {
    case InputField::Mass: return p.mass;
    case InputField::Stiffness: return p.stiffness;
    case InputField::Friction: return p.friction;
    case InputField::X0: return p.x0;
    case InputField::V0: return p.v0;
    case InputField::Time: return p.duration;
    }
    return 0;
}

std::string fieldText(InputField field, const ProblemParameters& p)
{
    if (field == InputField::Time)
        return canonicalText(p.duration);
    return canonicalText(storedInput(field, p));
}

EditOutcome applyFieldText(InputField field, std::string_view text, const ProblemParameters& inForce)
{
    EditOutcome out{inForce, {}};
    std::string shown(text);
    for (int pass = 0; pass < kMaxEditPasses; ++pass) {
        storeInput(field, readFieldNumber(shown), out.parameters);
        const std::optional<Correction> correction = checkInput(field, out.parameters);
        if (correction)
            storeInput(field, correction->value, out.parameters);
        std::string canonical = fieldText(field, out.parameters);
        const bool settled = canonical == shown;
        out.passes.push_back({correction, canonical});
        if (settled)
            break;
        shown = std::move(canonical);
    }
    return out;
}

namespace {

// Whether more keys can take the text past the rule that rejects it: a zero
// may be the start of 0.25, and 1 with v0 = 0 the start of 1.5. A negative
// value stays negative and a value beyond the limits stays beyond them.
bool typingCanMend(const Correction& c, double value)
{
    switch (c.rule) {
    case InputRule::MassNotPositive:
    case InputRule::NoSpring:
    case InputRule::NoFriction:
    case InputRule::TimeNotPositive:
        return value == 0;
    case InputRule::X0InStagnationZone:
    case InputRule::V0InStagnationZone:
        return true;
    default:
        return false;
    }
}

}  // namespace

TypingOutcome typingOutcome(InputField field, std::string_view text, const ProblemParameters& inForce)
{
    if (!holdsFieldNumber(text))
        return {TypingVerdict::Waiting, inForce};
    ProblemParameters typed = inForce;
    storeInput(field, readFieldNumber(text), typed);
    const std::optional<Correction> correction = checkInput(field, typed);
    if (!correction)
        return {TypingVerdict::Accepted, typed};
    if (typingCanMend(*correction, storedInput(field, typed)))
        return {TypingVerdict::Waiting, inForce};
    return {TypingVerdict::Rejected, inForce};
}

}  // namespace dryfriction
