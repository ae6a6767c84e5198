#include "plotscales.h"

namespace dryfriction {

void applyScales(const PlotRanges& r, Views& views)
{
    views.picture1.Scale(r.animLeft, r.animTop, r.animRight, r.animBottom);
    views.picture2.Scale(r.graphLeft, r.xTop, r.graphRight, r.xBottom);
    views.picture3.Scale(r.graphLeft, r.vTop, r.graphRight, r.vBottom);
    views.picture4.Scale(r.graphLeft, r.wTop, r.graphRight, r.wBottom);
    views.picture5.Scale(r.graphLeft, r.pathTop, r.graphRight, r.pathBottom);
}

PlotRanges minmax(const ProblemParameters& p, const MotionCharacteristics& c, Views& views)
{
    const PlotRanges r = computePlotRanges(p, c);
    applyScales(r, views);
    return r;
}

}  // namespace dryfriction
