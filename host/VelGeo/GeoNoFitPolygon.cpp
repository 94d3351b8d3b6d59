#include "VelGeo/GeoNoFitPolygon.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>

namespace VelSystem {

namespace {

using ClipperLib::IntPoint;
using ClipperLib::Path;
using ClipperLib::Paths;

// Integer coordinates stay below 2^29, so that sums of two stay within the range where
// Clipper's arithmetic is exact in 64 bits.
constexpr double kIntegerRange = 536870912.0;
// Integer steps of rounding that the union of the summed edges may leave between them.
constexpr double kSliver = 16.0;

GeoRectangle extentOf(const std::vector<GeoPolygon2D>& outlines)
{
    GeoRectangle extent;
    for (const GeoPolygon2D& outline : outlines)
        extent.include(outline.boundingRect());
    return extent;
}

// The outline moved by `shift` and scaled to integers, counter-clockwise; empty when it
// has no area at that resolution.
Path toPath(const GeoPolygon2D& outline, const GeoPoint2D& shift, double scale)
{
    Path path;
    path.reserve(outline.points().size());
    for (const GeoPoint2D& p : outline.points())
        path.emplace_back(std::llround((p.x + shift.x) * scale), std::llround((p.y + shift.y) * scale));
    if (path.size() < 3 || ClipperLib::Area(path) == 0.0)
        return {};
    if (!ClipperLib::Orientation(path))
        ClipperLib::ReversePath(path);
    return path;
}

Paths toPaths(const std::vector<GeoPolygon2D>& outlines, const GeoPoint2D& shift, double scale)
{
    Paths paths;
    for (const GeoPolygon2D& outline : outlines) {
        Path path = toPath(outline, shift, scale);
        if (!path.empty())
            paths.push_back(std::move(path));
    }
    return paths;
}

// Twice the area over the perimeter: the width of a long thin ring.
double thickness(const Path& path)
{
    double perimeter = 0.0;
    for (size_t i = 0; i < path.size(); ++i) {
        const IntPoint& a = path[i];
        const IntPoint& b = path[(i + 1) % path.size()];
        perimeter += std::hypot(static_cast<double>(b.X - a.X), static_cast<double>(b.Y - a.Y));
    }
    return perimeter > 0.0 ? 2.0 * std::fabs(ClipperLib::Area(path)) / perimeter : 0.0;
}

Path translated(const Path& path, const IntPoint& by)
{
    Path moved(path);
    for (IntPoint& p : moved) {
        p.X += by.X;
        p.Y += by.Y;
    }
    return moved;
}

} // namespace

std::vector<GeoPolygon2D> GeoNoFitPolygon::compute(const std::vector<GeoPolygon2D>& fixed,
                                                   const std::vector<GeoPolygon2D>& orbiting,
                                                   double clearance)
{
    const GeoRectangle fixedExtent = extentOf(fixed);
    const GeoRectangle orbitingExtent = extentOf(orbiting);
    if (!fixedExtent.isValid() || !orbitingExtent.isValid())
        return {};
    // Both shapes are brought next to the origin, so that the resolution follows their size
    // and not where they lie.
    const GeoPoint2D fixedShift = -fixedExtent.leftBottom();
    const GeoPoint2D orbitingShift = -orbitingExtent.leftBottom();
    const double reach = std::max({fixedExtent.width(), fixedExtent.height(), orbitingExtent.width(),
                                   orbitingExtent.height()}) +
                         2.0 * std::max(clearance, 0.0);
    if (!(reach > 0.0) || !std::isfinite(reach))
        return {};
    const double scale = std::exp2(std::floor(std::log2(kIntegerRange / 2.0 / reach)));

    Paths grown = toPaths(fixed, fixedShift, scale);
    if (clearance > 0.0) {
        // Mitred corners, squared off where sharp: the grown outline keeps at least the
        // clearance from the original everywhere.
        ClipperLib::ClipperOffset offset;
        offset.AddPaths(grown, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
        offset.Execute(grown, clearance * scale);
    }
    Paths mirrored = toPaths(orbiting, orbitingShift, scale);
    for (Path& path : mirrored) {
        for (IntPoint& p : path)
            p = IntPoint(-p.X, -p.Y);
    }

    // The sum of the outlines leaves empty what lies wholly inside the fixed shape or the
    // mirrored orbiting one: each shape moved to a point of the other fills that in.
    ClipperLib::Clipper clipper;
    for (const Path& a : grown) {
        if (!ClipperLib::Orientation(a))
            continue; // a hole the growing opened; the outer boundaries cover it
        for (const Path& b : mirrored) {
            Paths sum;
            ClipperLib::MinkowskiSum(b, a, sum, true);
            clipper.AddPaths(sum, ClipperLib::ptSubject, true);
            clipper.AddPath(translated(a, b.front()), ClipperLib::ptSubject, true);
            clipper.AddPath(translated(b, a.front()), ClipperLib::ptSubject, true);
        }
    }
    Paths region;
    clipper.Execute(ClipperLib::ctUnion, region, ClipperLib::pftNonZero, ClipperLib::pftNonZero);

    const GeoPoint2D back = orbitingShift - fixedShift;
    // Where the summed edges meet at rounded integer corners, the union can leave slivers
    // of holes that no shape fits in; a hole thinner than the clearance (or a few integer
    // steps) is one of them, or a place the orbiting shape cannot keep the clearance in.
    const double thinnest = std::max(clearance, kSliver / scale);
    std::vector<GeoPolygon2D> rings;
    for (const Path& path : region) {
        if (!ClipperLib::Orientation(path) && thickness(path) / scale < thinnest)
            continue;
        std::vector<GeoPoint2D> points;
        points.reserve(path.size());
        for (const IntPoint& p : path)
            points.emplace_back(static_cast<double>(p.X) / scale + back.x,
                                static_cast<double>(p.Y) / scale + back.y);
        rings.emplace_back(std::move(points));
    }
    return rings;
}

} // namespace VelSystem
