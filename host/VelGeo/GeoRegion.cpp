#include "VelGeo/GeoRegion.h"

#include "VelGeo/GeoClipper.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace VelSystem {

namespace {

using ClipperLib::Path;
using ClipperLib::Paths;
using ClipperLib::PolyNode;
using ClipperLib::PolyTree;

// Clipper units: a vertex this close to the line through its neighbours is dropped. One
// diagonal grid step removes the slits and slivers that rounding to the grid leaves where
// outlines touch, and nothing a user could see.
constexpr double kRoundingLeftover = 1.415;

Paths pathsOf(const GeoRegion& region)
{
    Paths paths;
    for (const GeoRegion::Part& part : region.parts()) {
        paths.push_back(toClipperPath(part.outer));
        for (const GeoPolygon2D& hole : part.holes)
            paths.push_back(toClipperPath(hole));
    }
    return paths;
}

// The outline of a result node without rounding leftovers; empty when nothing is left of it.
GeoPolygon2D cleaned(const Path& contour)
{
    Path path;
    ClipperLib::CleanPolygon(contour, path, kRoundingLeftover);
    return path.size() < 3 ? GeoPolygon2D() : toGeoPolygon(path);
}

// Adds the outer outlines below `node` with their holes, and the islands inside those holes.
void addParts(const PolyNode& node, std::vector<GeoRegion::Part>& parts)
{
    for (const PolyNode* outer : node.Childs) {
        GeoRegion::Part part{cleaned(outer->Contour), {}};
        if (part.outer.isEmpty())
            continue;
        for (const PolyNode* hole : outer->Childs) {
            GeoPolygon2D cleanHole = cleaned(hole->Contour);
            if (!cleanHole.isEmpty())
                part.holes.push_back(std::move(cleanHole));
            addParts(*hole, parts);
        }
        parts.push_back(std::move(part));
    }
}

GeoRegion regionOf(const PolyTree& tree)
{
    std::vector<GeoRegion::Part> parts;
    addParts(tree, parts);
    return GeoRegion(std::move(parts));
}

// Every boolean of the geometry library: Clipper stays exact where outlines touch, where
// Boost.Geometry's overlay can answer whole outlines wrongly.
GeoRegion combine(ClipperLib::ClipType type, const Paths& subjects, const Paths& clips)
{
    // Not strictly simple: that option leaves outlines sharing a slanted edge apart.
    ClipperLib::Clipper clipper;
    clipper.AddPaths(subjects, ClipperLib::ptSubject, true);
    clipper.AddPaths(clips, ClipperLib::ptClip, true);
    PolyTree tree;
    clipper.Execute(type, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return regionOf(tree);
}

} // namespace

GeoRegion::GeoRegion(const GeoPolygon2D& outline)
{
    if (outline.size() < 3 || outline.area() == 0.0)
        return;
    mParts.push_back({outline, {}});
    mParts.front().outer.orientCounterClockwise();
}

GeoRegion GeoRegion::unite(const std::vector<GeoPolygon2D>& outlines)
{
    Paths paths;
    for (const GeoPolygon2D& outline : outlines) {
        paths.push_back(toClipperPath(outline));
        // Each outline counts as filled whichever way it runs.
        if (!ClipperLib::Orientation(paths.back()))
            ClipperLib::ReversePath(paths.back());
    }
    return combine(ClipperLib::ctUnion, paths, {});
}

GeoRegion GeoRegion::united(const GeoRegion& o) const
{
    return combine(ClipperLib::ctUnion, pathsOf(*this), pathsOf(o));
}

GeoRegion GeoRegion::intersected(const GeoRegion& o) const
{
    return combine(ClipperLib::ctIntersection, pathsOf(*this), pathsOf(o));
}

GeoRegion GeoRegion::subtracted(const GeoRegion& o) const
{
    return combine(ClipperLib::ctDifference, pathsOf(*this), pathsOf(o));
}

GeoRegion GeoRegion::offset(double distance, Join join, double limit) const
{
    if (!std::isfinite(distance) || !std::isfinite(limit))
        throw std::invalid_argument("GeoRegion::offset: a distance or limit that is not finite");
    // Clipper's offset beats Boost's buffer on the same outlines and measures round joins by
    // their distance from the arc, as a cutter's tolerance is given.
    ClipperLib::ClipperOffset offsetter;
    if (join == Join::Mitre)
        offsetter.MiterLimit = limit;
    else
        offsetter.ArcTolerance = limit * kClipperScale;
    offsetter.AddPaths(pathsOf(*this), join == Join::Mitre ? ClipperLib::jtMiter : ClipperLib::jtRound,
                       ClipperLib::etClosedPolygon);
    PolyTree tree;
    offsetter.Execute(tree, distance * kClipperScale);
    return regionOf(tree);
}

const GeoPolygon2D& GeoRegion::outline() const
{
    if (!isOneOutline())
        throw std::logic_error("GeoRegion::outline: the region is not a single outline (" +
                               std::to_string(mParts.size()) + " parts)");
    return mParts.front().outer;
}

double GeoRegion::area() const
{
    double total = 0.0;
    for (const Part& part : mParts) {
        total += part.outer.area();
        for (const GeoPolygon2D& hole : part.holes)
            total -= hole.area();
    }
    return total;
}

GeoRectangle GeoRegion::boundingRect() const
{
    GeoRectangle r;
    for (const Part& part : mParts)
        r.include(part.outer.boundingRect());
    return r;
}

} // namespace VelSystem
