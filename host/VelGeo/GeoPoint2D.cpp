#include "VelGeo/GeoPoint2D.h"

#include "VelGeo/GeoBoost.h"

#include <cmath>

namespace VelSystem {

namespace {

constexpr double kPi = 3.14159265358979323846;

double toDegrees(double radians)
{
    return radians * 180.0 / kPi;
}

struct SinCos
{
    double s, c;
};

// Sine and cosine of an angle in degrees, exact for quarter turns so that pieces turned by
// 90 or 180 degrees land on exact coordinates.
SinCos sinCosDegrees(double degrees)
{
    const double reduced = std::fmod(degrees, 360.0);
    const double turn = reduced < 0.0 ? reduced + 360.0 : reduced;
    if (turn == 0.0)
        return {0.0, 1.0};
    if (turn == 90.0)
        return {1.0, 0.0};
    if (turn == 180.0)
        return {0.0, -1.0};
    if (turn == 270.0)
        return {-1.0, 0.0};
    const double radians = turn * kPi / 180.0;
    return {std::sin(radians), std::cos(radians)};
}

} // namespace

GeoPoint2D& GeoPoint2D::operator+=(const GeoPoint2D& o)
{
    x += o.x;
    y += o.y;
    return *this;
}

GeoPoint2D& GeoPoint2D::operator-=(const GeoPoint2D& o)
{
    x -= o.x;
    y -= o.y;
    return *this;
}

GeoPoint2D& GeoPoint2D::operator*=(double f)
{
    x *= f;
    y *= f;
    return *this;
}

double GeoPoint2D::module() const
{
    return std::hypot(x, y);
}

double GeoPoint2D::distance(const GeoPoint2D& o) const
{
    return bg::distance(*this, o);
}

double GeoPoint2D::angle() const
{
    const double a = toDegrees(std::atan2(y, x));
    // atan2 answers in (-180, 180]; a tiny negative angle must not round up to 360.
    if (a >= 0.0)
        return a;
    const double wrapped = a + 360.0;
    return wrapped < 360.0 ? wrapped : 0.0;
}

double GeoPoint2D::angleTo(const GeoPoint2D& to) const
{
    return (to - *this).angle();
}

double GeoPoint2D::opening() const
{
    return toDegrees(std::atan2(std::fabs(y), std::fabs(x)));
}

GeoPoint2D GeoPoint2D::projected(const GeoPoint2D& a, const GeoPoint2D& b) const
{
    const GeoPoint2D direction = b - a;
    const double lengthSquared = direction.dot(direction);
    if (lengthSquared == 0.0)
        return a;
    return a + direction * ((*this - a).dot(direction) / lengthSquared);
}

bool GeoPoint2D::betweenDelta(const GeoPoint2D* p, const GeoPoint2D* other, double delta) const
{
    if (!p || !other)
        return false;
    return bg::distance(*p, bg::model::referring_segment<const GeoPoint2D>(*this, *other)) <= delta;
}

GeoPoint2D GeoPoint2D::rotated(double degrees, const GeoPoint2D& centre) const
{
    const SinCos t = sinCosDegrees(degrees);
    const GeoPoint2D d = *this - centre;
    return {centre.x + d.x * t.c - d.y * t.s, centre.y + d.x * t.s + d.y * t.c};
}

bool GeoPoint2D::equals(const GeoPoint2D& o, double tolerance) const
{
    return std::fabs(x - o.x) <= tolerance && std::fabs(y - o.y) <= tolerance;
}

bool GeoPoint2D::isFinite() const
{
    return std::isfinite(x) && std::isfinite(y);
}

} // namespace VelSystem
