#pragma once

#include "model/inputrules.h"

#include <string>
#include <vector>

namespace dryfriction::test {

// One row of uprav's table of input messages, markup removed.
struct Row {
    std::string field, when, beep, message, correction;
};

// The rows of that table in uprav.md, in order.
std::vector<Row> upravMessageTable();

// An edit that each rule rejects, in the field the document names it by, and
// the companion's option for that field.
struct Rejected {
    InputRule rule;
    InputField field;
    const char* caption;
    const char* option;
    const char* text;
    bool atRest;  // with v0 = 0 and x0 = 0.5 in force
};

inline constexpr Rejected kRejected[] = {
    {InputRule::MassNotPositive, InputField::Mass, "m(кг)=", "--m", "0", false},
    {InputRule::MassOutOfRange, InputField::Mass, "m(кг)=", "--m", "2000000", false},
    {InputRule::NoSpring, InputField::Stiffness, "к(Н/м)=", "--k", "0", false},
    {InputRule::StiffnessNegative, InputField::Stiffness, "к(Н/м)=", "--k", "-5", false},
    {InputRule::StiffnessOutOfRange, InputField::Stiffness, "к(Н/м)=", "--k", "1e7", false},
    {InputRule::NoFriction, InputField::Friction, "μ=", "--mu", "0", false},
    {InputRule::FrictionNegative, InputField::Friction, "μ=", "--mu", "-0.3", false},
    {InputRule::FrictionOutOfRange, InputField::Friction, "μ=", "--mu", "1e7", false},
    {InputRule::X0TooLarge, InputField::X0, "Xo=xo/a=", "--x0", "5000", false},
    {InputRule::X0Negative, InputField::X0, "Xo=xo/a=", "--x0", "-3", false},
    {InputRule::X0InStagnationZone, InputField::X0, "Xo=xo/a=", "--x0", "0.5", true},
    {InputRule::V0TooLarge, InputField::V0, "Vo/Va=", "--v0", "5000", false},
    {InputRule::V0InStagnationZone, InputField::V0, "Vo/Va=", "--v0", "0", true},
    {InputRule::TimeNotPositive, InputField::Time, "t расч.=", "--t", "0", false},
    {InputRule::TimeTooLong, InputField::Time, "t расч.=", "--t", "20000", false},
};

}  // namespace dryfriction::test
