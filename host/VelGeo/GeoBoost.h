#pragma once

// Lets Boost.Geometry work directly on the host's geometry types.

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoPolygon2D.h"
#include "VelGeo/GeoRectangle.h"

// Boost 1.74's overlay rescaling trips GCC's -Wmaybe-uninitialized (a false positive in its
// robust_policy); silenced for Boost's own code only. Clang has no such warning.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <boost/geometry/geometries/register/point.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

BOOST_GEOMETRY_REGISTER_POINT_2D(VelSystem::GeoPoint2D, double, boost::geometry::cs::cartesian, x, y)

namespace VelSystem {
namespace bg = boost::geometry;

using BgPoint = GeoPoint2D;
using BgBox = bg::model::box<GeoPoint2D>;
// Counter-clockwise, closed rings, as the polygon helpers build them.
using BgPolygon = bg::model::polygon<GeoPoint2D, false, true>;
using BgMultiPolygon = bg::model::multi_polygon<BgPolygon>;

inline BgBox toBox(const GeoRectangle& r)
{
    return BgBox({r.xmin, r.ymin}, {r.xmax, r.ymax});
}
inline GeoRectangle toRectangle(const BgBox& b)
{
    return GeoRectangle(b.min_corner().x, b.min_corner().y, b.max_corner().x, b.max_corner().y);
}

// A closed, counter-clockwise Boost.Geometry polygon from an outline.
BgPolygon toBgPolygon(const GeoPolygon2D& outline);

} // namespace VelSystem
