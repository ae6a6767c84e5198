#include "plot/animationstrip.h"

#include "plot/gridstride.h"
#include "plot/imagecanvas.h"
#include "plot/plotcolors.h"

#include "model/numberformat.h"

#include <QPainter>

#include <cmath>

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
    const double xDivisions = 2 * r.xMax;
    const double xStep = (r.animRight - r.animLeft) / xDivisions;

    strip.setLineWidth(1);
    strip.fillBox(-1, r.animBottom, 1, r.animTop, kBandColor);

    // One grid line per unit of the stagnation half-width, thinned when
    // there would be too many.
    const double halfUnits = xDivisions / 2;
    if (std::isfinite(halfUnits) && halfUnits >= 1 && halfUnits <= 1e15) {
        const auto half = static_cast<long long>(std::floor(halfUnits));
        const long long first = -half + 1, last = half - 1;
        const long long stride = gridStride(first, last);
        const std::string separator = decimalPoint.toStdString();
        for (long long k = (first / stride) * stride; k <= last; k += stride) {
            if (k < first)
                continue;
            const double x = static_cast<double>(k) * xStep;
            strip.line(x, r.animBottom, x, r.animTop, kGridColor);
            strip.dot(x, 0.04 * r.animBottom);
            strip.drawText(QString::fromStdString(formatGridLabel(x, separator)));
        }
    }

    strip.setLineWidth(3);
    strip.line(0, r.animBottom, 0, r.animTop, kAxisColor);
    strip.line(r.animLeft, 0, r.animRight, 0, kAxisColor);
    strip.setCurrentX(r.animRight - 0.03 * (r.animRight - r.animLeft));
    strip.setCurrentY(0.15 * r.animBottom);
    strip.drawText(caption);

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
