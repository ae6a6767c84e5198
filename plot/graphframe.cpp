#include "plot/graphframe.h"

#include "plot/gridstride.h"
#include "plot/plotcolors.h"

#include "model/numberformat.h"

#include <cmath>

namespace dryfriction {

namespace {

QString gridLabel(double value, const QString& decimalPoint)
{
    return QString::fromStdString(formatGridLabel(value, decimalPoint.toStdString()));
}

// The whole units of a positive range held as a floating value; a non-finite
// or absurd value gives no grid rather than a loop that never ends.
long long wholeUnits(double value)
{
    if (!std::isfinite(value) || value < 0 || value > 1e15)
        return 0;
    return static_cast<long long>(std::floor(value));
}

// The first multiple of `stride` at or above k.
long long firstMultiple(long long k, long long stride)
{
    const long long rem = ((k % stride) + stride) % stride;
    return rem == 0 ? k : k + stride - rem;
}

}  // namespace

void setGraphScale(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r)
{
    canvas.setScale(r.graphLeft, graph.top(r), r.graphRight, graph.bottom(r));
}

void drawGraphFrame(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r,
                    const TimeGrid& grid, const QString& caption, const QString& timeCaption,
                    const QString& decimalPoint)
{
    const double left = r.graphLeft;
    const double right = r.graphRight;
    const double top = graph.top(r);
    const double bottom = graph.bottom(r);
    const double verticalsEnd = graph.verticalsEndAtZero ? 0.0 : bottom;

    canvas.setLineWidth(1);
    if (graph.stagnationBand)
        canvas.fillBox(left, -1, right, 1, kBandColor);

    // One vertical line per time division; none with fewer than two
    // divisions (nor for a duration below 1, which has no step at all).
    if (grid.divisions >= 2 && grid.step > 0) {
        const long long stride = gridStride(1, grid.divisions - 1);
        for (long long k = stride; k <= grid.divisions - 1; k += stride) {
            const double t = static_cast<double>(k) * grid.step;
            canvas.line(t, top, t, verticalsEnd, kGridColor);
            canvas.dot(t, graph.timeLabelLevel * top);
            canvas.drawText(gridLabel(t, decimalPoint));
        }
    }

    // One horizontal line per division of the value range.
    const double divisions = graph.fixedDivisions > 0 ? graph.fixedDivisions : top - bottom;
    const double step = (top - bottom) / divisions;
    long long first = 1;
    long long last = wholeUnits(divisions) - 1;
    if (graph.symmetricLines) {
        const long long half = wholeUnits(top);
        first = -half + 1;
        last = half - 1;
    }
    if (last >= first) {
        const long long stride = gridStride(first, last);
        for (long long k = firstMultiple(first, stride); k <= last; k += stride) {
            const double y = static_cast<double>(k) * step;
            canvas.line(left, y, right, y, kGridColor);
            canvas.dot(0, y);
            canvas.drawText(gridLabel(y, decimalPoint));
        }
    }

    canvas.setLineWidth(3);
    canvas.line(0, top, 0, bottom, kAxisColor);
    canvas.line(left, 0, right, 0, kAxisColor);

    canvas.setCurrentX(0.03 * (right - left));
    canvas.setCurrentY(top);
    canvas.drawText(caption);

    canvas.setCurrentX(right - 0.08 * (right - left));
    canvas.setCurrentY(graph.timeCaptionLevel * top);
    canvas.drawText(timeCaption);
}

}  // namespace dryfriction
