#include "VelGeo/GeoRectangle.h"

#include <algorithm>
#include <limits>

namespace VelSystem {

GeoRectangle::GeoRectangle()
{
    invalidate();
}

GeoRectangle::GeoRectangle(double xmin, double ymin, double xmax, double ymax)
    : xmin(xmin), xmax(xmax), ymin(ymin), ymax(ymax)
{}

GeoRectangle::GeoRectangle(const GeoPoint2D& a, const GeoPoint2D& b)
    : xmin(std::min(a.x, b.x)), xmax(std::max(a.x, b.x)), ymin(std::min(a.y, b.y)), ymax(std::max(a.y, b.y))
{}

void GeoRectangle::invalidate()
{
    // Inverted infinite bounds: the first include() then sets both ends directly.
    xmin = ymin = std::numeric_limits<double>::infinity();
    xmax = ymax = -std::numeric_limits<double>::infinity();
}

void GeoRectangle::setRect(double xmin, double ymin, double xmax, double ymax)
{
    this->xmin = xmin;
    this->ymin = ymin;
    this->xmax = xmax;
    this->ymax = ymax;
}

double GeoRectangle::width() const
{
    return isValid() ? xmax - xmin : 0.0;
}

double GeoRectangle::height() const
{
    return isValid() ? ymax - ymin : 0.0;
}

GeoPoint2D GeoRectangle::center() const
{
    return isValid() ? GeoPoint2D((xmin + xmax) / 2.0, (ymin + ymax) / 2.0) : GeoPoint2D();
}

bool GeoRectangle::contains(const GeoPoint2D& p) const
{
    return p.x >= xmin && p.x <= xmax && p.y >= ymin && p.y <= ymax;
}

bool GeoRectangle::contains(const GeoRectangle& r) const
{
    return isValid() && r.isValid() && r.xmin >= xmin && r.xmax <= xmax && r.ymin >= ymin && r.ymax <= ymax;
}

bool GeoRectangle::intersect(const GeoRectangle& r) const
{
    return intersected(r).isValid();
}

GeoRectangle GeoRectangle::intersected(const GeoRectangle& r) const
{
    if (!isValid() || !r.isValid())
        return GeoRectangle();
    const GeoRectangle common(std::max(xmin, r.xmin), std::max(ymin, r.ymin), std::min(xmax, r.xmax),
                              std::min(ymax, r.ymax));
    return common.isValid() ? common : GeoRectangle();
}

void GeoRectangle::include(const GeoPoint2D& p)
{
    xmin = std::min(xmin, p.x);
    xmax = std::max(xmax, p.x);
    ymin = std::min(ymin, p.y);
    ymax = std::max(ymax, p.y);
}

void GeoRectangle::include(const GeoRectangle& r)
{
    if (!r.isValid())
        return;
    include(r.leftBottom());
    include(r.rightTop());
}

void GeoRectangle::expand(double dx, double dy)
{
    if (!isValid())
        return;
    xmin -= dx;
    xmax += dx;
    ymin -= dy;
    ymax += dy;
}

void GeoRectangle::translate(double dx, double dy)
{
    if (!isValid())
        return;
    xmin += dx;
    xmax += dx;
    ymin += dy;
    ymax += dy;
}

bool GeoRectangle::operator==(const GeoRectangle& r) const
{
    if (!isValid() || !r.isValid())
        return isValid() == r.isValid();
    return xmin == r.xmin && xmax == r.xmax && ymin == r.ymin && ymax == r.ymax;
}

} // namespace VelSystem
