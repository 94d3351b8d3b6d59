#include "laystore/ops/PiecePointFeature.h"

#include "VelCore/t_1_Based.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricLayerObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"

#include <functional>

namespace VelSystem {

namespace {

using PointVisitor = std::function<void(CDbMarkerPointObject&)>;

// Calls `visit` on every copy of the point `end` names; returns how many there were. Groups
// whose points were visited announce the change.
int forEachCopy(const CDbMarkerDrawing& drawing, const CDbTwainLinkPiecesObject::End& end,
                const PointVisitor& visit)
{
    CDbFabricObject* fabric = drawing.fabric(end.fabricIndex);
    if (!fabric)
        return 0;
    int copies = 0;
    if (CDbPieceObject* piece = fabric->piece(end.pieceIndex)) {
        for (short s = 0; s < piece->getNumberOfSizes(); ++s) {
            CDbVectorsObjectTable outline = piece->getPieceSize(s)->outline();
            if (CDbMarkerPointObject* p = outline.endPoint(end.pointIndex, end.onContour)) {
                visit(*p);
                piece->getPieceSize(s)->setOutline(outline);
                ++copies;
            }
        }
    }
    for (short l = 0; l < fabric->layers()->size(); ++l) {
        for (CDbGrPolysObject* group : fabric->getPlaceGroupList(t_1_Based::fromZeroBased(l))) {
            bool touched = false;
            for (CDbPolygon& polygon : group->polygons()) {
                if (polygon.pieceIndex() != end.pieceIndex || polygon.contours().isEmpty())
                    continue;
                if (CDbMarkerPointObject* p =
                        polygon.contours().pieceContour().endPoint(end.pointIndex, end.onContour)) {
                    visit(*p);
                    touched = true;
                    ++copies;
                }
            }
            if (touched)
                group->emitChanged();
        }
    }
    if (copies > 0)
        drawing.getLinkDoc()->piecesChanged(end.fabricIndex);
    return copies;
}

// The first copy of the point, read only.
const CDbMarkerPointObject* firstCopy(const CDbMarkerDrawing& drawing,
                                      const CDbTwainLinkPiecesObject::End& end)
{
    const CDbFabricObject* fabric = drawing.fabric(end.fabricIndex);
    if (!fabric)
        return nullptr;
    if (const CDbPieceObject* piece = fabric->piece(end.pieceIndex)) {
        if (const CDbPieceSizeObject* size = piece->getPieceSize(0))
            return size->outline().endPoint(end.pointIndex, end.onContour);
    }
    for (short l = 0; l < fabric->layers()->size(); ++l) {
        for (const CDbGrPolysObject* group : fabric->getPlaceGroupList(t_1_Based::fromZeroBased(l))) {
            for (const CDbPolygon& polygon : group->polygons()) {
                if (polygon.pieceIndex() == end.pieceIndex && !polygon.contours().isEmpty())
                    return polygon.pieceOutline().endPoint(end.pointIndex, end.onContour);
            }
        }
    }
    return nullptr;
}

} // namespace

bool PiecePointFeature::has(const CDbMarkerDrawing& drawing, const End& end, PointFeature::Flag flag)
{
    const CDbMarkerPointObject* point = firstCopy(drawing, end);
    return point && point->hasFeature(flag);
}

bool PiecePointFeature::exists(const CDbMarkerDrawing& drawing, const End& end)
{
    return firstCopy(drawing, end) != nullptr;
}

bool PiecePointFeature::set(CDbMarkerDrawing& drawing, const End& end, PointFeature::Flag flag, bool on)
{
    return forEachCopy(drawing, end, [flag, on](CDbMarkerPointObject& p) { p.setFeature(flag, on); }) > 0;
}

void PiecePointFeature::followLinks(CDbMarkerDrawing& drawing, const CDbTwainLinkPiecesObjectTable& links,
                                    const End& end)
{
    set(drawing, end, PointFeature::LinkVector, links.linkAt(end) != 0);
}

} // namespace VelSystem
