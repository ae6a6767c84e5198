#pragma once

#include "model/characteristics.h"
#include "model/parameters.h"

#include <cstdint>

namespace dryfriction {

// Coordinate and velocity projection at one instant (dimensionless).
struct MotionState {
    double x = 0;
    double vx = 0;
};

// Closed-form motion of the spring oscillator with Coulomb friction.
// Half-swing n (n = 0 before the first stop, n = 1 + floor((t - tau_0)/pi)
// after it) is harmonic with amplitude A = Ao - 2n about the centre -s*(-1)^n,
// s = sign of v0 (+1 for v0 = 0). With phi = t - tau_0 and c = (-1)^n:
//   s = +1:  x = A cos(phi) - c,   Vx = -A sin(phi)
//   s = -1:  x = c - A cos(phi),   Vx =  A sin(phi)
// Valid up to the final stop; after the final stop the load rests (see MotionRun).
MotionState motionAt(double t, double v0, double firstAmplitude, double firstStop);

inline MotionState motionAt(double t, const ProblemParameters& p, const MotionCharacteristics& c)
{
    return motionAt(t, p.v0, c.firstAmplitude, c.firstStop);
}

// One sample of a run. energyRatio is the energy E = (x^2 + Vx^2)/2 over Wo;
// the path is Wo - E, because the friction force is one unit and all energy
// lost went into it.
struct MotionSample {
    float t = 0;
    double x = 0;
    double vx = 0;
    double energyRatio = 1;
    double path = 0;
};

// The state at t = 0, where every trace of a run starts: the load at x0 with
// velocity v0, all of its energy left and no path travelled yet.
MotionSample initialSample(const ProblemParameters& p);

// The exact state at phase t >= 0 from the closed form: the motion up to the
// final stop, then the load at rest where that stop left it (Vx = 0). Energy
// ratio and path as in a sample: E = (x^2 + Vx^2)/2, E/Wo and Wo - E. Unlike a
// run's samples, t is not rounded to single precision.
MotionSample exactSampleAt(double t, const ProblemParameters& p, const MotionCharacteristics& c);

struct RunResult {
    double finalX = 0;     // coordinate of the last sample
    double finalPath = 0;  // path of the last sample
    float time = 0;        // time of the last sample
};

// Marker times of a run, k = 0 .. halfSwings:
//   stop k:            tau_0 + k*pi        (Vx = 0 there)
//   extreme velocity k: tau_0 + (2k - 1)*pi/2 (k = 0 may be negative)
double stopTime(const MotionCharacteristics& c, int k);
double extremeVelocityTime(const MotionCharacteristics& c, int k);

// The envelope of the coordinate, +-((Ao - 1) - (2/pi)(t - tau_0)), drawn as two
// straight lines from t = 0 to endTime, where both reach 0. Only shown when
// halfSwings >= 3.
struct Envelope {
    bool shown = false;
    double upperStart = 0;  // value at t = 0: Ao - 1 + 2*tau_0/pi
    double lowerStart = 0;  // -upperStart
    double endTime = 0;     // tau_0 + pi*(Ao - 1)/2
};

Envelope envelope(const MotionCharacteristics& c);

// The sampling loop of a run, one sample per call of next(). The clock t is
// single precision and advances by dt twice per pass (the sample, then the
// loop's own step), so samples lie at dt, 3dt, 5dt, ... and the loop goes on
// while t <= duration. Samples are not stored. With the start-up values a run has
// 796 samples, the last at t = 19.993032.
class MotionRun {
public:
    MotionRun(const ProblemParameters& p, const MotionCharacteristics& c);

    // Evaluates the next sample; false once the run has ended (no sample then).
    bool next();

    const MotionSample& sample() const { return m_sample; }
    int sampleCount() const { return m_count; }
    bool finished() const { return m_finished; }
    RunResult result() const { return {m_sample.x, m_sample.path, m_sample.t}; }

private:
    ProblemParameters m_params;
    MotionCharacteristics m_chars;
    float m_t = 0;
    MotionSample m_sample;
    int m_count = 0;
    bool m_finished = false;
};

}  // namespace dryfriction
