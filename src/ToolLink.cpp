#include "ToolLink.h"

#include "ToolRegistration.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbPolygon.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/DocumentMak.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QUndoStack>

namespace VelSystem {

namespace {
const ToolRegistration<ToolLink> registration("link", QStringLiteral(":/images/tool_link.png"));

// A link end counts as taking part in matching, not only a match point.
constexpr bool kMatchPointsOnly = false;

QList<QVariant> removal(short linkIndex)
{
    return {int(linkIndex), 0, false, false};
}
} // namespace

ToolLink::ToolLink(const QString& icon) : ToolAltRemoval(icon) {}

ToolLink::~ToolLink() = default;

QString ToolLink::name() const
{
    return QCoreApplication::translate("ToolLink", "Link");
}

bool ToolLink::isMatchLinkPoint(const CDbPolygon& polygon, short pointIndex, bool lastContour)
{
    if (polygon.contours().isEmpty())
        return false;
    const CDbVectorsObjectTable& points = lastContour ? polygon.cutOutline() : polygon.pieceOutline();
    const CDbMarkerPointObject* point = points.endPoint(pointIndex, lastContour);
    return point && point->stateMatchLinkVectorON(kMatchPointsOnly);
}

short ToolLink::findLinkAtPoint(const CDbMarkerDrawing& drawing, const CDbTwainLinkPiecesObjectTable& links,
                                const QList<CDbPolygon>& polygons, const GeoPoint2D& point)
{
    const double tolerance = drawing.pixelToCmInX(CDbMarkerDrawing::kPointTolerancePixels);
    for (int n = 1; n <= links.size(); ++n) {
        GeoPoint2D first, second;
        if (links.getTwainLinkPiecesVectors(polygons, n, &first, &second) == 0 &&
            first.betweenDelta(&point, &second, tolerance))
            return static_cast<short>(n);
    }
    return 0;
}

void ToolLink::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    event->ignore();
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    if (!document)
        return;
    CDbMarkerDrawing& drawing = *document->drawing();
    const bool alt = event->modifiers() & Qt::AltModifier;
    const GeoPoint2D click = view->scenePoint(event->pos());
    CDbDocumentLinkObject& linkDoc = *drawing.getLinkDoc();
    QList<CDbPolygon>& polygons = linkDoc.getCurrentPolyListDocumentLink();

    short code = 0, pieceIndex = 0, pointIndex = 0;
    bool lastContour = true;
    CDbPolygon* polygon = nullptr;
    drawing.clickTheLinkViewPoint(polygons, click, &code, &polygon, &pieceIndex, &lastContour, &pointIndex);
    if (code != 0)
        return;
    short linkIndex = 0;
    if (polygon && pointIndex != 0) {
        if (!alt) {
            if (isMatchLinkPoint(*polygon, pointIndex, lastContour) &&
                drawing.returnLinkIndexIfPolyLink(pieceIndex, pointIndex, lastContour, &linkIndex) == 0 &&
                linkIndex != 0) {
                QApplication::beep();
            } else if (drawing.isFirstClick()) {
                linkDoc.setPendingEnd(pieceIndex, pointIndex, lastContour);
                drawing.setFirstClick(false);
                mFirstEndTaken = true;
            } else {
                record(*document, {int(pieceIndex), int(pointIndex), lastContour, true});
            }
        } else if (drawing.returnLinkIndexIfPolyLink(pieceIndex, pointIndex, lastContour, &linkIndex) == 0 &&
                   linkIndex != 0) {
            record(*document, removal(linkIndex));
        }
    } else if (alt) {
        linkIndex =
            findLinkAtPoint(drawing, *linkDoc.getCurrentPiecesLinkListDocumentLink(), polygons, click);
        if (linkIndex != 0)
            record(*document, removal(linkIndex));
    }
    document->emitModified();
}

void ToolLink::record(DocumentMak& document, const QList<QVariant>& parameters)
{
    if (std::unique_ptr<AbstractCmd> command =
            CmdsManager::instance()->createCommand(QStringLiteral("LinkPiece"))) {
        if (command->setDocument(document.shared_from_this(), parameters) == 0)
            document.undoStack()->push(command.release());
    }
    mFirstEndTaken = false;
}

void ToolLink::cursor(QCursor& cursor) const
{
    if (altDown())
        cursor = convertMinusCursor();
    else
        cursor = mFirstEndTaken ? linkedCursor() : linkCursor();
}

} // namespace VelSystem
