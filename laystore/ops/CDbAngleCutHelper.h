#pragma once

#include "VelGeo/GeoPoint2D.h"

#include <memory>
#include <utility>

namespace VelSystem {

class CDbGrPolysObject;

// Angle cuts: a piece cut in two along a straight line, each part continued past the cut by
// the seam allowance along the piece's own outline (so a seam follows the piece's shape).
// Each part is a polygon of the same piece and size whose first contour is still the whole
// piece and whose last (origin AngleCutSeam) is the part with its seam: that is both the
// piece from now on and what the knife cuts. Points of the outline (notches and their
// features) stay on the part where they lie; points made by the cut are plain. The grain
// line stays with the part holding its middle; the other part gets it moved to its centre.
//
// How a cut piece is cut: like any piece, along its last contour; the seam edge is an
// ordinary edge of that outline.
class CDbAngleCutHelper
{
public:
    enum Code
    {
        Success = 0,
        // Not a single piece (a pair, a blocking, several polygons).
        NotCuttable = 3040,
        // The line does not cross the piece, or crosses it so that a side falls in pieces.
        MissesPiece = 3041,
        // A part would be thinner than its seam (or the seam is negative).
        PartTooThin = 3042
    };

    // The two parts of `group` cut along the line through `through` at `degrees` (counter-
    // clockwise from the x axis) with `seam` cm added to each side of the cut, as new groups
    // (the caller owns them): first the part on the left of the line's direction. Null with
    // the reason in `code` when the cut is refused; `group` is never changed.
    static std::pair<std::unique_ptr<CDbGrPolysObject>, std::unique_ptr<CDbGrPolysObject>>
    cutWithAngle(const CDbGrPolysObject& group, const GeoPoint2D& through, double degrees, double seam,
                 Code* code);
};

} // namespace VelSystem
