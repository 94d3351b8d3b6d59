#include "laystore/ops/NestProblem.h"

namespace VelSystem {

GeoPolygon2D NestOrientation::applied(GeoPolygon2D outline) const
{
    if (mirrored)
        outline.mirrorY(0.0);
    if (angle != 0.0)
        outline.rotate(angle, GeoPoint2D());
    return outline;
}

std::vector<GeoPolygon2D> NestPlacement::apply(std::vector<GeoPolygon2D> outlines) const
{
    for (GeoPolygon2D& outline : outlines) {
        outline = orientation.applied(std::move(outline));
        outline.translate(shift);
    }
    return outlines;
}

} // namespace VelSystem
