#include "motion.h"

#include "constants.h"

#include <cmath>

namespace dryfriction {

MotionState motionAt(double t, double Vo, double Ao, double tau_0)
{
    const double n = t <= tau_0 ? 0.0 : 1.0 + std::floor((t - tau_0) / kPi);
    const double A = Ao - 2 * n;
    const double c = std::fmod(n, 2.0) == 0 ? 1.0 : -1.0;
    const double phi = t - tau_0;
    if (Vo >= 0)
        return {A * std::cos(phi) - c, -A * std::sin(phi)};
    return {c - A * std::cos(phi), A * std::sin(phi)};
}

double stopTime(const MotionCharacteristics& c, int k)
{
    return c.tau_0 + k * kPi;
}

double extremeVelocityTime(const MotionCharacteristics& c, int k)
{
    return c.tau_0 + (2 * k - 1) * (kPi / 2);
}

Envelope envelope(const MotionCharacteristics& c)
{
    Envelope e;
    e.shown = c.n_half >= 3;
    e.upperStart = c.Ao - 1 + 2 * c.tau_0 / kPi;
    e.lowerStart = -e.upperStart;
    e.endTime = c.tau_0 + kPi * (c.Ao - 1) / 2;
    return e;
}

MotionRun::MotionRun(const ProblemParameters& p, const MotionCharacteristics& c)
    : m_params(p), m_chars(c), m_t(static_cast<float>(c.t_start))
{
    // Before the first sample the load stands at its start: a run whose final
    // stop comes before the first sample shows it resting there.
    m_sample.t = m_t;
    m_sample.x = p.Xo;
    m_sample.Vx = 0;
    m_sample.WWo = 1;
    m_sample.path = 0;
}

// One pass of the loop: t += dt (single precision), evaluate, then the loop's
// own t += dt, and go on while t <= tCalc. After t_m the load rests at the
// coordinate of the previous sample with Vx = 0. E = (x^2 + Vx^2)/2,
// W/Wo = E/Wo, path = Wo - E (the friction force is one unit).
bool MotionRun::next()
{
    if (m_finished)
        return false;

    m_t = m_t + m_chars.dt;
    m_sample.t = m_t;
    if (static_cast<double>(m_t) <= m_chars.t_m) {
        const MotionState s = motionAt(static_cast<double>(m_t), m_params.Vo, m_chars.Ao,
                                       m_chars.tau_0);
        m_sample.x = s.x;
        m_sample.Vx = s.Vx;
    } else {
        m_sample.Vx = 0;
    }
    const double E = (m_sample.x * m_sample.x + m_sample.Vx * m_sample.Vx) / 2;
    m_sample.WWo = E / m_chars.Wo;
    m_sample.path = m_chars.Wo - E;
    ++m_count;

    m_t = m_t + m_chars.dt;
    m_finished = !(m_t <= m_params.tCalc);
    return true;
}

}  // namespace dryfriction
