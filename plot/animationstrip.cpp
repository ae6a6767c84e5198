#include "plot/animationstrip.h"

#include "plot/axislabels.h"
#include "plot/gridstride.h"
#include "plot/imagecanvas.h"
#include "plot/plotcolors.h"

#include "model/numberformat.h"

#include <QPainter>

#include <cmath>
#include <optional>
#include <vector>

namespace dryfriction {

namespace {

// A rectangle of the strip's user units in logical pixels.
QRectF pixelRect(const Canvas& strip, double left, double top, double width, double height)
{
    const QPointF a = strip.toPixel(left, top);
    const QPointF b = strip.toPixel(left + width, top + height);
    return QRectF(a, b).normalized();
}

// Rectangles far outside or not finite are not drawn at all.
bool drawable(const QRectF& rect)
{
    constexpr double kFar = 1e6;
    return std::isfinite(rect.left()) && std::isfinite(rect.top()) && std::isfinite(rect.right())
        && std::isfinite(rect.bottom()) && std::abs(rect.left()) < kFar && std::abs(rect.right()) < kFar
        && std::abs(rect.top()) < kFar && std::abs(rect.bottom()) < kFar;
}

}  // namespace

SetupPlacement drawAnimationStrip(Canvas& strip, const PlotRanges& r, double x0, const QString& caption,
                                  const QString& decimalPoint, QSizeF loadPx, double springHeightPx)
{
    // One grid line per unit of the stagnation half-width, or per half, fifth,
    // ... of it on a strip of a unit either side, thinned when there would be
    // too many; labels just below the axis, each right of its line, as many
    // as have room, 0 among them. Where they go is settled first, so that the
    // caption can keep clear of them.
    const double xStep = stepWithLines((r.animRight - r.animLeft) / (2 * r.xMax), r.animLeft, r.animRight);
    const double halfUnits = std::floor(r.animRight / xStep + 1e-6);
    const bool grid = std::isfinite(halfUnits) && halfUnits >= 1 && halfUnits <= 1e15;
    const long long half = grid ? static_cast<long long>(std::floor(halfUnits)) : 0;
    const long long first = -half + 1, last = half - 1;
    const long long stride = grid ? gridStride(first, last) : 1;
    const std::string separator = decimalPoint.toStdString();
    const auto label = [&](double x) { return QString::fromStdString(formatGridLabel(x, separator)); };

    std::vector<AxisLabel> labels;
    LabelBoxes boxes(QRectF(QPointF(0, 0), QSizeF(strip.logicalSize())));
    const QPointF origin = strip.toPixel(0, 0);
    if (grid) {
        const double widest = std::max(strip.textSize(label(static_cast<double>(first) * xStep)).width(),
                                       strip.textSize(label(static_cast<double>(last) * xStep)).width());
        const double unitPx = std::abs(strip.toPixel(xStep, 0).x() - origin.x());
        const long long labelled = labelStride(unitPx, widest, stride, xStep);
        const double labelTop = std::max(pixelFloor(strip.toPixel(0, 0.04 * r.animBottom).y()),
                                         pixelFloor(origin.y()) + kLabelClearancePx);
        const long long from = (first / labelled) * labelled;
        for (long long k = from < first ? from + labelled : from; k <= last; k += labelled) {
            const double x = static_cast<double>(k) * xStep;
            const QString text = label(x);
            const QPointF corner(pixelFloor(strip.toPixel(x, 0).x()) + kLabelClearancePx, labelTop);
            labels.push_back({x, text, QRectF(corner, strip.textSize(text)), false});
        }
        takeLabelBoxes(boxes, labels);
    }

    // The caption moves down past the labels.
    const QRectF meant(strip.toPixel(r.animRight - 0.03 * (r.animRight - r.animLeft), 0.15 * r.animBottom),
                       strip.textSize(caption));
    std::vector<AxisLabel*> shownLabels;
    for (AxisLabel& l : labels)
        shownLabels.push_back(&l);
    const QRectF captionBox = placeCaption(boxes, shownLabels, meant, QPointF(0, 1));

    strip.setLineWidth(1);
    strip.setSmoothLines(false);
    strip.fillBox(-1, r.animBottom, 1, r.animTop, kBandColor);
    if (grid) {
        auto next = labels.begin();
        for (long long k = (first / stride) * stride; k <= last; k += stride) {
            if (k < first)
                continue;
            const double x = static_cast<double>(k) * xStep;
            strip.line(x, r.animBottom, x, r.animTop, kGridColor);
            strip.dot(x, 0.04 * r.animBottom);
            if (next != labels.end() && next->value == x) {
                if (next->shown)
                    printInBox(strip, next->box, next->text);
                ++next;
            }
        }
    }

    strip.setLineWidth(3);
    strip.line(0, r.animBottom, 0, r.animTop, kAxisColor);
    strip.line(r.animLeft, 0, r.animRight, 0, kAxisColor);
    printInBox(strip, captionBox, caption);

    // The load stands on the axis centred on x0; the spring runs from the
    // wall to the load's left side.
    SetupPlacement s;
    s.loadWidth = strip.userWidth(loadPx.width());
    s.loadHeight = strip.userHeight(loadPx.height());
    s.loadLeft = x0 - s.loadWidth / 2;
    s.loadTop = -s.loadHeight;
    s.springHeight = strip.userHeight(springHeightPx);
    s.springLeft = r.animLeft;
    // In a strip narrower than the load, the load's left side lies left of
    // the wall; a picture cannot have a negative width.
    s.springWidth = std::max(0.0, s.loadLeft - r.animLeft);
    s.springTop = 0 - s.springHeight;
    return s;
}

SetupPlacement placedAt(SetupPlacement placement, double x)
{
    placement.loadLeft = x - placement.loadWidth / 2;
    placement.springWidth = std::abs(x - placement.springLeft - placement.loadWidth / 2);
    return placement;
}

void paintSetup(QPainter& painter, const Canvas& strip, const SetupPlacement& s)
{
    static const QImage spring = springPicture();

    painter.save();
    const QRectF springRect = pixelRect(strip, s.springLeft, s.springTop, s.springWidth, s.springHeight);
    if (drawable(springRect) && springRect.width() > 0 && springRect.height() > 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(springRect, spring);
    }

    // The load: a square outlined in black, white inside, its outline just
    // within its rectangle.
    const QRectF loadRect = pixelRect(strip, s.loadLeft, s.loadTop, s.loadWidth, s.loadHeight);
    if (drawable(loadRect) && loadRect.width() >= 1 && loadRect.height() >= 1) {
        const QRectF snapped(std::round(loadRect.left()), std::round(loadRect.top()), std::round(loadRect.width()),
                             std::round(loadRect.height()));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(snapped, Qt::white);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(snapped.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

QRectF setupArea(const Canvas& strip, const SetupPlacement& s)
{
    // Rounding of the load's corners and the smoothing of the spring's edges
    // reach at most a pixel beyond the exact rectangles.
    constexpr double kMargin = 2;
    const QRectF whole(QPointF(0, 0), QSizeF(strip.logicalSize()));
    const QRectF spring = pixelRect(strip, s.springLeft, s.springTop, s.springWidth, s.springHeight);
    const QRectF load = pixelRect(strip, s.loadLeft, s.loadTop, s.loadWidth, s.loadHeight);
    if (!drawable(spring) || !drawable(load))
        return whole;
    return spring.united(load).adjusted(-kMargin, -kMargin, kMargin, kMargin).intersected(whole);
}

}  // namespace dryfriction
