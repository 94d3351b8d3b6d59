#pragma once

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoRectangle.h"

#include <cstddef>
#include <vector>

namespace VelSystem {

// A closed outline as a list of vertices; the closing edge from the last vertex back to
// the first is implied (the first point is not repeated).
class GeoPolygon2D
{
public:
    struct Derived;
    struct Split;
    struct Simplified;

    GeoPolygon2D() = default;
    explicit GeoPolygon2D(std::vector<GeoPoint2D> points) : mPoints(std::move(points)) {}

    int size() const { return static_cast<int>(mPoints.size()); }
    bool isEmpty() const { return mPoints.empty(); }
    GeoPoint2D& operator[](int i) { return mPoints[static_cast<std::size_t>(i)]; }
    const GeoPoint2D& operator[](int i) const { return mPoints[static_cast<std::size_t>(i)]; }
    void append(const GeoPoint2D& p) { mPoints.push_back(p); }
    // Both throw std::out_of_range for an index outside the outline, changing nothing.
    void insert(int i, const GeoPoint2D& p);
    void remove(int i);
    void clear() { mPoints.clear(); }
    const std::vector<GeoPoint2D>& points() const { return mPoints; }
    std::vector<GeoPoint2D>& points() { return mPoints; }
    bool operator==(const GeoPolygon2D& o) const { return mPoints == o.mPoints; }

    GeoRectangle boundingRect() const;
    // Positive for a counter-clockwise outline.
    double signedArea() const;
    double area() const;
    double perimeter() const;
    // Centre of mass of the area; of the edges for a flat outline; the origin when empty.
    GeoPoint2D centroid() const;
    bool containsPoint(const GeoPoint2D& p) const; // inside or on the outline
    // Distance from p to the nearest edge of the outline (infinite when empty).
    double distanceToOutline(const GeoPoint2D& p) const;
    // The point of the outline's edges nearest to p (p itself when the outline is empty).
    GeoPoint2D nearestOutlinePoint(const GeoPoint2D& p) const;
    // True when the interiors share area (touching edges or corners do not count, nor
    // rounding slivers thinner than any visible overlap).
    bool overlaps(const GeoPolygon2D& o) const;
    // True when an edge of this outline crosses an edge of `o` from one side to the other,
    // each at a point inside the other: there the outlines surely share area, however little.
    // Edges that only touch or run along each other do not cross.
    bool crosses(const GeoPolygon2D& o) const;
    bool isFinite() const;
    // True when the outline encloses an area and no edge crosses or touches another, apart from
    // neighbours meeting at their shared vertex.
    bool isSimple() const;
    // True when `o` lies inside this outline; touching its edges from inside counts.
    bool encloses(const GeoPolygon2D& o) const;
    // Reverses a clockwise outline (vertex i becomes size() - 1 - i); true when it did.
    bool orientCounterClockwise();

    // The parts of this outline on either side of the straight line through `a` and `b`: `left`
    // of the direction from a to b, `right` of it. Every vertex keeps its place and is traced
    // back; the points where the line cuts an edge are new. A vertex on the line belongs to the
    // parts on both sides. Throws std::invalid_argument when a and b coincide.
    Split splitAlong(const GeoPoint2D& a, const GeoPoint2D& b) const;
    // The same along the line through `through` at `degrees` counter-clockwise from the x axis.
    Split splitAlong(const GeoPoint2D& through, double degrees) const;
    // Fewer vertices of this outline, none farther than `tolerance` from the outline they
    // replace, without a crossing; an outline that is not simple comes back whole. Each kept
    // vertex is told to lie on a curved stretch (the outline turns by less than `cornerDegrees`
    // there and at a neighbour that turns too) or at a corner.
    Simplified simplified(double tolerance, double cornerDegrees = 30.0) const;

    void translate(const GeoPoint2D& d);
    void rotate(double degrees, const GeoPoint2D& centre);
    // Mirrors about the vertical line x = axis (horizontal flip) or the horizontal line y = axis.
    void mirrorX(double axis);
    void mirrorY(double axis);

private:
    std::vector<GeoPoint2D> mPoints;
};

// An outline made from another one, each vertex traced back to the vertex of the other outline
// at the same place, or -1 for a vertex made anew.
struct GeoPolygon2D::Derived
{
    GeoPolygon2D outline;
    std::vector<int> sources;
};

// The parts of a split outline on each side of the line, counter-clockwise, in the order of
// their first vertices in the outline that was split.
struct GeoPolygon2D::Split
{
    std::vector<Derived> left, right;
};

struct GeoPolygon2D::Simplified : GeoPolygon2D::Derived
{
    std::vector<bool> onCurve; // per vertex: on a curved stretch rather than at a corner
};

} // namespace VelSystem
