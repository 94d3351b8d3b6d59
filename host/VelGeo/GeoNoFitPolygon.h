#pragma once

#include "VelGeo/GeoPolygon2D.h"

#include <vector>

namespace VelSystem {

// The no-fit polygon of two shapes, each a set of outlines: the region of translations at
// which `orbiting` comes closer than `clearance` to `fixed`, a translation being the
// offset of `orbiting` from where its coordinates put it, relative to `fixed` where its
// coordinates put it. Its rings follow the non-zero rule: outer boundaries run
// counter-clockwise, the holes (places where `orbiting` fits inside a hollow of `fixed`)
// clockwise. Computed with integer Minkowski sums, to a resolution of about 1e-9 of the
// shapes' size; a clearance well above that keeps shapes placed on the boundary apart.
class GeoNoFitPolygon
{
public:
    static std::vector<GeoPolygon2D> compute(const std::vector<GeoPolygon2D>& fixed,
                                             const std::vector<GeoPolygon2D>& orbiting, double clearance);
};

} // namespace VelSystem
