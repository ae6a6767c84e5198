#include "frames.h"

#include "plotscales.h"

namespace dryfriction {

TimeGrid drawGraphFrames(GraphViews& graphs, const PlotRanges& r, const QString& decimalPoint)
{
    const TimeGrid grid = axes_2(graphs.picture2, r, decimalPoint);
    axes_3(graphs.picture3, r, grid, decimalPoint);
    axes_4(graphs.picture4, r, grid, decimalPoint);
    axes_5(graphs.picture5, r, grid, decimalPoint);
    return grid;
}

Frames drawFrames(Views& views, const ProblemParameters& p, const MotionCharacteristics& c,
                  const QString& decimalPoint)
{
    Frames f;
    f.ranges = minmax(p, c, views);
    f.placement = axes(views.picture1, f.ranges, p.Xo, decimalPoint);
    GraphViews graphs = graphViews(views);
    f.timeGrid = drawGraphFrames(graphs, f.ranges, decimalPoint);
    return f;
}

}  // namespace dryfriction
