#include "rundrawing.h"

#include "plotcolors.h"

#include <cmath>

namespace dryfriction {

namespace {

// A graph with the vertical extent of its markers and the height factor of
// its second legend line.
struct MarkedGraph {
    Canvas& canvas;
    double top;
    double markerBottom;
    double legendFactor;
};

}  // namespace

std::int16_t drawRunPreamble(GraphViews& views, const PlotRanges& r, const ProblemParameters& p,
                             const MotionCharacteristics& c)
{
    MarkedGraph graphs[] = {
        {views.picture2, r.xTop, r.xBottom, 0.9},
        {views.picture3, r.vTop, r.vBottom, 0.9},
        {views.picture4, static_cast<double>(r.wTop), 0.0, 0.94},
        {views.picture5, r.pathTop, 0.0, 0.94},
    };

    for (MarkedGraph& g : graphs) {
        g.canvas.DrawWidth(1);
        g.canvas.DrawStyle(LineStyle::Dashed);
    }

    // Stop markers (Vx = 0) and extreme-velocity markers, graph by graph for
    // each k. Those at negative times or beyond tCalc fall outside the canvas.
    if (std::isfinite(c.n_half) && c.n_half >= 0) {
        const auto halfSwings = static_cast<int>(c.n_half);
        for (int k = 0; k <= halfSwings; ++k) {
            const double tau = stopTime(c, k);
            const double eta = extremeVelocityTime(c, k);
            for (MarkedGraph& g : graphs) {
                g.canvas.Line(tau, g.top, tau, g.markerBottom, kRed);
                g.canvas.Line(eta, g.top, eta, g.markerBottom, kBlue);
            }
        }
    }

    // The decaying envelope, from three half-swings on.
    if (c.n_half >= 3) {
        const Envelope e = envelope(c);
        views.picture2.Line(0, e.upperStart, e.endTime, 0, kMagenta);
        views.picture2.Line(0, e.lowerStart, e.endTime, 0, kMagenta);
    }

    for (MarkedGraph& g : graphs) {
        g.canvas.DrawWidth(3);
        g.canvas.DrawStyle(LineStyle::Solid);
    }

    for (MarkedGraph& g : graphs) {
        g.canvas.CurrentX(r.graphRight / 2.0);
        g.canvas.CurrentY(g.top);
        g.canvas.Print(kLegendStops);
        g.canvas.CurrentX(r.graphRight / 2.0);
        g.canvas.CurrentY(g.legendFactor * g.top);
        g.canvas.Print(kLegendExtremes);
    }

    // The traces start from these points.
    views.picture2.PSet(0, p.Xo, kRed);
    views.picture3.PSet(0, p.Vo, kRed);
    views.picture4.PSet(0, 1, kRed);
    views.picture5.PSet(0, 0, kRed);

    return 0;
}

bool drawSample(GraphViews& views, const MotionSample& s, std::int16_t& animationCounter,
                SetupPlacement& placement, const PlotRanges& r)
{
    bool moved = false;
    if (animationCounter == 5) {
        moveLoad(placement, s.x, r.animLeft);
        animationCounter = 0;
        moved = true;
    }
    ++animationCounter;

    const double t = s.t;
    views.picture2.LineTo(t, s.x, kRed);
    views.picture3.LineTo(t, s.Vx, kBlue);
    views.picture4.LineTo(t, s.WWo, kRed);
    views.picture5.LineTo(t, s.path, kRed);
    return moved;
}

}  // namespace dryfriction
