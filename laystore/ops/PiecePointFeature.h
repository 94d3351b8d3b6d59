#pragma once

#include "VelConjoin/PointFeature.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

namespace VelSystem {

class CDbMarkerDrawing;
class CDbTwainLinkPiecesObjectTable;

// Match points and link ends belong to the piece, not to one copy of it: every size of the
// piece, every placed polygon of it and its picture in the link view carry the same state.
class PiecePointFeature
{
public:
    using End = CDbTwainLinkPiecesObject::End;

    // Whether the point `end` names carries `flag` (its first placed copy answers for a piece
    // the fabric does not list); false also when there is no such point.
    static bool has(const CDbMarkerDrawing& drawing, const End& end, PointFeature::Flag flag);
    // Whether `end` names a point of the piece or of a placed copy of it.
    static bool exists(const CDbMarkerDrawing& drawing, const End& end);
    // Sets or clears `flag` on every copy of the point `end` names; false (nothing changed) when
    // there is none.
    static bool set(CDbMarkerDrawing& drawing, const End& end, PointFeature::Flag flag, bool on);
    // Brings the link-end flag of `end` in line with `links`: set while a link ends there.
    static void followLinks(CDbMarkerDrawing& drawing, const CDbTwainLinkPiecesObjectTable& links,
                            const End& end);
};

} // namespace VelSystem
