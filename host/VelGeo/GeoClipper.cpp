#include "VelGeo/GeoClipper.h"

#include <stdexcept>

namespace VelSystem {

ClipperLib::Path toClipperPath(const GeoPolygon2D& outline)
{
    if (!outline.isFinite())
        throw std::invalid_argument("GeoPolygon2D: an outline with a coordinate that is not finite");
    ClipperLib::Path path;
    path.reserve(outline.points().size());
    for (const GeoPoint2D& p : outline.points())
        path.push_back(toClipperPoint(p));
    return path;
}

GeoPolygon2D toGeoPolygon(const ClipperLib::Path& path)
{
    std::vector<GeoPoint2D> points;
    points.reserve(path.size());
    for (const ClipperLib::IntPoint& p : path)
        points.push_back(toGeoPoint(p));
    return GeoPolygon2D(std::move(points));
}

} // namespace VelSystem
