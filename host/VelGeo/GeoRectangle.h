#pragma once

#include "VelGeo/GeoPoint2D.h"

namespace VelSystem {

// An axis-aligned rectangle in document units. A default-constructed rectangle is
// invalid (empty): including a point or a rectangle into it makes it valid.
class GeoRectangle
{
public:
    double xmin, xmax, ymin, ymax;

    GeoRectangle(); // invalid
    GeoRectangle(double xmin, double ymin, double xmax, double ymax);
    GeoRectangle(const GeoPoint2D& a, const GeoPoint2D& b); // normalised

    bool isValid() const { return xmin <= xmax && ymin <= ymax; }
    void invalidate();
    void setRect(double xmin, double ymin, double xmax, double ymax);

    double width() const;      // 0 when invalid
    double height() const;     // 0 when invalid
    GeoPoint2D center() const; // the origin when invalid
    GeoPoint2D leftBottom() const { return {xmin, ymin}; }
    GeoPoint2D rightTop() const { return {xmax, ymax}; }

    bool contains(const GeoPoint2D& p) const; // borders included
    bool contains(const GeoRectangle& r) const;
    bool intersect(const GeoRectangle& r) const; // true when they share a point
    GeoRectangle intersected(const GeoRectangle& r) const;
    void include(const GeoPoint2D& p);
    void include(const GeoRectangle& r);
    // Grows by dx on the left and right and by dy at the bottom and top. expand and translate
    // leave an invalid rectangle invalid.
    void expand(double dx, double dy);
    void translate(double dx, double dy);
    void translate(const GeoPoint2D& d) { translate(d.x, d.y); }
    bool operator==(const GeoRectangle& r) const; // all invalid rectangles are equal
    bool operator!=(const GeoRectangle& r) const { return !(*this == r); }
};

} // namespace VelSystem
