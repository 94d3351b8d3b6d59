#include "VelGeo/GeoPolygon2D.h"

#include "VelGeo/GeoBoost.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace VelSystem {

namespace {

// Shared areas below this (cm²) are rounding slivers between outlines placed edge to edge,
// not an overlap a user could see: even a 1e-10 cm seam over a 100 m marker stays below it.
constexpr double kOverlapAreaTolerance = 1e-8;

using BgOpenRing = bg::model::ring<GeoPoint2D, false, false>;
using BgLinestring = bg::model::linestring<GeoPoint2D>;

// The outline as a closed polyline, for distances to the edges themselves.
BgLinestring outlineOf(const std::vector<GeoPoint2D>& points)
{
    BgLinestring line(points.begin(), points.end());
    line.push_back(points.front());
    return line;
}

void checkIndex(int i, int limit, const char* operation)
{
    if (i < 0 || i > limit)
        throw std::out_of_range(std::string("GeoPolygon2D::") + operation + ": vertex index " +
                                std::to_string(i) + " outside 0.." + std::to_string(limit));
}

using Segment = bg::model::referring_segment<const GeoPoint2D>;

// A shared part at least this large (cm²) is a visible overlap, far above the rounding
// slivers (below kOverlapAreaTolerance) between outlines laid edge to edge.
constexpr double kCertainOverlap = 1e-4;
// How far off an outline a computed crossing point of two outlines may land, relative to the
// size of the two: Boost's overlay snaps its points to a grid over their extent (about 2e-8
// of it); bogus parts lie centimetres off.
constexpr double kOnOutline = 1e-6;
// How far inside an outline (cm) a corner lies beyond doubt.
constexpr double kClearOfOutline = 1e-7;
constexpr double kPi = 3.14159265358979323846;

// Distance from `p` to the nearest edge of `outline`, leaving out the two edges at vertex
// `skip` (-1: none).
double distanceToEdges(const std::vector<GeoPoint2D>& outline, const GeoPoint2D& p, int skip)
{
    const int n = static_cast<int>(outline.size());
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        if (i != skip && j != skip)
            best = std::min(best, bg::comparable_distance(p, Segment(outline[static_cast<size_t>(i)],
                                                                     outline[static_cast<size_t>(j)])));
    }
    return std::sqrt(best);
}

// True when a vertex of `a` lies so deep inside `b` that the outlines surely overlap. Near a
// vertex, within a radius r that reaches neither `b`'s outline nor `a`'s other edges, `a` is
// the sector between the vertex's two edges, and that sector lies inside `b`.
bool sharesSector(const GeoPolygon2D& a, const GeoPolygon2D& b, const BgPolygon& bArea)
{
    const std::vector<GeoPoint2D>& points = a.points();
    const int n = a.size();
    const GeoRectangle bBox = b.boundingRect();
    const double orientation = a.signedArea() > 0.0 ? 1.0 : -1.0;
    for (int i = 0; i < n; ++i) {
        const GeoPoint2D& v = points[static_cast<size_t>(i)];
        if (!bBox.contains(v) || !bg::within(v, bArea))
            continue;
        const GeoPoint2D previous = points[static_cast<size_t>((i + n - 1) % n)] - v;
        const GeoPoint2D next = points[static_cast<size_t>((i + 1) % n)] - v;
        const double r = std::min({distanceToEdges(b.points(), v, -1), previous.module(), next.module(),
                                   distanceToEdges(points, v, i)});
        // The interior angle: from the next edge to the previous one, on the inside.
        double angle = std::atan2(orientation * next.cross(previous), next.dot(previous));
        if (angle < 0.0)
            angle += 2.0 * kPi;
        if (angle * r * r / 2.0 >= kCertainOverlap)
            return true;
    }
    return false;
}

// True when every corner of `part` lies inside `outline` or within `tolerance` of it.
bool liesIn(const BgPolygon& part, const BgPolygon& outline, double tolerance)
{
    return std::all_of(part.outer().begin(), part.outer().end(),
                       [&](const GeoPoint2D& p) { return bg::distance(p, outline) <= tolerance; });
}

// True when a corner of `a` lies inside `b`, clear of its outline.
bool cornerInside(const GeoPolygon2D& a, const GeoPolygon2D& b, const BgPolygon& bArea)
{
    return std::any_of(a.points().begin(), a.points().end(), [&](const GeoPoint2D& v) {
        return bg::within(v, bArea) && distanceToEdges(b.points(), v, -1) > kClearOfOutline;
    });
}

// True when the outlines share more than a rounding sliver. Boost's overlay can answer a
// whole outline as the shared part of two outlines that only touch, with a corner on the
// other's edge (as a slide leaves them): a part counts only when it lies in both outlines.
// Where outlines touch along nearly parallel edges its rounding can also make up slivers:
// these count only when edges really cross or a corner lies inside the other outline.
bool sharesArea(const GeoPolygon2D& a, const GeoPolygon2D& b, const BgPolygon& aArea, const BgPolygon& bArea)
{
    GeoRectangle extent = a.boundingRect();
    extent.include(b.boundingRect());
    BgMultiPolygon common;
    bg::intersection(aArea, bArea, common);
    const double tolerance = kOnOutline * (extent.width() + extent.height());
    double shared = 0.0;
    for (const BgPolygon& part : common) {
        if (liesIn(part, aArea, tolerance) && liesIn(part, bArea, tolerance))
            shared += bg::area(part);
    }
    if (shared <= kOverlapAreaTolerance)
        return false;
    return shared >= kCertainOverlap || a.crosses(b) || cornerInside(a, b, bArea) ||
           cornerInside(b, a, aArea);
}

} // namespace

BgPolygon toBgPolygon(const GeoPolygon2D& outline)
{
    BgPolygon polygon;
    auto& ring = polygon.outer();
    ring.assign(outline.points().begin(), outline.points().end());
    if (!ring.empty() && ring.front() != ring.back())
        ring.push_back(ring.front());
    // Reverses a clockwise ring so that every algorithm sees the declared orientation.
    bg::correct(polygon);
    return polygon;
}

void GeoPolygon2D::insert(int i, const GeoPoint2D& p)
{
    checkIndex(i, size(), "insert");
    mPoints.insert(mPoints.begin() + i, p);
}

void GeoPolygon2D::remove(int i)
{
    checkIndex(i, size() - 1, "remove");
    mPoints.erase(mPoints.begin() + i);
}

GeoRectangle GeoPolygon2D::boundingRect() const
{
    GeoRectangle r;
    for (const GeoPoint2D& p : mPoints)
        r.include(p);
    return r;
}

double GeoPolygon2D::signedArea() const
{
    return bg::area(BgOpenRing(mPoints.begin(), mPoints.end()));
}

double GeoPolygon2D::area() const
{
    return std::fabs(signedArea());
}

double GeoPolygon2D::perimeter() const
{
    return bg::perimeter(BgOpenRing(mPoints.begin(), mPoints.end()));
}

GeoPoint2D GeoPolygon2D::centroid() const
{
    if (mPoints.empty())
        return GeoPoint2D();
    GeoPoint2D c;
    if (signedArea() != 0.0)
        bg::centroid(toBgPolygon(*this), c);
    else if (perimeter() != 0.0)
        bg::centroid(outlineOf(mPoints), c); // a flat outline: the middle of its edges
    else
        c = mPoints.front();
    return c;
}

bool GeoPolygon2D::containsPoint(const GeoPoint2D& p) const
{
    if (size() < 3)
        return !isEmpty() && distanceToOutline(p) == 0.0;
    return bg::covered_by(p, toBgPolygon(*this));
}

double GeoPolygon2D::distanceToOutline(const GeoPoint2D& p) const
{
    if (mPoints.empty())
        return std::numeric_limits<double>::infinity();
    return bg::distance(p, outlineOf(mPoints));
}

// Boost 1.74 has no closest-point query, so each edge's nearest point is found by hand.
GeoPoint2D GeoPolygon2D::nearestOutlinePoint(const GeoPoint2D& p) const
{
    GeoPoint2D nearest = p;
    double best = std::numeric_limits<double>::infinity();
    const int n = size();
    for (int i = 0; i < n; ++i) {
        const GeoPoint2D& a = mPoints[static_cast<size_t>(i)];
        const GeoPoint2D edge = mPoints[static_cast<size_t>((i + 1) % n)] - a;
        const double lengthSquared = edge.dot(edge);
        const double along =
            lengthSquared > 0.0 ? std::clamp((p - a).dot(edge) / lengthSquared, 0.0, 1.0) : 0.0;
        const GeoPoint2D candidate = a + edge * along;
        const GeoPoint2D offset = p - candidate;
        if (offset.dot(offset) < best) {
            best = offset.dot(offset);
            nearest = candidate;
        }
    }
    return nearest;
}

bool GeoPolygon2D::overlaps(const GeoPolygon2D& o) const
{
    if (size() < 3 || o.size() < 3 || !boundingRect().intersect(o.boundingRect()))
        return false;
    const BgPolygon area = toBgPolygon(*this);
    const BgPolygon otherArea = toBgPolygon(o);
    // A cheaper proof settles most overlapping pairs.
    return sharesSector(*this, o, otherArea) || sharesSector(o, *this, area) ||
           sharesArea(*this, o, area, otherArea);
}

bool GeoPolygon2D::crosses(const GeoPolygon2D& o) const
{
    // Sides are told apart beyond rounding: the cross products compared are scaled by both
    // edges' lengths.
    constexpr double kSide = 1e-12;
    const int n = size();
    const int m = o.size();
    for (int i = 0; i < n; ++i) {
        const GeoPoint2D& p = (*this)[i];
        const GeoPoint2D e = (*this)[(i + 1) % n] - p;
        for (int j = 0; j < m; ++j) {
            const GeoPoint2D& q = o[j];
            const GeoPoint2D f = o[(j + 1) % m] - q;
            const double scale = kSide * e.module() * f.module();
            const double q0 = e.cross(q - p);
            const double q1 = e.cross(q + f - p);
            const double p0 = f.cross(p - q);
            const double p1 = f.cross(p + e - q);
            if (((q0 > scale && q1 < -scale) || (q0 < -scale && q1 > scale)) &&
                ((p0 > scale && p1 < -scale) || (p0 < -scale && p1 > scale)))
                return true;
        }
    }
    return false;
}

bool GeoPolygon2D::isFinite() const
{
    for (const GeoPoint2D& p : mPoints) {
        if (!p.isFinite())
            return false;
    }
    return true;
}

void GeoPolygon2D::translate(const GeoPoint2D& d)
{
    for (GeoPoint2D& p : mPoints)
        p += d;
}

void GeoPolygon2D::rotate(double degrees, const GeoPoint2D& centre)
{
    for (GeoPoint2D& p : mPoints)
        p = p.rotated(degrees, centre);
}

void GeoPolygon2D::mirrorX(double axis)
{
    for (GeoPoint2D& p : mPoints)
        p.mirrorX(axis);
}

void GeoPolygon2D::mirrorY(double axis)
{
    for (GeoPoint2D& p : mPoints)
        p.mirrorY(axis);
}

} // namespace VelSystem
