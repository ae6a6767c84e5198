#include "plot/tracepoints.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace dryfriction {

namespace {

// User coordinates to device pixels along one axis of a canvas, the
// mapping of Canvas::toPixel at the canvas's resolution, worked out once for
// the many samples of a trace.
class DeviceAxis {
public:
    DeviceAxis(double userStart, double userEnd, int logicalPixels, qreal resolution)
        : m_start(userStart),
          m_scale(logicalPixels * resolution / (userEnd - userStart)),
          m_pixels(static_cast<int>(std::ceil(logicalPixels * resolution)))
    {
    }

    // The device pixel a coordinate falls in, held a little way outside the
    // canvas: points far outside all share the pixel beyond the edge.
    long long pixel(double user) const
    {
        const double device = (user - m_start) * m_scale;
        if (!(device > -2))
            return -2;
        if (!(device < m_pixels + 2.0))
            return m_pixels + 2;
        return static_cast<long long>(std::floor(device));
    }

private:
    double m_start;
    double m_scale;
    int m_pixels;
};

DeviceAxis across(const Canvas& canvas)
{
    return {canvas.scaleLeft(), canvas.scaleRight(), canvas.logicalSize().width(), canvas.resolution()};
}

DeviceAxis up(const Canvas& canvas)
{
    return {canvas.scaleTop(), canvas.scaleBottom(), canvas.logicalSize().height(), canvas.resolution()};
}

// First, lowest, highest and last sample of every device-pixel column, for a
// trace whose across quantity grows with time.
std::vector<QPointF> byColumn(const Canvas& canvas, const TraceDescription& trace,
                              std::span<const MotionSample> samples, QPointF start)
{
    const DeviceAxis columns = across(canvas);
    std::vector<QPointF> points;
    // Adds a point; the middle one of three at the same height goes.
    const auto keep = [&](QPointF p) {
        const std::size_t n = points.size();
        const QPointF before = n >= 2 ? points[n - 2] : start;
        if (n >= 1 && points[n - 1].y() == p.y() && before.y() == p.y())
            points[n - 1] = p;
        else
            points.push_back(p);
    };

    std::size_t first = 0;
    while (first < samples.size()) {
        const auto pointOf = [&](std::size_t i) {
            return QPointF(acrossValue(trace, samples[i]), upValue(trace, samples[i]));
        };
        const QPointF firstPoint = pointOf(first);
        const long long column = columns.pixel(firstPoint.x());
        std::size_t lowest = first, highest = first, last = first;
        double low = firstPoint.y(), high = firstPoint.y();
        for (std::size_t i = first + 1; i < samples.size(); ++i) {
            const QPointF p = pointOf(i);
            if (columns.pixel(p.x()) != column)
                break;
            last = i;
            if (p.y() < low) {
                low = p.y();
                lowest = i;
            }
            if (p.y() > high) {
                high = p.y();
                highest = i;
            }
        }
        std::size_t kept[] = {first, std::min(lowest, highest), std::max(lowest, highest), last};
        for (std::size_t k = 0; k < 4; ++k)
            if (k == 0 || kept[k] != kept[k - 1])
                keep(pointOf(kept[k]));
        first = last + 1;
    }
    return points;
}

// The samples that leave the device pixel of the last one kept, and the last.
std::vector<QPointF> byPixel(const Canvas& canvas, const TraceDescription& trace,
                             std::span<const MotionSample> samples, QPointF start)
{
    const DeviceAxis columns = across(canvas);
    const DeviceAxis rows = up(canvas);
    const auto pixelOf = [&](QPointF user) { return std::pair(columns.pixel(user.x()), rows.pixel(user.y())); };
    std::vector<QPointF> points;
    auto keptPixel = pixelOf(start);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const QPointF p(acrossValue(trace, samples[i]), upValue(trace, samples[i]));
        const auto pixel = pixelOf(p);
        if (pixel != keptPixel || i + 1 == samples.size()) {
            points.push_back(p);
            keptPixel = pixel;
        }
    }
    return points;
}

}  // namespace

std::vector<QPointF> tracePoints(const Canvas& canvas, const TraceDescription& trace, const RunRecord& run,
                                 std::size_t from, std::size_t to)
{
    to = std::min(to, run.sampleCount());
    const std::span<const MotionSample> samples = run.samples(from, to);
    const MotionSample& last = run.sample(std::min(from, run.sampleCount()));
    const QPointF start(acrossValue(trace, last), upValue(trace, last));
    const double columns = std::ceil(canvas.logicalSize().width() * canvas.resolution());
    if (static_cast<double>(samples.size()) > columns) {
        // After the final stop the load rests for good: every sample after the
        // first at rest is that one again but for its time. Its level line
        // needs its two ends only, and the cost stays with the swings.
        const std::size_t firstAtRest = run.pacedCount() + 1;
        const std::size_t swinging = std::clamp(firstAtRest, from, to);
        const std::span<const MotionSample> moving = run.samples(from, swinging);
        std::vector<QPointF> points = trace.across == nullptr ? byColumn(canvas, trace, moving, start)
                                                              : byPixel(canvas, trace, moving, start);
        if (swinging < to) {
            const MotionSample& end = run.sample(to);
            const QPointF rest(acrossValue(trace, end), upValue(trace, end));
            if (points.empty() || points.back() != rest)
                points.push_back(rest);
        }
        return points;
    }

    std::vector<QPointF> points;
    points.reserve(samples.size());
    for (const MotionSample& s : samples)
        points.emplace_back(acrossValue(trace, s), upValue(trace, s));
    return points;
}

}  // namespace dryfriction
