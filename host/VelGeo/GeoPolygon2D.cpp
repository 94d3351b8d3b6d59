#include "VelGeo/GeoPolygon2D.h"

#include "VelGeo/GeoBoost.h"

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

bool GeoPolygon2D::overlaps(const GeoPolygon2D& o) const
{
    if (size() < 3 || o.size() < 3 || !boundingRect().intersect(o.boundingRect()))
        return false;
    BgMultiPolygon common;
    bg::intersection(toBgPolygon(*this), toBgPolygon(o), common);
    return bg::area(common) > kOverlapAreaTolerance;
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
