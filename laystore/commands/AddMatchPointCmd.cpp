#include "laystore/commands/AddMatchPointCmd.h"

#include "VelCore/CmdsManager.h"
#include "VelCore/t_1_Based.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerPointObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/PiecePointFeature.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {

const CmdRegistration<AddMatchPointCmd> registration(QStringLiteral("AddMatchPoint"));

// The piece point under `click` among the pieces placed on the current layer.
bool placedPointAt(const CDbMarkerDrawing& drawing, const GeoPoint2D& click,
                   CDbTwainLinkPiecesObject::End& end)
{
    const CDbFabricObject* fabric = drawing.getCurrentFabric();
    if (!fabric)
        return false;
    const double tolerance = drawing.pixelToCmInX(CDbMarkerDrawing::kPointTolerancePixels);
    for (const CDbGrPolysObject* group :
         fabric->getPlaceGroupList(t_1_Based::fromZeroBased(drawing.currentLayer()))) {
        for (const CDbPolygon& polygon : group->polygons()) {
            short index = 0;
            if (polygon.isBlocking() || polygon.contours().isEmpty() ||
                !polygon.pieceOutline().isClickInVector(true, click, tolerance,
                                                        CDbVectorsObjectTable::eForAnyPoint, &index))
                continue;
            end = {polygon.pieceIndex(), index, true, drawing.currentFabricIndex()};
            return true;
        }
    }
    return false;
}

// The piece point under `click` in the link view of the current fabric.
bool linkViewPointAt(const CDbMarkerDrawing& drawing, const GeoPoint2D& click,
                     CDbTwainLinkPiecesObject::End& end)
{
    short code = 0, pieceIndex = 0, pointIndex = 0;
    bool onContour = true;
    CDbPolygon* polygon = nullptr;
    drawing.clickTheLinkViewPoint(drawing.getLinkDoc()->getCurrentPolyListDocumentLink(), click, &code,
                                  &polygon, &pieceIndex, &onContour, &pointIndex);
    if (code != 0 || !polygon)
        return false;
    end = {pieceIndex, pointIndex, onContour, drawing.currentFabricIndex()};
    return true;
}

} // namespace

AddMatchPointCmd::AddMatchPointCmd()
{
    setText(QCoreApplication::translate("VelSystem::AddMatchPointCmd", "Match Point"));
}

short AddMatchPointCmd::setDocument(const boost::shared_ptr<Document>& document,
                                    const QList<QVariant>& parameters)
{
    const auto marker = boost::dynamic_pointer_cast<DocumentMak>(document);
    if (!marker || parameters.size() != 2 || parameters[1].userType() != QMetaType::Bool)
        return BadParameters;
    const auto* click = static_cast<const CDbMarkerPointObject*>(parameters[0].value<void*>());
    if (!click)
        return BadParameters;
    const CDbMarkerDrawing& drawing = *marker->drawing();
    CDbTwainLinkPiecesObject::End end;
    const bool hit = drawing.isLinkedDocument() ? linkViewPointAt(drawing, *click, end)
                                                : placedPointAt(drawing, *click, end);
    if (!hit)
        return NoPointHere;
    const bool add = parameters[1].toBool();
    if (PiecePointFeature::has(drawing, end, PointFeature::MatchPoint) == add)
        return AlreadySo;
    mDocument = marker;
    mPoint = end;
    mAdd = add;
    return 0;
}

void AddMatchPointCmd::apply(bool on) const
{
    const boost::shared_ptr<DocumentMak> document = mDocument.lock();
    if (!document)
        return;
    PiecePointFeature::set(*document->drawing(), mPoint, PointFeature::MatchPoint, on);
    document->emitModified();
}

void AddMatchPointCmd::redo()
{
    apply(mAdd);
}

void AddMatchPointCmd::undo()
{
    apply(!mAdd);
}

} // namespace VelSystem
