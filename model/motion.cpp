#include "model/motion.h"

#include "model/constants.h"

#include <cmath>

namespace dryfriction {

MotionState motionAt(double t, double v0, double firstAmplitude, double firstStop)
{
    const double n = t <= firstStop ? 0.0 : 1.0 + std::floor((t - firstStop) / kPi);
    const double A = firstAmplitude - 2 * n;
    const double c = std::fmod(n, 2.0) == 0 ? 1.0 : -1.0;
    const double phi = t - firstStop;
    if (v0 >= 0)
        return {A * std::cos(phi) - c, -A * std::sin(phi)};
    return {c - A * std::cos(phi), A * std::sin(phi)};
}

MotionSample initialSample(const ProblemParameters& p)
{
    return {0.0f, p.x0, p.v0, 1.0, 0.0};
}

MotionSample exactSampleAt(double t, const ProblemParameters& p, const MotionCharacteristics& c)
{
    const double until = t < c.finalStop ? t : c.finalStop;
    const MotionState s = motionAt(until, p, c);
    MotionSample out;
    out.t = static_cast<float>(t);
    out.x = s.x;
    out.vx = t < c.finalStop ? s.vx : 0.0;
    const double E = (out.x * out.x + out.vx * out.vx) / 2;
    out.energyRatio = E / c.initialEnergy;
    out.path = c.initialEnergy - E;
    return out;
}

double stopTime(const MotionCharacteristics& c, int k)
{
    return c.firstStop + k * kPi;
}

double extremeVelocityTime(const MotionCharacteristics& c, int k)
{
    return c.firstStop + (2 * k - 1) * (kPi / 2);
}

Envelope envelope(const MotionCharacteristics& c)
{
    Envelope e;
    e.shown = c.halfSwings >= 3;
    e.upperStart = c.firstAmplitude - 1 + 2 * c.firstStop / kPi;
    e.lowerStart = -e.upperStart;
    e.endTime = c.firstStop + kPi * (c.firstAmplitude - 1) / 2;
    return e;
}

MotionRun::MotionRun(const ProblemParameters& p, const MotionCharacteristics& c)
    : m_params(p), m_chars(c), m_t(static_cast<float>(c.startTime))
{
    // Before the first sample the load stands at its start: a run whose final
    // stop comes before the first sample shows it resting there.
    m_sample.t = m_t;
    m_sample.x = p.x0;
    m_sample.vx = 0;
    m_sample.energyRatio = 1;
    m_sample.path = 0;
}

// One pass of the loop: t += dt (single precision), evaluate, then the loop's
// own t += dt, and go on while t <= duration. After the final stop the load rests at the
// coordinate of the previous sample with Vx = 0. E = (x^2 + Vx^2)/2,
// W/Wo = E/Wo, path = Wo - E (the friction force is one unit).
bool MotionRun::next()
{
    if (m_finished)
        return false;

    m_t = m_t + m_chars.timeStep;
    m_sample.t = m_t;
    if (static_cast<double>(m_t) <= m_chars.finalStop) {
        const MotionState s = motionAt(static_cast<double>(m_t), m_params.v0, m_chars.firstAmplitude,
                                       m_chars.firstStop);
        m_sample.x = s.x;
        m_sample.vx = s.vx;
    } else {
        m_sample.vx = 0;
    }
    const double E = (m_sample.x * m_sample.x + m_sample.vx * m_sample.vx) / 2;
    m_sample.energyRatio = E / m_chars.initialEnergy;
    m_sample.path = m_chars.initialEnergy - E;
    ++m_count;

    m_t = m_t + m_chars.timeStep;
    m_finished = !(m_t <= m_params.duration);
    return true;
}

}  // namespace dryfriction
