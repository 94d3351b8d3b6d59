#pragma once

#include "VelGeo/GeoPolygon2D.h"
#include "VelGeo/GeoRectangle.h"

#include <vector>

namespace VelSystem {

// One way a piece may lie: mirrored top to bottom (y to -y, which keeps a grain line along
// x) when asked, then turned counter-clockwise by `angle` degrees.
struct NestOrientation
{
    double angle = 0.0;
    bool mirrored = false;

    bool operator==(const NestOrientation& o) const { return angle == o.angle && mirrored == o.mirrored; }
    // `outline` mirrored and turned about the origin as this orientation says.
    GeoPolygon2D applied(GeoPolygon2D outline) const;
};

// A piece to lay: the outlines the knife cuts, where they are now, and the orientations
// it may take relative to them.
struct NestPiece
{
    std::vector<GeoPolygon2D> outlines;
    std::vector<NestOrientation> orientations{NestOrientation()};
};

// What the nesting engine is asked: lay `pieces` inside `area` without overlapping each
// other or the `obstacles` (shapes already laid, which do not move).
struct NestProblem
{
    enum Goal
    {
        // Lay every piece that fits the area's height, as short as possible along x from
        // the area's left; the area's right side is ignored.
        ShortestLength,
        // Lay as many and as large pieces as fit inside the whole area.
        FillArea
    };

    Goal goal = ShortestLength;
    GeoRectangle area;
    std::vector<NestPiece> pieces;
    std::vector<std::vector<GeoPolygon2D>> obstacles;
};

// Where a piece of the problem went.
struct NestPlacement
{
    bool placed = false;
    NestOrientation orientation;
    // Added to the outlines once they are mirrored and turned about the origin.
    GeoPoint2D shift;

    // `outlines` as this placement lays them.
    std::vector<GeoPolygon2D> apply(std::vector<GeoPolygon2D> outlines) const;
};

// A layout the engine found: one placement per piece of the problem, in its order.
struct NestResult
{
    std::vector<NestPlacement> placements;
    // Rightmost x of everything laid (pieces and obstacles) less the area's left.
    double length = 0.0;
    // Area of the laid pieces and obstacles over the area's height times `length`.
    double utilization = 0.0;
    // Area of the pieces this layout lays.
    double placedArea = 0.0;
    int placedCount = 0;
};

} // namespace VelSystem
