#include "laystore/view/LinkScene.h"

#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/DocumentMak.h"
#include "laystore/view/SceneDrawing.h"

#include <QBrush>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QPen>

namespace VelSystem {

namespace {

const QColor kPieceFill(230, 236, 245);
const QColor kMatchPointColour(200, 30, 30);
const QColor kLinkColour(20, 90, 200);
const QColor kPendingColour(20, 160, 60);
// Marks keep their size in pixels at every zoom.
constexpr double kMatchPointRadius = 4.0;
constexpr double kPendingRadius = 6.0;

} // namespace

LinkScene::LinkScene(const boost::shared_ptr<DocumentMak>& document, QObject* parent)
    : DocumentScene(document, parent)
{
    connect(document.get(), &Document::modified, this, &LinkScene::rebuild);
    rebuild();
}

LinkScene::~LinkScene() = default;

void LinkScene::addMark(double x, double y, const QColor& colour, double radius)
{
    auto* mark = addEllipse(-radius, -radius, 2 * radius, 2 * radius, cosmeticPen(colour, 1.5));
    mark->setFlag(QGraphicsItem::ItemIgnoresTransformations);
    mark->setPos(x, y);
    mark->setZValue(2);
}

void LinkScene::rebuild()
{
    clear();
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(this->document());
    if (!document)
        return;
    const CDbDocumentLinkObject& linkDoc = *document->drawing()->getLinkDoc();
    const QList<CDbPolygon>& polygons = linkDoc.getCurrentPolyListDocumentLink();
    for (const CDbPolygon& polygon : polygons) {
        if (polygon.contours().isEmpty())
            continue;
        QPolygonF outline;
        for (const CDbMarkerPointObject& p : polygon.pieceOutline().points()) {
            outline << QPointF(p.x, p.y);
            if (p.hasFeature(PointFeature::MatchPoint))
                addMark(p.x, p.y, kMatchPointColour, kMatchPointRadius);
        }
        addPolygon(outline, cosmeticPen(Qt::black, 1.0), QBrush(kPieceFill));
    }
    const CDbTwainLinkPiecesObjectTable& links = *linkDoc.getCurrentPiecesLinkListDocumentLink();
    for (int n = 1; n <= links.size(); ++n) {
        GeoPoint2D first, second;
        if (links.getTwainLinkPiecesVectors(polygons, n, &first, &second) != 0)
            continue;
        addLine(first.x, first.y, second.x, second.y, cosmeticPen(kLinkColour, 2.0))->setZValue(1);
    }
    const CDbTwainLinkPiecesObject::End& pending = linkDoc.pendingEnd();
    for (const CDbPolygon& polygon : polygons) {
        if (!linkDoc.hasPendingEnd() || polygon.pieceIndex() != pending.pieceIndex ||
            polygon.contours().isEmpty())
            continue;
        if (const CDbMarkerPointObject* at =
                polygon.pieceOutline().endPoint(pending.pointIndex, pending.onContour))
            addMark(at->x, at->y, kPendingColour, kPendingRadius);
    }
}

} // namespace VelSystem
