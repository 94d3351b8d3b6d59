#pragma once

#include "VelGeo/GeoPolygon2D.h"
#include "VelGeo/GeoRectangle.h"

#include <vector>

namespace VelSystem {

// A no-fit polygon made fast to query: how deep an offset between two shapes lies inside
// it, which is how far the orbiting shape must move at least to get clear of the fixed one.
class NestNoFitRegion
{
public:
    // `rings` as GeoNoFitPolygon gives them (non-zero rule).
    explicit NestNoFitRegion(const std::vector<GeoPolygon2D>& rings);

    // Distance from (x, y) to the region's boundary when inside it, 0 outside.
    double depth(double x, double y) const;
    const GeoRectangle& bounds() const { return mBounds; }

    struct Edge
    {
        double x0, y0, x1, y1;
        double dx, dy;
        double inverseLength2;
    };
    const std::vector<Edge>& edges() const { return mEdges; }

private:
    int bandOf(double y) const;

    std::vector<Edge> mEdges;
    GeoRectangle mBounds;
    // The region cut into horizontal bands of equal height, each listing the edges that
    // reach into it: a point's winding number needs only its band's edges.
    double mBandHeight = 1.0;
    std::vector<std::vector<int>> mBands;
};

} // namespace VelSystem
