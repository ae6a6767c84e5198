#include "model/characteristics.h"

#include "model/constants.h"

#include <cmath>

namespace dryfriction {

namespace {

double sgn(double v)
{
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

}  // namespace

MotionCharacteristics characteristicsOf(const ProblemParameters& p, const MotionCharacteristics& previous)
{
    MotionCharacteristics c;

    // w = sqrt(k/m), rad/s; To = 2*pi/w, s (kept from before when w = 0).
    c.omega = std::sqrt(p.stiffness / p.mass);
    c.period = c.omega != 0 ? kTwoPi / c.omega : previous.period;

    // a = g*m*mu/k, m: the spring force k*a equals the friction force mu*m*g.
    c.zoneHalfWidth = (kG * (p.mass * p.friction)) / p.stiffness;
    // Va = w*a, m/s.
    c.velocityScale = c.omega * c.zoneHalfWidth;

    // Amplitude of the first half-swing about its centre -sgn(v0).
    if (p.v0 == 0)
        c.firstAmplitude = p.x0 + 1;
    else
        c.firstAmplitude = std::sqrt((p.x0 + sgn(p.v0)) * (p.x0 + sgn(p.v0)) + p.v0 * p.v0);

    // Phase of the first stop (first instant of zero velocity).
    if (p.x0 > 1 && p.v0 < 0)
        c.firstStop = std::atan(p.v0 / (p.x0 + sgn(p.v0))) + kPi;
    else if (p.x0 == 1 && p.v0 < 0)
        c.firstStop = kPi / 2;
    else
        c.firstStop = std::atan(p.v0 / (p.x0 + sgn(p.v0)));

    // Half-swings after the first stop: ceil(Ao/2) - 1, so Ao = 4 gives 1.
    const double h = c.firstAmplitude / 2;
    c.halfSwings = (h - std::floor(h) == 0) ? std::floor(h - 1) : std::floor(h);

    // Each half-swing after the first stop lasts exactly pi.
    c.finalStop = c.halfSwings * kPi + c.firstStop;

    c.stepsPerPeriod = kStepsPerPeriod;
    c.startTime = 0;
    c.timeStep = static_cast<float>(kTwoPi / c.stepsPerPeriod);

    // Initial energy in units of k*a^2.
    c.initialEnergy = (p.x0 * p.x0 + p.v0 * p.v0) / 2;
    return c;
}

int halfSwingCount(const MotionCharacteristics& c)
{
    if (!(c.halfSwings >= 0))  // also NaN
        return 0;
    if (c.halfSwings >= kMaxHalfSwings)
        return kMaxHalfSwings;
    return static_cast<int>(c.halfSwings);
}

}  // namespace dryfriction
