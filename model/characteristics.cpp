#include "characteristics.h"

#include "constants.h"
#include "numberformat.h"

#include <cmath>

namespace dryfriction {

namespace {

double sgn(double v)
{
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

}  // namespace

MotionCharacteristics parametr(const ProblemParameters& p, const MotionCharacteristics& previous)
{
    MotionCharacteristics c;

    // w = sqrt(k/m), rad/s; To = 2*pi/w, s (kept from before when w = 0).
    c.w = std::sqrt(p.k / p.m);
    c.To = c.w != 0 ? kTwoPi / c.w : previous.To;

    // a = g*m*mu/k, m: the spring force k*a equals the friction force mu*m*g.
    c.a = (kG * (p.m * p.mu)) / p.k;
    // Va = w*a, m/s.
    c.Va = c.w * c.a;

    // Amplitude of the first half-swing about its centre -sgn(Vo).
    if (p.Vo == 0)
        c.Ao = p.Xo + 1;
    else
        c.Ao = std::sqrt((p.Xo + sgn(p.Vo)) * (p.Xo + sgn(p.Vo)) + p.Vo * p.Vo);

    // Phase of the first stop (first instant of zero velocity).
    if (p.Xo > 1 && p.Vo < 0)
        c.tau_0 = std::atan(p.Vo / (p.Xo + sgn(p.Vo))) + kPi;
    else if (p.Xo == 1 && p.Vo < 0)
        c.tau_0 = kPi / 2;
    else
        c.tau_0 = std::atan(p.Vo / (p.Xo + sgn(p.Vo)));

    // Half-swings after the first stop: ceil(Ao/2) - 1, so Ao = 4 gives 1.
    const double h = c.Ao / 2;
    c.n_half = (h - std::floor(h) == 0) ? std::floor(h - 1) : std::floor(h);

    // Each half-swing after the first stop lasts exactly pi.
    c.t_m = c.n_half * kPi + c.tau_0;

    c.n_steps = kStepsPerPeriod;
    c.t_start = 0;
    c.dt = static_cast<float>(kTwoPi / c.n_steps);

    // Initial energy in units of k*a^2.
    c.Wo = (p.Xo * p.Xo + p.Vo * p.Vo) / 2;
    return c;
}

CharacteristicCaptions characteristicCaptions(const MotionCharacteristics& c,
                                              std::string_view decimalPoint)
{
    CharacteristicCaptions out;
    out.label12 = "w= " + formatF3(c.w, decimalPoint) + " рад/с";
    out.label13 = c.w != 0 ? "To= " + formatF3(c.To, decimalPoint) + " с" : std::string("To-->00");
    out.label14 = "a= " + formatF3(c.a, decimalPoint) + " м";
    out.label18 = "Va= " + formatF3(c.Va, decimalPoint) + " м/c";
    out.label15 = "Ao/a= " + formatF4(c.Ao, decimalPoint) + " ";
    out.label16 = "tau_0= " + formatF3(c.tau_0, decimalPoint) + " ";
    out.label17 = "t_m= " + formatF3(c.t_m, decimalPoint) + " ";
    return out;
}

}  // namespace dryfriction
