#pragma once

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoRectangle.h"
#include "laystore/CDbCutDownObject.h"

#include <memory>
#include <utility>

namespace VelSystem {

class CDbGrPolysObject;
class CDbPolygon;

// Cut-down pairs. The second piece is laid over the first, aligned by the pair's position
// (CDbCutDownObject) on the two pieces' bounding rectangles, and both become one group: its
// polygon 0 is the first piece, polygon 1 the second, each naming the other as its partner.
// The union of the two outlines is added to the first polygon as its last contour (origin
// CutDownUnion).
//
// How a pair is cut: the knife follows the union once (the first polygon's cut outline); the
// second polygon's own outline is not a cut line of its own, the second piece is cut down
// from the union. Notches, start points and links stay on each piece's own outline.
class CDbCutDownHelper
{
public:
    enum Code
    {
        Success = 0,
        // Not two single, unpaired, unblocked pieces of one layer.
        NotPairable = 3020,
        // The two outlines would not meet, so there is no one outline to cut.
        PiecesApart = 3021,
        // The union would leave the fabric area (or the standby area for waiting pieces):
        // the pair is left as it was.
        LeavesFabric = 3026
    };

    // The shift that lays a piece whose bounding rectangle is `second` over `first`.
    static GeoPoint2D alignmentShift(const GeoRectangle& first, const GeoRectangle& second,
                                     const CDbCutDownObject& position);
    // Why `first` and `second` cannot be paired on a layer `layerWidth` wide (Success when they
    // can): the same group twice, a group that is not one piece, a paired or blocked piece,
    // another layer, outlines that would not meet or a union leaving the area it lies in.
    static Code checkPair(const CDbGrPolysObject& first, const CDbGrPolysObject& second,
                          const CDbCutDownObject& position, double layerWidth);
    // The pair as a new group (the caller owns it), or null with the reason in `code`. The
    // two groups are left as they are.
    static std::unique_ptr<CDbGrPolysObject> makePair(const CDbGrPolysObject& first,
                                                      const CDbGrPolysObject& second,
                                                      const CDbCutDownObject& position, double layerWidth,
                                                      Code* code);
    // The two pieces of a pair as they were before they were paired, each a new group: the
    // first in its place, the second moved back to where it lay (turned and mirrored with the
    // pair since). Null for a group that is not a pair.
    static std::pair<std::unique_ptr<CDbGrPolysObject>, std::unique_ptr<CDbGrPolysObject>>
    takeApart(const CDbGrPolysObject& pair);
    // Lays the pair's second piece again at `position` and makes the union anew, in place.
    // LeavesFabric (or PiecesApart) leaves the pair exactly as it was.
    static Code cutDownPolys(CDbGrPolysObject& pair, const CDbCutDownObject& position, double layerWidth);
    // Index of the first polygon of the pair in a group (-1 when the group is no pair).
    static int firstOfPair(const CDbGrPolysObject& group);

private:
    // Lays `second` over `first` and unites them; false when the outlines do not meet.
    static Code join(CDbPolygon& first, CDbPolygon& second, const CDbCutDownObject& position,
                     double layerWidth, short section);
};

} // namespace VelSystem
