#include "animationview.h"

#include "gridstride.h"
#include "imagecanvas.h"
#include "plotcolors.h"

#include "numberformat.h"

#include <QPainter>

#include <cmath>

namespace dryfriction {

SetupPlacement axes(Canvas& picture1, const PlotRanges& r, double Xo, const QString& decimalPoint,
                    QSizeF loadPx, double springHeightPx)
{
    const double xDivisions = 2 * r.Xmax;
    const double xStep = (r.animRight - r.animLeft) / xDivisions;

    picture1.DrawWidth(1);
    picture1.FilledBox(-1, r.animBottom, 1, r.animTop, kBandColor);

    // One grid line per unit of a, thinned when there would be too many.
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
            picture1.Line(x, r.animBottom, x, r.animTop, kGridColor);
            picture1.PSet(x, 0.04 * r.animBottom);
            picture1.Print(QString::fromStdString(formatGridLabel(x, separator)));
        }
    }

    picture1.DrawWidth(3);
    picture1.Line(0, r.animBottom, 0, r.animTop, kAxisColor);
    picture1.Line(r.animLeft, 0, r.animRight, 0, kAxisColor);
    picture1.CurrentX(r.animRight - 0.03 * (r.animRight - r.animLeft));
    picture1.CurrentY(0.15 * r.animBottom);
    picture1.Print(QStringLiteral("X"));

    // The load stands on the axis centred on Xo; the spring runs from the
    // left edge (the wall) to the load's left side.
    SetupPlacement s;
    s.shapeWidth = picture1.userWidth(loadPx.width());
    s.shapeHeight = picture1.userHeight(loadPx.height());
    s.shapeLeft = Xo - s.shapeWidth / 2;
    s.shapeTop = -s.shapeHeight;
    s.imageHeight = picture1.userHeight(springHeightPx);
    s.imageLeft = r.animLeft;
    // In a view narrower than the load the load's left side lies left of the
    // wall; an image cannot have a negative width.
    s.imageWidth = std::max(0.0, s.shapeLeft - r.animLeft);
    s.imageTop = 0 - s.imageHeight;
    return s;
}

void moveLoad(SetupPlacement& placement, double x, double animLeft)
{
    placement.shapeLeft = x - placement.shapeWidth / 2;
    placement.imageWidth = std::abs(x - animLeft - placement.shapeWidth / 2);
}

void paintSetup(QPainter& painter, const ImageCanvas& picture1, const SetupPlacement& s)
{
    static const QImage spring = springPicture();

    const auto rectOf = [&](double left, double top, double width, double height) {
        const QPointF a = picture1.toPixel(left, top);
        const QPointF b = picture1.toPixel(left + width, top + height);
        return QRectF(a, b).normalized();
    };
    const auto drawable = [](const QRectF& rect) {
        constexpr double kFar = 1e6;
        return std::isfinite(rect.left()) && std::isfinite(rect.top()) && std::isfinite(rect.right())
            && std::isfinite(rect.bottom()) && std::abs(rect.left()) < kFar && std::abs(rect.right()) < kFar
            && std::abs(rect.top()) < kFar && std::abs(rect.bottom()) < kFar;
    };

    painter.save();
    const QRectF springRect = rectOf(s.imageLeft, s.imageTop, s.imageWidth, s.imageHeight);
    if (drawable(springRect) && springRect.width() > 0 && springRect.height() > 0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(springRect, spring);
    }

    // The load: a square outlined in black, white inside, its outline just
    // within the control's rectangle.
    const QRectF loadRect = rectOf(s.shapeLeft, s.shapeTop, s.shapeWidth, s.shapeHeight);
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

}  // namespace dryfriction
