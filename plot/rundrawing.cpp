#include "plot/rundrawing.h"

#include "plot/plotcolors.h"
#include "plot/tracepoints.h"

#include <algorithm>
#include <cmath>

namespace dryfriction {

namespace {

// Pixels beyond a segment's ends that a line of this width may colour.
double penReach(int lineWidth)
{
    return lineWidth + 1;
}

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Half the length of a stop's mark on a graph of a quantity across.
constexpr double kStopMarkPixels = 10;

// On a graph of a quantity across, the stops within the run's duration as
// short dashed red lines across the horizontal axis (the velocity is 0 there),
// where the load turns or rests.
void drawStopMarks(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r,
                   const ProblemParameters& p, const MotionCharacteristics& c)
{
    if (c.halfSwings < 0 || graph.traces.empty())
        return;
    const double reach = canvas.userHeight(kStopMarkPixels);
    const int halfSwings = halfSwingCount(c);
    for (int k = 0; k <= halfSwings; ++k) {
        const double stop = stopTime(c, k);
        if (stop > r.graphRight)
            break;
        if (stop < 0)
            continue;
        const double where = acrossValue(graph.traces.front(), exactSampleAt(stop, p, c));
        canvas.line(where, reach, where, -reach, kRed);
    }
}

// The red start point of every trace, from which it sets out; the canvas is
// left solid, at the traces' width and smoothed.
void drawStartPoints(Canvas& canvas, const GraphDescription& graph, const ProblemParameters& p)
{
    canvas.setLineWidth(kTraceWidth);
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setSmoothLines(true);
    const MotionSample start = initialSample(p);
    for (const TraceDescription& trace : graph.traces)
        canvas.dot(acrossValue(trace, start), upValue(trace, start), kRed);
}

}  // namespace

void drawRunPreamble(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r,
                     const ProblemParameters& p, const MotionCharacteristics& c,
                     const QString& legendStops, const QString& legendExtremes)
{
    const double top = graph.top(r);
    const double markerEnd = graph.verticalsEndAtZero ? 0.0 : graph.bottom(r);

    canvas.setLineWidth(1);
    canvas.setLineStyle(LineStyle::Dashed);
    canvas.setSmoothLines(false);

    if (!acrossTime(graph)) {
        drawStopMarks(canvas, graph, r, p, c);
        drawStartPoints(canvas, graph, p);
        return;
    }

    // Markers at negative times or beyond the duration fall outside the canvas.
    if (c.halfSwings >= 0) {
        const int halfSwings = halfSwingCount(c);
        for (int k = 0; k <= halfSwings; ++k) {
            const double stop = stopTime(c, k);
            const double extreme = extremeVelocityTime(c, k);
            canvas.line(stop, top, stop, markerEnd, kRed);
            canvas.line(extreme, top, extreme, markerEnd, kBlue);
        }
    }

    // The swings shrink by the same amount every half-swing: their peaks lie
    // on two straight lines, worth showing from three half-swings on.
    // Slanted lines are smoothed so that they do not look stepped; the
    // markers, upright, stay sharp.
    if (graph.envelope && c.halfSwings >= 3) {
        const Envelope e = envelope(c);
        canvas.setSmoothLines(true);
        canvas.line(0, e.upperStart, e.endTime, 0, kMagenta);
        canvas.line(0, e.lowerStart, e.endTime, 0, kMagenta);
    }

    canvas.setLineWidth(kTraceWidth);
    canvas.setLineStyle(LineStyle::Solid);
    canvas.setSmoothLines(true);

    // The second line goes below the first, never over it: the texts hide
    // what lies under them.
    const double firstRow = canvas.toPixel(0, top).y();
    const double lineBelow = std::floor(firstRow + 1e-6) + canvas.textSize(legendStops).height();
    double secondLevel = graph.legendLevel * top;
    if (canvas.toPixel(0, secondLevel).y() < lineBelow)
        secondLevel = canvas.toUser(QPointF(0, std::ceil(lineBelow))).y();
    canvas.setCurrentX(r.graphRight / 2.0);
    canvas.setCurrentY(top);
    canvas.drawText(legendStops);
    canvas.setCurrentX(r.graphRight / 2.0);
    canvas.setCurrentY(secondLevel);
    canvas.drawText(legendExtremes);

    drawStartPoints(canvas, graph, p);
}

QRectF drawTraces(Canvas& canvas, const GraphDescription& graph, const RunRecord& run, std::size_t from,
                  std::size_t to)
{
    to = std::min(to, run.sampleCount());
    if (to <= from)
        return {};
    canvas.setLineWidth(kTraceWidth);
    canvas.setSmoothLines(true);
    const QRectF whole(QPointF(0, 0), QSizeF(canvas.logicalSize()));
    const MotionSample& start = run.sample(from);
    double left = 0, top = 0, right = 0, bottom = 0;
    bool any = false, lost = false;
    const auto reach = [&](QPointF user) {
        const QPointF at = canvas.toPixel(user.x(), user.y());
        if (!finite(at)) {
            lost = true;
            return;
        }
        if (!any) {
            left = right = at.x();
            top = bottom = at.y();
            any = true;
        }
        left = std::min(left, at.x());
        right = std::max(right, at.x());
        top = std::min(top, at.y());
        bottom = std::max(bottom, at.y());
    };
    for (const TraceDescription& trace : graph.traces) {
        canvas.setLineStyle(trace.style);
        QPointF last(acrossValue(trace, start), upValue(trace, start));
        reach(last);
        for (const QPointF& next : tracePoints(canvas, trace, run, from, to)) {
            canvas.line(last.x(), last.y(), next.x(), next.y(), trace.color);
            reach(next);
            last = next;
        }
    }
    if (lost)
        return whole;
    const double pen = penReach(canvas.lineWidth());
    return QRectF(QPointF(left, top), QPointF(right, bottom)).adjusted(-pen, -pen, pen, pen).intersected(whole);
}

std::vector<QRectF> drawTraces(std::span<Canvas* const> canvases, const RunRecord& run, std::size_t from,
                               std::size_t to)
{
    const std::span<const GraphDescription> graphs = viewGraphs();
    std::vector<QRectF> changed;
    changed.reserve(canvases.size());
    for (std::size_t i = 0; i < canvases.size() && i < graphs.size(); ++i)
        changed.push_back(drawTraces(*canvases[i], graphs[i], run, from, to));
    return changed;
}

void drawRunAt(Canvas& canvas, std::size_t graph, const PlotRanges& r, const ViewTexts& texts,
               const RunRecord& run, std::size_t shown)
{
    const std::span<const GraphDescription> graphs = viewGraphs();
    if (graph >= graphs.size())
        return;
    drawRunPreamble(canvas, graphs[graph], r, run.parameters(), run.characteristics(), texts.legendStops,
                    texts.legendExtremes);
    drawTraces(canvas, graphs[graph], run, 0, shown);
}

void drawRunAt(std::span<Canvas* const> graphs, const PlotRanges& r, const ViewTexts& texts, const RunRecord& run,
               std::size_t shown)
{
    for (std::size_t i = 0; i < graphs.size(); ++i)
        drawRunAt(*graphs[i], i, r, texts, run, shown);
}

}  // namespace dryfriction
