#include "plot/graphframe.h"

#include "plot/gridstride.h"
#include "plot/plotcolors.h"

#include "model/numberformat.h"

#include <algorithm>
#include <cmath>

namespace dryfriction {

namespace {

// Half the length of the ticks at the centres of the swings.
constexpr double kCentreTickPixels = 6;

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
    const double left = leftEdge(graph, r);
    const double right = rightEdge(graph, r);
    const double top = graph.top(r);
    const double bottom = graph.bottom(r);
    const QSize size = canvas.logicalSize();
    if (acrossTime(graph) || size.isEmpty()) {
        canvas.setScale(left, top, right, bottom);
        return;
    }
    // One pixel is the same length across and up, the region being as large
    // as the view allows and centred in it.
    const double unitsPerPixel = std::max((right - left) / size.width(), (top - bottom) / size.height());
    const double halfWidth = unitsPerPixel * size.width() / 2;
    const double halfHeight = unitsPerPixel * size.height() / 2;
    const double midX = (left + right) / 2;
    const double midY = (top + bottom) / 2;
    canvas.setScale(midX - halfWidth, midY + halfHeight, midX + halfWidth, midY - halfHeight);
}

void drawGraphFrame(Canvas& canvas, const GraphDescription& graph, const PlotRanges& r,
                    const TimeGrid& grid, const QString& caption, const QString& timeCaption,
                    const QString& decimalPoint)
{
    const double left = leftEdge(graph, r);
    const double right = rightEdge(graph, r);
    const double top = graph.top(r);
    const double bottom = graph.bottom(r);
    const double verticalsEnd = graph.verticalsEndAtZero ? 0.0 : bottom;

    canvas.setLineWidth(1);
    if (graph.stagnationBand)
        canvas.fillBox(left, -1, right, 1, kBandColor);

    // One vertical line per time division; none with fewer than two
    // divisions (nor for a duration below 1, which has no step at all). A
    // graph of a quantity across has one per unit, symmetric about 0.
    long long firstAcross = 1;
    long long lastAcross = grid.divisions - 1;
    double stepAcross = grid.step;
    if (!acrossTime(graph)) {
        const long long half = wholeUnits(right);
        firstAcross = -half + 1;
        lastAcross = half - 1;
        stepAcross = 1;
    }
    if (lastAcross >= firstAcross && stepAcross > 0) {
        const long long stride = gridStride(firstAcross, lastAcross);
        for (long long k = firstMultiple(firstAcross, stride); k <= lastAcross; k += stride) {
            // Across a quantity the line at 0 lies under the vertical axis,
            // whose own label reads 0 already.
            if (k == 0)
                continue;
            const double t = static_cast<double>(k) * stepAcross;
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

    // Where the load can rest, over the axis, and the centres of the swings
    // at its ends as short black ticks across it.
    if (graph.stagnationSegment) {
        canvas.line(-1, 0, 1, 0, kBandColor);
        const double tick = canvas.userHeight(kCentreTickPixels);
        for (const double centre : {-1.0, 1.0})
            canvas.line(centre, -tick, centre, tick, kAxisColor);
    }

    canvas.setCurrentX(0.03 * (right - left));
    canvas.setCurrentY(top);
    canvas.drawText(caption);

    canvas.setCurrentX(right - 0.08 * (right - left));
    canvas.setCurrentY(graph.timeCaptionLevel * top);
    canvas.drawText(timeCaption);
}

}  // namespace dryfriction
