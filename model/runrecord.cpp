#include "model/runrecord.h"

#include <algorithm>

namespace dryfriction {

namespace {

// The sample count whose time lies nearest to t, the later one on a tie.
std::size_t nearestSample(const std::vector<MotionSample>& samples, double t)
{
    const auto after = std::lower_bound(samples.begin(), samples.end(), t,
                                        [](const MotionSample& s, double time) { return s.t < time; });
    auto index = static_cast<std::size_t>(after - samples.begin());  // samples before t
    if (index == samples.size())
        return index;
    if (index == 0)
        return 1;
    const double before = t - static_cast<double>(samples[index - 1].t);
    const double later = static_cast<double>(samples[index].t) - t;
    return later <= before ? index + 1 : index;
}

}  // namespace

RunRecord::RunRecord(const ProblemParameters& p, const MotionCharacteristics& c)
    : m_parameters(p), m_characteristics(c), m_initial(initialSample(p))
{
    MotionRun run(p, c);
    while (run.next()) {
        m_samples.push_back(run.sample());
        if (static_cast<double>(run.sample().t) <= c.finalStop)
            m_pacedCount = m_samples.size();
    }

    if (m_samples.empty() || c.halfSwings < 0)
        return;
    const double lastTime = m_samples.back().t;
    const int halfSwings = halfSwingCount(c);
    for (int k = 0; k <= halfSwings; ++k) {
        const double stop = stopTime(c, k);
        if (stop < 0)
            continue;
        if (stop > lastTime)
            break;
        const std::size_t moment = nearestSample(m_samples, stop);
        if (m_stops.empty() || m_stops.back() != moment)
            m_stops.push_back(moment);
    }
}

std::span<const MotionSample> RunRecord::samples(std::size_t from, std::size_t to) const
{
    to = std::min(to, m_samples.size());
    from = std::min(from, to);
    return std::span<const MotionSample>(m_samples).subspan(from, to - from);
}

void RunRecord::setShown(std::size_t count)
{
    m_shown = std::min(count, m_samples.size());
}

RunResult RunRecord::resultShown() const
{
    const MotionSample& s = shownSample();
    return {s.x, s.path, s.t};
}

std::size_t RunRecord::previousStop(std::size_t count) const
{
    const auto before = std::lower_bound(m_stops.begin(), m_stops.end(), count);
    return before == m_stops.begin() ? 0 : *(before - 1);
}

std::size_t RunRecord::nextStop(std::size_t count) const
{
    const auto after = std::upper_bound(m_stops.begin(), m_stops.end(), count);
    return after == m_stops.end() ? m_samples.size() : *after;
}

}  // namespace dryfriction
