#pragma once

// Lets Clipper work on the host's geometry types. Clipper computes on integers: centimetres
// become units of a fixed grid, fine beyond anything a cutter can tell apart.

#include "VelGeo/GeoPolygon2D.h"

#include <polyclipping/clipper.hpp>
#include <cmath>

namespace VelSystem {

// Clipper units per centimetre: a grid of a tenth of a micrometre keeps coordinates up to
// about 107 m within Clipper's fast integer range (it switches to slower exact arithmetic beyond).
constexpr double kClipperScale = 1e5;

inline ClipperLib::IntPoint toClipperPoint(const GeoPoint2D& p)
{
    return {std::llround(p.x * kClipperScale), std::llround(p.y * kClipperScale)};
}
// Throws std::invalid_argument for a coordinate that is not finite.
ClipperLib::Path toClipperPath(const GeoPolygon2D& outline);
GeoPolygon2D toGeoPolygon(const ClipperLib::Path& path);
inline GeoPoint2D toGeoPoint(const ClipperLib::IntPoint& p)
{
    return {static_cast<double>(p.X) / kClipperScale, static_cast<double>(p.Y) / kClipperScale};
}

} // namespace VelSystem
