#pragma once

#include "VelGeo/GeoPolygon2D.h"
#include "VelGeo/GeoRectangle.h"

#include <vector>

namespace VelSystem {

// An area of the plane in separate parts, each an outer outline with the holes inside it: what
// offsets and booleans of outlines answer. Outer outlines run counter-clockwise, holes clockwise;
// vertices where a result runs straight on are dropped.
class GeoRegion
{
public:
    struct Part
    {
        GeoPolygon2D outer;
        std::vector<GeoPolygon2D> holes;
    };
    // How an offset turns round a convex corner.
    enum class Join
    {
        Mitre, // a sharp corner, cut square where it would reach farther than its limit
        Round, // an arc of chords
    };

    GeoRegion() = default;
    // Parts as given: outer outlines counter-clockwise, holes clockwise and inside them.
    explicit GeoRegion(std::vector<Part> parts) : mParts(std::move(parts)) {}
    // The area inside one outline, whichever way it runs; empty when it encloses no area.
    explicit GeoRegion(const GeoPolygon2D& outline);
    // The area covered by any of the outlines: outlines that overlap or touch along an edge
    // become one part, areas they enclose between them become holes.
    static GeoRegion unite(const std::vector<GeoPolygon2D>& outlines);

    GeoRegion united(const GeoRegion& o) const;
    GeoRegion intersected(const GeoRegion& o) const;
    GeoRegion subtracted(const GeoRegion& o) const;
    // The region grown by `distance` cm, or shrunk for a negative distance (parts may split or
    // vanish). A mitre reaches at most `limit` times the distance from its corner (2 at
    // least); a round join keeps its chords within `limit` cm of the true arc.
    GeoRegion offset(double distance, Join join, double limit) const;

    const std::vector<Part>& parts() const { return mParts; }
    bool isEmpty() const { return mParts.empty(); }
    // True when the region is a single outline without holes.
    bool isOneOutline() const { return mParts.size() == 1 && mParts.front().holes.empty(); }
    // That single outline; throws std::logic_error when the region is not one outline.
    const GeoPolygon2D& outline() const;
    double area() const; // holes left out
    GeoRectangle boundingRect() const;

private:
    std::vector<Part> mParts;
};

} // namespace VelSystem
