#pragma once

namespace VelSystem {

// A point or vector in document units (centimetres); angles are in degrees.
class GeoPoint2D
{
public:
    double x = 0.0;
    double y = 0.0;

    GeoPoint2D() = default;
    GeoPoint2D(double x, double y) : x(x), y(y) {}

    GeoPoint2D operator+(const GeoPoint2D& o) const { return {x + o.x, y + o.y}; }
    GeoPoint2D operator-(const GeoPoint2D& o) const { return {x - o.x, y - o.y}; }
    GeoPoint2D operator-() const { return {-x, -y}; }
    GeoPoint2D operator*(double f) const { return {x * f, y * f}; }
    GeoPoint2D operator/(double f) const { return {x / f, y / f}; }
    GeoPoint2D& operator+=(const GeoPoint2D& o);
    GeoPoint2D& operator-=(const GeoPoint2D& o);
    GeoPoint2D& operator*=(double f);
    bool operator==(const GeoPoint2D& o) const { return x == o.x && y == o.y; }
    bool operator!=(const GeoPoint2D& o) const { return !(*this == o); }

    // Length of the vector.
    double module() const;
    double distance(const GeoPoint2D& o) const;
    double dot(const GeoPoint2D& o) const { return x * o.x + y * o.y; }
    double cross(const GeoPoint2D& o) const { return x * o.y - y * o.x; }
    // Direction of the vector, counter-clockwise from the x axis, in [0, 360).
    double angle() const;
    // Direction from this point to `to`, in [0, 360).
    double angleTo(const GeoPoint2D& to) const;
    // Smallest angle between the vector and the x axis, in [0, 90]: how far a measured
    // segment opens from the marker's length direction.
    double opening() const;
    // Foot of the perpendicular from this point onto the line through a and b
    // (a itself when a and b coincide).
    GeoPoint2D projected(const GeoPoint2D& a, const GeoPoint2D& b) const;
    // True when `p` lies within `delta` of the segment from this point to `other`.
    bool betweenDelta(const GeoPoint2D* p, const GeoPoint2D* other, double delta) const;
    // This point turned by `degrees` counter-clockwise about `centre`.
    GeoPoint2D rotated(double degrees, const GeoPoint2D& centre = GeoPoint2D(0.0, 0.0)) const;
    // Reflects the point about the vertical line x = axis, or the horizontal line y = axis.
    void mirrorX(double axis) { x = 2.0 * axis - x; }
    void mirrorY(double axis) { y = 2.0 * axis - y; }
    // Both coordinates within `tolerance` of the other point's.
    bool equals(const GeoPoint2D& o, double tolerance) const;
    bool isFinite() const;
};

inline GeoPoint2D operator*(double f, const GeoPoint2D& p)
{
    return p * f;
}

} // namespace VelSystem
