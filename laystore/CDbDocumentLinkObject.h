#pragma once

#include "laystore/CDbPolygon.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

#include <QList>
#include <memory>
#include <vector>

namespace VelSystem {

class CDbMarkerDrawing;
class CDbTwainLinkPiecesObjectTable;

// The marker's link document: for each fabric, the pieces of the link view (one polygon per
// piece, built from the marker's pieces and laid in a row, in document coordinates) and the
// links between their points; and the first end of a link being drawn, which waits for its
// second end.
class CDbDocumentLinkObject
{
public:
    // Follows `drawing`'s fabrics and pieces; without a drawing it holds one fabric's view,
    // filled by the caller.
    explicit CDbDocumentLinkObject(const CDbMarkerDrawing* drawing = nullptr);
    ~CDbDocumentLinkObject();
    CDbDocumentLinkObject(const CDbDocumentLinkObject&) = delete;
    CDbDocumentLinkObject& operator=(const CDbDocumentLinkObject&) = delete;

    // The view of the drawing's current fabric.
    QList<CDbPolygon>& getCurrentPolyListDocumentLink();
    const QList<CDbPolygon>& getCurrentPolyListDocumentLink() const;
    // Never null.
    CDbTwainLinkPiecesObjectTable* getCurrentPiecesLinkListDocumentLink() const;

    // The view and links of fabric `fabric` (0-based); null when the marker has no such fabric.
    const QList<CDbPolygon>* polygons(short fabric) const;
    CDbTwainLinkPiecesObjectTable* links(short fabric) const;

    // Rebuilds the view of `fabric` from its pieces at the next look, after a piece's points
    // changed.
    void piecesChanged(short fabric);

    // The pending first end; its piece index is -1 while no link is being drawn.
    short pendingPieceIndex() const { return mPending.pieceIndex; }
    short pendingPointIndex() const { return mPending.pointIndex; }
    bool pendingOnContour() const { return mPending.onContour; }
    const CDbTwainLinkPiecesObject::End& pendingEnd() const { return mPending; }
    void setPendingEnd(short pieceIndex, short pointIndex, bool onContour);
    void clearPendingEnd() { mPending = {}; }
    bool hasPendingEnd() const { return mPending.pieceIndex >= 0; }

private:
    struct FabricView
    {
        QList<CDbPolygon> polygons;
        std::unique_ptr<CDbTwainLinkPiecesObjectTable> links;
        // The number of pieces the polygons were built from; -1 before they were.
        int builtFrom = -1;
    };
    // The view of `fabric`, brought up to the drawing's fabrics and pieces first.
    FabricView* view(short fabric) const;
    short currentFabric() const;

    const CDbMarkerDrawing* mDrawing;
    // Views follow the drawing lazily: fabrics and pieces are only ever added.
    mutable std::vector<FabricView> mViews;
    CDbTwainLinkPiecesObject::End mPending;
};

} // namespace VelSystem
