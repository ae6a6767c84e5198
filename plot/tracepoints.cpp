#include "plot/tracepoints.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace dryfriction {

namespace {

// The device pixel a coordinate falls in along one axis, held a little way
// outside the canvas: points far outside all share the pixel beyond the edge.
long long devicePixel(double logical, qreal resolution, int devicePixels)
{
    const double device = logical * resolution;
    if (!(device > -2))
        return -2;
    if (!(device < devicePixels + 2.0))
        return devicePixels + 2;
    return static_cast<long long>(std::floor(device));
}

// First, lowest, highest and last sample of every device-pixel column, for a
// trace whose across quantity grows with time.
std::vector<QPointF> byColumn(const Canvas& canvas, const TraceDescription& trace,
                              std::span<const MotionSample> samples, QPointF start)
{
    const qreal resolution = canvas.resolution();
    const int columns = static_cast<int>(std::ceil(canvas.logicalSize().width() * resolution));
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
        const long long column = devicePixel(canvas.toPixel(firstPoint.x(), 0).x(), resolution, columns);
        std::size_t lowest = first, highest = first, last = first;
        double low = firstPoint.y(), high = firstPoint.y();
        for (std::size_t i = first + 1; i < samples.size(); ++i) {
            const QPointF p = pointOf(i);
            if (devicePixel(canvas.toPixel(p.x(), 0).x(), resolution, columns) != column)
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
    const qreal resolution = canvas.resolution();
    const QSize size = canvas.logicalSize();
    const int columns = static_cast<int>(std::ceil(size.width() * resolution));
    const int rows = static_cast<int>(std::ceil(size.height() * resolution));
    const auto pixelOf = [&](QPointF user) {
        const QPointF p = canvas.toPixel(user.x(), user.y());
        return std::pair(devicePixel(p.x(), resolution, columns), devicePixel(p.y(), resolution, rows));
    };
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
    const std::span<const MotionSample> samples = run.samples(from, to);
    const MotionSample& last = run.sample(std::min(from, run.sampleCount()));
    const QPointF start(acrossValue(trace, last), upValue(trace, last));
    const double columns = std::ceil(canvas.logicalSize().width() * canvas.resolution());
    if (static_cast<double>(samples.size()) > columns)
        return trace.across == nullptr ? byColumn(canvas, trace, samples, start)
                                       : byPixel(canvas, trace, samples, start);

    std::vector<QPointF> points;
    points.reserve(samples.size());
    for (const MotionSample& s : samples)
        points.emplace_back(acrossValue(trace, s), upValue(trace, s));
    return points;
}

}  // namespace dryfriction
