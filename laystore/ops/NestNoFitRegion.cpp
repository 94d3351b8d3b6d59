#include "laystore/ops/NestNoFitRegion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace VelSystem {

namespace {
// Bands per edge: a few edges to a band on average.
constexpr double kBandsPerEdge = 0.5;
} // namespace

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
    if (mEdges.empty() || !(mBounds.height() > 0.0))
        return;
    const int bands = std::max(1, static_cast<int>(static_cast<double>(mEdges.size()) * kBandsPerEdge));
    mBandHeight = mBounds.height() / bands;
    mBands.resize(static_cast<size_t>(bands));
    for (size_t e = 0; e < mEdges.size(); ++e) {
        const Edge& edge = mEdges[e];
        const int low = bandOf(std::min(edge.y0, edge.y1)), high = bandOf(std::max(edge.y0, edge.y1));
        for (int b = low; b <= high; ++b)
            mBands[static_cast<size_t>(b)].push_back(static_cast<int>(e));
    }
}

int NestNoFitRegion::bandOf(double y) const
{
    const int band = static_cast<int>((y - mBounds.ymin) / mBandHeight);
    return std::clamp(band, 0, static_cast<int>(mBands.size()) - 1);
}

double NestNoFitRegion::depth(double x, double y) const
{
    if (x <= mBounds.xmin || x >= mBounds.xmax || y <= mBounds.ymin || y >= mBounds.ymax)
        return 0.0;
    // Winding number first: many offsets asked about lie outside, and need no distance.
    const int band = bandOf(y);
    int winding = 0;
    for (int index : mBands[static_cast<size_t>(band)]) {
        const Edge& e = mEdges[static_cast<size_t>(index)];
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
        // min and max rather than clamp: no branches in the search's hottest loop.
        const double t =
            std::min(std::max(((x - e.x0) * e.dx + (y - e.y0) * e.dy) * e.inverseLength2, 0.0), 1.0);
        const double ex = e.x0 + t * e.dx - x, ey = e.y0 + t * e.dy - y;
        nearest = std::min(nearest, ex * ex + ey * ey);
    }
    return std::sqrt(nearest);
}

} // namespace VelSystem
