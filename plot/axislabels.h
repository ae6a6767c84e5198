#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <cmath>
#include <optional>
#include <span>
#include <vector>

namespace dryfriction {

class Canvas;

// Room, in logical pixels, between a label and the line it labels (counted
// from the line's centre; it clears the half-width of a 3-pixel axis and
// leaves a free pixel), and between a label and its neighbours.
inline constexpr double kLabelClearancePx = 3;
inline constexpr double kLabelGapPx = 2;

// Which grid lines of an axis get a label. The lines lie at whole k, `unitPx`
// logical pixels apart per unit of k, and only at multiples of `gridStride`;
// a label takes `labelExtentPx` along the axis, beside its line. Returns the
// smallest n of 1, 2, 5, 10, 20, 50, ... that is a multiple of gridStride and
// spaces the labelled lines far enough apart that a label clears the next
// labelled line: labels go on the lines with k a multiple of n, so 0 gets
// one whenever it lies on the axis. An axis with no room at all (unitPx 0 or
// not finite) gets a stride so large that only 0 could have a label.
// Where the lines lie `lineStep` apart in the axis's values (a round step:
// 1, 2 or 5 times a power of ten), n is chosen so that the labelled values
// are round as well: every 2 of lines half a unit apart, not every 5.
long long labelStride(double unitPx, double labelExtentPx, long long gridStride = 1, double lineStep = 1);

// The boxes of the texts meant for one view, in logical pixels, so that each
// new text goes only where it touches none of those before it.
class LabelBoxes {
public:
    // `bounds` is the view: a text that would leave it is not printed.
    explicit LabelBoxes(QRectF bounds)
        : m_bounds(bounds)
    {
    }

    // Takes the box for a text and returns true when it lies within the view
    // and is at least kLabelGapPx from every box taken so far.
    bool take(const QRectF& box);
    // Whether `box` lies within the view and clear of every box taken.
    bool isFree(const QRectF& box) const;

    // Where a caption first meant for `box` can go: there if it is free, or
    // else moved by whole steps along `direction` (one of the four unit
    // directions) just past each text it would touch, as long as it stays
    // within the view. Takes and returns the box found; nothing when there is
    // none.
    std::optional<QRectF> takeNear(QRectF box, QPointF direction);

    const std::vector<QRectF>& boxes() const { return m_boxes; }

private:
    const QRectF* touched(const QRectF& box) const;

    QRectF m_bounds;
    std::vector<QRectF> m_boxes;
};

// A grid line's label: the value of its line, its text, the box the text
// would fill, in logical pixels, and whether it is printed.
struct AxisLabel {
    double value = 0;
    QString text;
    QRectF box;
    bool shown = false;
};

// The pixel a logical coordinate falls in (a coordinate computed as
// 30.999999 falls in pixel 31, as the canvas draws it).
inline double pixelFloor(double c)
{
    return std::floor(c + 1e-6);
}

// Takes a box for each label that has room, the label at 0 first, and marks
// those that got one as shown.
void takeLabelBoxes(LabelBoxes& boxes, std::span<AxisLabel> labels);

// A caption goes where it is meant to, or moved along `direction` past the
// labels (see LabelBoxes::takeNear); where it cannot, it stays where it is
// meant to and the labels it would touch are not shown. Returns its box.
QRectF placeCaption(LabelBoxes& boxes, std::span<AxisLabel* const> labels, const QRectF& meant,
                    QPointF direction);

// Prints the text on the canvas with its top-left corner at the box's.
void printInBox(Canvas& canvas, const QRectF& box, const QString& text);

}  // namespace dryfriction
