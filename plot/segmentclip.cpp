#include "plot/segmentclip.h"

#include <cmath>

namespace dryfriction {

namespace {

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

}  // namespace

bool clipSegment(QPointF& a, QPointF& b, double lo, double hiX, double hiY)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return false;
    double t0 = 0, t1 = 1;
    int edge0 = -1, edge1 = -1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - lo, hiX - a.x(), a.y() - lo, hiY - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (std::isnan(t))
            return false;
        if (p[i] < 0) {
            if (t > t0) {
                t0 = t;
                edge0 = i;
            }
        } else if (t < t1) {
            t1 = t;
            edge1 = i;
        }
        if (t0 > t1)
            return false;
    }
    const double edges[4] = {lo, hiX, lo, hiY};
    const auto onEdge = [&](int edge, QPointF from) {
        const double e = edges[edge];
        if (edge < 2)
            return QPointF(e, dy == 0 ? from.y() : from.y() + (e - from.x()) * (dy / dx));
        return QPointF(dx == 0 ? from.x() : from.x() + (e - from.y()) * (dx / dy), e);
    };
    const QPointF start = a, end = b;
    if (edge0 >= 0)
        a = onEdge(edge0, end);
    if (edge1 >= 0)
        b = onEdge(edge1, start);
    return finite(a) && finite(b);
}

}  // namespace dryfriction
