#include "axes.h"

#include "gridstride.h"
#include "plotcolors.h"

#include "numberformat.h"

#include <cmath>

namespace dryfriction {

namespace {

QString gridLabel(double value, const QString& decimalPoint)
{
    return QString::fromStdString(formatGridLabel(value, decimalPoint.toStdString()));
}

// How one graph's frame differs from the others.
struct FrameLayout {
    double top = 0;             // upper edge of the graph
    double gridLineBottom = 0;  // where the vertical grid lines end
    double timeLabelY = 0;      // label point of the vertical grid lines
    long long kFirst = 0;       // range of the horizontal grid lines
    long long kLast = 0;
    double yStep = 1;
    bool band = false;          // the grey stagnation band |y| <= 1
    double axisBottom = 0;      // lower end of the vertical axis
    QString caption;
    double timeCaptionY = 0;
};

void drawFrame(Canvas& canvas, const PlotRanges& r, const TimeGrid& grid, const FrameLayout& f,
               const QString& decimalPoint)
{
    const double left = r.graphLeft;
    const double right = r.graphRight;

    canvas.DrawWidth(1);
    if (f.band)
        canvas.FilledBox(left, -1, right, 1, kBandColor);

    // Vertical grid: one line per time division; none when there are fewer
    // than two divisions (also for tCalc < 1, where there is no step at all).
    const auto tDivisions = static_cast<long long>(grid.tDivisions);
    if (tDivisions >= 2 && grid.tStep > 0) {
        const long long stride = gridStride(1, tDivisions - 1);
        for (long long k = stride; k <= tDivisions - 1; k += stride) {
            const double t = static_cast<double>(k) * grid.tStep;
            canvas.Line(t, f.top, t, f.gridLineBottom, kGridColor);
            canvas.PSet(t, f.timeLabelY);
            canvas.Print(gridLabel(t, decimalPoint));
        }
    }

    // Horizontal grid: one line per unit (per 0.1 on the energy graph).
    if (f.kLast >= f.kFirst) {
        const long long stride = gridStride(f.kFirst, f.kLast);
        long long k = f.kFirst;
        if (stride > 1) {
            const long long rem = ((k % stride) + stride) % stride;
            if (rem != 0)
                k += stride - rem;
        }
        for (; k <= f.kLast; k += stride) {
            const double y = static_cast<double>(k) * f.yStep;
            canvas.Line(left, y, right, y, kGridColor);
            canvas.PSet(0, y);
            canvas.Print(gridLabel(y, decimalPoint));
        }
    }

    canvas.DrawWidth(3);
    canvas.Line(0, f.top, 0, f.axisBottom, kAxisColor);
    canvas.Line(left, 0, right, 0, kAxisColor);

    canvas.CurrentX(0.03 * (right - left));
    canvas.CurrentY(f.top);
    canvas.Print(f.caption);

    canvas.CurrentX(right - 0.08 * (right - left));
    canvas.CurrentY(f.timeCaptionY);
    canvas.Print(QStringLiteral("2*pi*t/T"));
}

// Int(h) of a positive half-range held as a floating value; a non-finite or
// absurd value draws no grid rather than looping for ever.
long long wholeUnits(double value)
{
    if (!std::isfinite(value) || value < 0 || value > 1e15)
        return 0;
    return static_cast<long long>(std::floor(value));
}

}  // namespace

TimeGrid timeGrid(const PlotRanges& r)
{
    TimeGrid grid;
    const double tCalc = r.graphRight;
    grid.tDivisions = (std::isfinite(tCalc) && tCalc >= 1) ? std::floor(r.graphRight) : 0.0f;
    grid.tStep = grid.tDivisions > 0 ? (r.graphRight - r.graphLeft) / static_cast<double>(grid.tDivisions)
                                     : 0.0;
    return grid;
}

TimeGrid axes_2(Canvas& picture2, const PlotRanges& r, const QString& decimalPoint)
{
    const TimeGrid grid = timeGrid(r);
    const double yDivisions = 2 * r.Xmax;
    const long long half = wholeUnits(yDivisions / 2);

    FrameLayout f;
    f.top = r.xTop;
    f.gridLineBottom = r.xBottom;
    f.timeLabelY = -0.04 * r.xTop;
    f.kFirst = -half + 1;
    f.kLast = half - 1;
    f.yStep = (r.xTop - r.xBottom) / yDivisions;
    f.band = true;
    f.axisBottom = r.xBottom;
    f.caption = QStringLiteral("X");
    f.timeCaptionY = -0.15 * r.xTop;
    drawFrame(picture2, r, grid, f, decimalPoint);
    return grid;
}

void axes_3(Canvas& picture3, const PlotRanges& r, const TimeGrid& grid, const QString& decimalPoint)
{
    const float yDivisions = 2 * r.Vmax;
    const long long half = wholeUnits(yDivisions / 2);

    FrameLayout f;
    f.top = r.vTop;
    f.gridLineBottom = r.vBottom;
    f.timeLabelY = -0.04 * r.vTop;
    f.kFirst = -half + 1;
    f.kLast = half - 1;
    f.yStep = (r.vTop - r.vBottom) / yDivisions;
    f.axisBottom = r.vBottom;
    f.caption = QStringLiteral("Vx");
    f.timeCaptionY = -0.15 * r.vTop;
    drawFrame(picture3, r, grid, f, decimalPoint);
}

void axes_4(Canvas& picture4, const PlotRanges& r, const TimeGrid& grid, const QString& decimalPoint)
{
    constexpr int yDivisions = 12;

    FrameLayout f;
    f.top = r.wTop;
    f.gridLineBottom = 0;
    f.timeLabelY = -0.04 * r.wTop;
    // Lines at 0.1 .. 1.1; the last lies above the top edge and is clipped.
    f.kFirst = 1;
    f.kLast = 11;
    f.yStep = (r.wTop - r.wBottom) / yDivisions;
    f.axisBottom = r.wBottom;
    f.caption = QStringLiteral("W/Wo");
    f.timeCaptionY = -0.11 * r.wTop;
    drawFrame(picture4, r, grid, f, decimalPoint);
}

void axes_5(Canvas& picture5, const PlotRanges& r, const TimeGrid& grid, const QString& decimalPoint)
{
    // A wide integer: PathMax grows with Xo^2 + Vo^2 and may pass 32767.
    const long long yDivisions = wholeUnits(r.PathMax);

    FrameLayout f;
    f.top = r.pathTop;
    f.gridLineBottom = 0;
    f.timeLabelY = 0.06 * r.pathTop;
    f.kFirst = 1;
    f.kLast = yDivisions - 1;
    f.yStep = yDivisions > 0 ? static_cast<float>((r.pathTop - r.pathBottom) / static_cast<double>(yDivisions))
                             : 1.0f;
    f.axisBottom = 0;
    f.caption = QStringLiteral("П");
    f.timeCaptionY = 0.09 * r.pathTop;
    drawFrame(picture5, r, grid, f, decimalPoint);
}

}  // namespace dryfriction
