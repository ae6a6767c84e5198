#include "plot/rundrawing.h"

#include "plot/plotcolors.h"

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
    if (c.halfSwings < 0)
        return;
    const double reach = canvas.userHeight(kStopMarkPixels);
    const int halfSwings = halfSwingCount(c);
    for (int k = 0; k <= halfSwings; ++k) {
        const double stop = stopTime(c, k);
        if (stop > r.graphRight)
            break;
        if (stop < 0)
            continue;
        const double where = acrossValue(graph, exactSampleAt(stop, p, c));
        canvas.line(where, reach, where, -reach, kRed);
    }
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
        canvas.setLineWidth(3);
        canvas.setLineStyle(LineStyle::Solid);
        canvas.setSmoothLines(true);
        const MotionSample start = initialSample(p);
        canvas.dot(acrossValue(graph, start), graph.value(start), kRed);
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

    canvas.setLineWidth(3);
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

    canvas.dot(0, graph.value(initialSample(p)), kRed);
}

std::vector<QRectF> drawSample(std::span<Canvas* const> canvases, const MotionSample& s)
{
    const std::span<const GraphDescription> graphs = timeGraphs();
    std::vector<QRectF> changed;
    changed.reserve(canvases.size());
    for (std::size_t i = 0; i < canvases.size() && i < graphs.size(); ++i) {
        Canvas& canvas = *canvases[i];
        const QPointF from = canvas.toPixel(canvas.currentX(), canvas.currentY());
        canvas.lineTo(acrossValue(graphs[i], s), graphs[i].value(s), graphs[i].traceColor);
        const QPointF to = canvas.toPixel(canvas.currentX(), canvas.currentY());
        const QRectF whole(QPointF(0, 0), QSizeF(canvas.logicalSize()));
        if (!finite(from) || !finite(to)) {
            changed.push_back(whole);
            continue;
        }
        const double reach = penReach(canvas.lineWidth());
        changed.push_back(QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach).intersected(whole));
    }
    return changed;
}

}  // namespace dryfriction
