#include "plot/graphframe.h"

#include "plot/axislabels.h"
#include "plot/gridstride.h"
#include "plot/plotcolors.h"

#include "model/numberformat.h"

#include <QRectF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace dryfriction {

namespace {

// Half the length of the ticks at the centres of the swings.
constexpr double kCentreTickPixels = 6;

QString gridLabel(double value, const QString& decimalPoint)
{
    return QString::fromStdString(formatGridLabel(value, decimalPoint.toStdString()));
}

// The whole units of a positive range held as a floating value (a value a
// millionth short of a whole number counts as that number); a non-finite or
// absurd value gives no grid rather than a loop that never ends.
long long wholeUnits(double value)
{
    if (!std::isfinite(value) || value < 0 || value > 1e15)
        return 0;
    return static_cast<long long>(std::floor(value + 1e-6));
}

// Logical pixels at least between two time lines, so that they can be counted.
constexpr double kTimeLinesApartPx = 24;

// The time between vertical grid lines: a unit of phase, or, for a short
// duration, the largest of half, a fifth, a tenth, ... of it that leaves at
// least three lines; for a long one on a narrow view, 2, 5, 10, ... units, so
// that the lines stay apart.
double timeStep(double duration, double pxPerUnit)
{
    double step = stepWithLines(1, 0, duration);
    if (step < 1)
        return step;
    for (int i = 0; i < 40 && step * pxPerUnit < kTimeLinesApartPx; ++i)
        step = nextRoundStepUp(step);
    return step;
}

// The first multiple of `stride` at or above k.
long long firstMultiple(long long k, long long stride)
{
    const long long rem = ((k % stride) + stride) % stride;
    return rem == 0 ? k : k + stride - rem;
}

// The top of a label beside the time axis at row `axisRow`: at its nominal
// row, but never closer to the axis than the clearance, on the side the
// nominal row lies.
double timeLabelTop(double nominalRow, double axisRow, double height)
{
    const double axis = pixelFloor(axisRow);
    if (nominalRow >= axisRow)
        return std::max(pixelFloor(nominalRow), axis + kLabelClearancePx);
    return std::min(pixelFloor(nominalRow), std::floor(axis - kLabelClearancePx + 1 - height));
}

// The grid's unit on both axes of a graph of a quantity across. A phase
// portrait of a small problem spans a few units only: its lines then come
// every half or every quarter unit, so that a swing of half a unit can still
// be read off.
double acrossGridStep(const GraphDescription& graph, const PlotRanges& r)
{
    const double span = std::max(rightEdge(graph, r), graph.top(r));
    if (span <= 2.5)
        return 0.25;
    if (span <= 5)
        return 0.5;
    return 1;
}

// Prints a grid label; one that sits on its line first clears a gap in the
// line for itself, in the colour around it: white, or the stagnation band's
// grey where the label lies within the band.
void printLabel(Canvas& canvas, const AxisLabel& label, bool onLine, bool inBand)
{
    if (onLine) {
        const QPointF topLeft = canvas.toUser(label.box.topLeft());
        const QPointF bottomRight = canvas.toUser(label.box.bottomRight());
        canvas.fillBox(topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y(), Qt::white);
        const double bandTop = std::min(topLeft.y(), 1.0);
        const double bandBottom = std::max(bottomRight.y(), -1.0);
        if (inBand && bandTop > bandBottom)
            canvas.fillBox(topLeft.x(), bandTop, bottomRight.x(), bandBottom, kBandColor);
    }
    printInBox(canvas, label.box, label.text);
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
                    const QString& caption, const QString& timeCaption, const QString& decimalPoint,
                    bool labelsOnLines)
{
    const double left = leftEdge(graph, r);
    const double right = rightEdge(graph, r);
    const double top = graph.top(r);
    const double bottom = graph.bottom(r);
    const double verticalsEnd = graph.verticalsEndAtZero ? 0.0 : bottom;
    const QPointF origin = canvas.toPixel(0, 0);
    const double textHeight = canvas.textSize(QStringLiteral("0")).height();

    // Where the labels go is settled before anything is drawn: the value
    // labels first, 0 before all, then the time labels where they find room,
    // then the two captions around them.
    LabelBoxes boxes(QRectF(QPointF(0, 0), QSizeF(canvas.logicalSize())));

    // One horizontal line per division of the value range, each label just
    // below its line and right of the vertical axis. A range of a unit or two
    // is divided more finely, so that its axis still carries a few values.
    double step = graph.fixedDivisions > 0 ? (top - bottom) / graph.fixedDivisions
                                           : stepWithLines(1, bottom, top);
    const double divisions = (top - bottom) / step;
    long long first = 1;
    long long last = wholeUnits(divisions) - 1;
    if (graph.symmetricLines) {
        const long long half = wholeUnits(top / step);
        first = -half + 1;
        last = half - 1;
    }
    if (!acrossTime(graph)) {
        step = acrossGridStep(graph, r);
        const long long half = wholeUnits(top / step);
        first = -half + 1;
        last = half - 1;
    }
    // The ticks at the centres of the swings stay clear of text.
    if (graph.stagnationSegment) {
        for (const double centre : {-1.0, 1.0}) {
            const QPointF at = canvas.toPixel(centre, 0);
            const double column = pixelFloor(at.x()), row = pixelFloor(at.y());
            boxes.take(QRectF(column - 1, row - kCentreTickPixels, 3, 2 * kCentreTickPixels + 1));
        }
    }
    const long long valueStride = last >= first ? gridStride(first, last) : 1;
    std::vector<AxisLabel> valueLabels;
    if (last >= first) {
        const double unitPx = std::abs(canvas.toPixel(0, step).y() - origin.y());
        const long long labelled = labelStride(unitPx, textHeight, valueStride, step);
        for (long long k = firstMultiple(first, labelled); k <= last; k += labelled) {
            const double y = static_cast<double>(k) * step;
            const QString text = gridLabel(y, decimalPoint);
            const QSizeF size = canvas.textSize(text);
            const double row = pixelFloor(canvas.toPixel(0, y).y());
            const double labelTopPx = labelsOnLines && k != 0 ? std::floor(row + 0.5 - size.height() / 2)
                                                              : row + kLabelClearancePx;
            const QPointF corner(pixelFloor(origin.x()) + kLabelClearancePx, labelTopPx);
            valueLabels.push_back({y, text, QRectF(corner, size), false});
        }
        takeLabelBoxes(boxes, valueLabels);
    }

    // Vertical lines at round times (see timeStep), none at the right edge.
    // A graph of a quantity across has one per grid unit, symmetric about 0,
    // but none at 0 itself: the vertical axis lies there, and the value labels
    // already name 0. Each label right of its line, clear of the
    // horizontal axis.
    double stepAcross = timeStep(right - left, std::abs(canvas.toPixel(1, 0).x() - origin.x()));
    long long firstAcross = 1;
    long long lastAcross = linesInside(left, right, stepAcross);
    if (!acrossTime(graph)) {
        stepAcross = acrossGridStep(graph, r);
        const long long half = wholeUnits(right / stepAcross);
        firstAcross = -half + 1;
        lastAcross = half - 1;
    }
    const bool verticals = lastAcross >= firstAcross && stepAcross > 0;
    const long long timeStride = verticals ? gridStride(firstAcross, lastAcross) : 1;
    std::vector<AxisLabel> timeLabels;
    if (verticals) {
        const double firstValue = static_cast<double>(firstAcross) * stepAcross;
        const double lastValue = static_cast<double>(lastAcross) * stepAcross;
        const double widest = std::max(canvas.textSize(gridLabel(firstValue, decimalPoint)).width(),
                                       canvas.textSize(gridLabel(lastValue, decimalPoint)).width());
        const double unitPx = std::abs(canvas.toPixel(stepAcross, 0).x() - origin.x());
        const long long labelled = labelStride(unitPx, widest, timeStride, stepAcross);
        const double nominalRow = canvas.toPixel(0, graph.timeLabelLevel * top).y();
        const double labelTop = timeLabelTop(nominalRow, origin.y(), textHeight);
        for (long long k = firstMultiple(firstAcross, labelled); k <= lastAcross; k += labelled) {
            if (k == 0)
                continue;
            const double t = static_cast<double>(k) * stepAcross;
            const QString text = gridLabel(t, decimalPoint);
            const QSizeF size = canvas.textSize(text);
            const double column = pixelFloor(canvas.toPixel(t, 0).x());
            const double leftEdgePx =
                labelsOnLines ? std::floor(column + 0.5 - size.width() / 2) : column + kLabelClearancePx;
            timeLabels.push_back({t, text, QRectF(QPointF(leftEdgePx, labelTop), size), false});
        }
        takeLabelBoxes(boxes, timeLabels);
    }

    // The value caption moves right past the labels at the top, the time
    // caption away from the time axis past the time labels.
    std::vector<AxisLabel*> all;
    for (AxisLabel& label : valueLabels)
        all.push_back(&label);
    for (AxisLabel& label : timeLabels)
        all.push_back(&label);
    const QRectF captionBox = placeCaption(
        boxes, all, QRectF(canvas.toPixel(0.03 * (right - left), top), canvas.textSize(caption)), QPointF(1, 0));
    const QPointF timeCaptionAt = canvas.toPixel(right - 0.08 * (right - left), graph.timeCaptionLevel * top);
    const QRectF timeCaptionBox =
        placeCaption(boxes, all, QRectF(timeCaptionAt, canvas.textSize(timeCaption)),
                     QPointF(0, timeCaptionAt.y() >= origin.y() ? 1 : -1));

    canvas.setLineWidth(1);
    canvas.setSmoothLines(false);
    if (graph.stagnationBand)
        canvas.fillBox(left, -1, right, 1, kBandColor);

    if (verticals) {
        auto label = timeLabels.begin();
        for (long long k = firstMultiple(firstAcross, timeStride); k <= lastAcross; k += timeStride) {
            if (k == 0)
                continue;
            const double t = static_cast<double>(k) * stepAcross;
            canvas.line(t, top, t, verticalsEnd, kGridColor);
            canvas.dot(t, graph.timeLabelLevel * top);
            if (label != timeLabels.end() && label->value == t) {
                if (label->shown)
                    printLabel(canvas, *label, labelsOnLines, graph.stagnationBand);
                ++label;
            }
        }
    }

    if (last >= first) {
        auto label = valueLabels.begin();
        for (long long k = firstMultiple(first, valueStride); k <= last; k += valueStride) {
            const double y = static_cast<double>(k) * step;
            canvas.line(left, y, right, y, kGridColor);
            canvas.dot(0, y);
            if (label != valueLabels.end() && label->value == y) {
                if (label->shown)
                    printLabel(canvas, *label, labelsOnLines && k != 0, graph.stagnationBand);
                ++label;
            }
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

    printInBox(canvas, captionBox, caption);
    printInBox(canvas, timeCaptionBox, timeCaption);
}

}  // namespace dryfriction
