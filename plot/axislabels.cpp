#include "plot/axislabels.h"

#include "plot/canvas.h"

#include <cmath>
#include <initializer_list>

namespace dryfriction {

long long labelStride(double unitPx, double labelExtentPx, long long gridStride, double lineStep)
{
    // Strides beyond this leave no multiple but 0 on any axis the grid draws.
    constexpr long long kLargest = 100'000'000'000'000'000LL;
    if (gridStride < 1)
        gridStride = 1;
    if (!(std::isfinite(lineStep) && lineStep > 0))
        lineStep = 1;
    // The label starts clear of its line and must end clear of the next
    // labelled one.
    const double needed = labelExtentPx + kLabelClearancePx + kLabelGapPx;
    if (!(std::isfinite(unitPx) && unitPx > 0) || !std::isfinite(needed))
        return kLargest;
    // Every line, or the lines whose values n * lineStep are round, from the
    // line step up.
    if (gridStride == 1 && unitPx >= needed)
        return 1;
    double decade = std::pow(10.0, std::floor(std::log10(lineStep) + 1e-9));
    for (int e = 0; e < 40; ++e, decade *= 10) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double value = m * decade;
            const double exact = value / lineStep;
            if (exact < 0.5 || exact >= static_cast<double>(kLargest))
                continue;
            const long long n = std::llround(exact);
            if (std::abs(static_cast<double>(n) - exact) > 1e-6 * exact)
                continue;
            if (n % gridStride == 0 && static_cast<double>(n) * unitPx >= needed)
                return n;
        }
    }
    return kLargest;
}

const QRectF* LabelBoxes::touched(const QRectF& box) const
{
    const QRectF widened = box.adjusted(-kLabelGapPx, -kLabelGapPx, kLabelGapPx, kLabelGapPx);
    for (const QRectF& other : m_boxes) {
        if (widened.intersects(other))
            return &other;
    }
    return nullptr;
}

bool LabelBoxes::isFree(const QRectF& box) const
{
    return m_bounds.contains(box) && touched(box) == nullptr;
}

bool LabelBoxes::take(const QRectF& box)
{
    if (!isFree(box))
        return false;
    m_boxes.push_back(box);
    return true;
}

std::optional<QRectF> LabelBoxes::takeNear(QRectF box, QPointF direction)
{
    // Every step moves past one more box, so there are at most as many steps
    // as boxes.
    for (std::size_t step = 0; step <= m_boxes.size(); ++step) {
        if (!m_bounds.contains(box))
            return std::nullopt;
        const QRectF* other = touched(box);
        if (other == nullptr) {
            m_boxes.push_back(box);
            return box;
        }
        if (direction.x() > 0)
            box.moveLeft(other->right() + kLabelGapPx + 1);
        else if (direction.x() < 0)
            box.moveRight(other->left() - kLabelGapPx - 1);
        else if (direction.y() > 0)
            box.moveTop(other->bottom() + kLabelGapPx + 1);
        else
            box.moveBottom(other->top() - kLabelGapPx - 1);
    }
    return std::nullopt;
}

void takeLabelBoxes(LabelBoxes& boxes, std::span<AxisLabel> labels)
{
    for (AxisLabel& label : labels) {
        if (label.value == 0)
            label.shown = boxes.take(label.box);
    }
    for (AxisLabel& label : labels) {
        if (label.value != 0)
            label.shown = boxes.take(label.box);
    }
}

QRectF placeCaption(LabelBoxes& boxes, std::span<AxisLabel* const> labels, const QRectF& meant,
                    QPointF direction)
{
    if (const std::optional<QRectF> box = boxes.takeNear(meant, direction))
        return *box;
    const QRectF widened = meant.adjusted(-kLabelGapPx, -kLabelGapPx, kLabelGapPx, kLabelGapPx);
    for (AxisLabel* label : labels) {
        if (label->box.intersects(widened))
            label->shown = false;
    }
    return meant;
}

void printInBox(Canvas& canvas, const QRectF& box, const QString& text)
{
    const QPointF corner = canvas.toUser(box.topLeft());
    canvas.setCurrentX(corner.x());
    canvas.setCurrentY(corner.y());
    canvas.drawText(text);
}

}  // namespace dryfriction
