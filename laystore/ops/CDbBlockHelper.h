#pragma once

#include "VelGeo/GeoPolygon2D.h"
#include "laystore/CDbVectorsObjectTable.h"

#include <boost/shared_ptr.hpp>
#include <vector>

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;
class DocumentMak;

// Blockings: the cutting block round a piece, which the cutter cuts first with a margin and
// from which it later cuts the piece exactly.
//
// How a blocked group is cut: a piece blocked alone carries its blocking as its polygon's last
// contour (origin Blocking) over the piece's own outline; blockings that met are one polygon
// of their group that stands for no piece (the group's blockingFusion()), round the pieces'
// own outlines. The knife first cuts each blocking outline (cutOutline() of the piece, or of
// the fusion polygon), then each piece's own outline (pieceOutline()) inside it.
//
// Blockings are the offset of the piece by its fabric's blockMargin() with mitred corners,
// simplified to control points (corners) and intermediate points (CDbMarkerPointObject::Curve)
// where the outline curves. Offsets and unions are Clipper's, through GeoRegion.
class CDbBlockHelper
{
public:
    // The blocking would leave the fabric's width or overlap a laid piece that is not blocked,
    // or the group is a cut-down pair, whose union the knife cuts: no block goes round it.
    static constexpr short kCannotPlace = 4314;
    // The group has no blocking that may be edited.
    static constexpr short kNoEditableBlocking = 3018;
    // The change would leave fewer than three control points.
    static constexpr short kTooFewPoints = 4320;
    // The changed blocking would cut into its pieces, cross itself or leave the fabric.
    static constexpr short kInvalidBlocking = 4321;

    // Blocks `group`, placed on `layer` (0-based) of `fabric` in `section`, as one undoable
    // command: a laid blocking that overlaps or touches other blockings fuses with them into
    // one group. `code` gets 0, kCannotPlace (nothing changes), or 1 for arguments that do not
    // name a placed group that may be blocked (nothing changes).
    static void blockingInFabric(const boost::shared_ptr<DocumentMak>& document, short section,
                                 CDbFabricObject* fabric, short layer, CDbGrPolysObject* group, short* code);

    // Takes the piece of the blocked `group` (placed on `layer` of `fabric`) nearest to `point`
    // out of its blocking, as one undoable command: the piece loses its blocking, and the
    // group's other pieces are blocked again round themselves, those whose blocks still meet
    // as one fusion, a piece left alone with a blocking of its own. `code` gets 0, 1 for
    // arguments that do not name a blocked group there, or kInvalidBlocking when what remains
    // cannot be blocked (nothing changes then).
    static void takeOutOfBlocking(const boost::shared_ptr<DocumentMak>& document, CDbFabricObject* fabric,
                                  short layer, CDbGrPolysObject* group, const GeoPoint2D& point, short* code);

    // The blocking round `outlines` with `margin` cm: one outline (holes filled), counter-
    // clockwise, with at least three control points.
    static CDbVectorsObjectTable blockingOutline(const std::vector<GeoPolygon2D>& outlines, double margin);

    // Makes the contour start at a control point (its last one) when it starts with an
    // intermediate point; otherwise, and for a contour without control points, leaves it.
    static void normalizeContour(CDbVectorsObjectTable& contour);

    // The edited blocking of a placed group: moves the control points `indices` (0-based, of
    // editableBlockingContour()) by as much of `delta` as keeps the blocking valid, the
    // intermediate points next to them along by their distance, and points on the fabric edge
    // along it. Writes the move made to `delta`; code kInvalidBlocking when no part of it is
    // possible (nothing changes), kNoEditableBlocking, or 0.
    static short dragControlPoints(CDbGrPolysObject* group, CDbFabricObject* fabric, short layer,
                                   const std::vector<int>& indices, GeoPoint2D& delta);
    // Removes the control points `indices` with the intermediate points between them and their
    // neighbouring control points. Nothing changes on a non-zero code: kTooFewPoints,
    // kInvalidBlocking, kNoEditableBlocking.
    static short removeControlPoints(CDbGrPolysObject* group, CDbFabricObject* fabric,
                                     const std::vector<int>& indices);
    // Inserts a control point after point `side` (0-based) at `point` projected on that side.
    static short insertControlPoint(CDbGrPolysObject* group, int side, const GeoPoint2D& point);

    // True when point `index` of the group's edited blocking lies on the fabric edge the
    // blocking keeps to (see CDbFabricObject::edgeMode).
    static bool isOnFabricEdge(const CDbGrPolysObject& group, const CDbFabricObject& fabric, short layer,
                               const GeoPoint2D& point);
};

} // namespace VelSystem
