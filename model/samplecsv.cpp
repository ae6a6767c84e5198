#include "model/samplecsv.h"

#include "model/motion.h"

#include <charconv>
#include <ostream>
#include <system_error>

namespace dryfriction {

namespace {

template <typename T>
std::string shortest(T value)
{
    char buf[64];  // the shortest form of any double takes at most 24 characters
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    if (res.ec != std::errc())
        return "nan";
    return std::string(buf, res.ptr);
}

}  // namespace

std::string shortestText(double value)
{
    return shortest(value);
}

std::string shortestText(float value)
{
    return shortest(value);
}

void writeSamplesCsv(std::ostream& out, const ProblemParameters& p, const MotionCharacteristics& c,
                     std::size_t maxSamples)
{
    out << "t,x,Vx,W/Wo,path\n";
    MotionRun run(p, c);
    for (std::size_t written = 0; written < maxSamples && run.next(); ++written) {
        const MotionSample& s = run.sample();
        out << shortestText(s.t) << ',' << shortestText(s.x) << ',' << shortestText(s.vx) << ','
            << shortestText(s.energyRatio) << ',' << shortestText(s.path) << '\n';
    }
}

}  // namespace dryfriction
