#include "laystore/ops/NestNoFitRegion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace VelSystem {

NestNoFitRegion::NestNoFitRegion(const std::vector<GeoPolygon2D>& rings)
{
    for (const GeoPolygon2D& ring : rings) {
        const int n = ring.size();
        for (int i = 0; i < n; ++i) {
            const GeoPoint2D& a = ring[i];
            const GeoPoint2D& b = ring[(i + 1) % n];
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double length2 = dx * dx + dy * dy;
            if (length2 > 0.0)
                mEdges.push_back({a.x, a.y, b.x, b.y, dx, dy, 1.0 / length2});
            mBounds.include(a);
        }
    }
}

double NestNoFitRegion::depth(double x, double y) const
{
    if (x <= mBounds.xmin || x >= mBounds.xmax || y <= mBounds.ymin || y >= mBounds.ymax)
        return 0.0;
    // Winding number first: most offsets asked about lie outside, and need no distance.
    int winding = 0;
    for (const Edge& e : mEdges) {
        const double side = e.dx * (y - e.y0) - e.dy * (x - e.x0);
        if (e.y0 <= y) {
            if (e.y1 > y && side > 0.0)
                ++winding;
        } else if (e.y1 <= y && side < 0.0) {
            --winding;
        }
    }
    if (winding == 0)
        return 0.0;
    double nearest = std::numeric_limits<double>::infinity();
    for (const Edge& e : mEdges) {
        const double t = std::clamp(((x - e.x0) * e.dx + (y - e.y0) * e.dy) * e.inverseLength2, 0.0, 1.0);
        const double ex = e.x0 + t * e.dx - x, ey = e.y0 + t * e.dy - y;
        nearest = std::min(nearest, ex * ex + ey * ey);
    }
    return std::sqrt(nearest);
}

} // namespace VelSystem
