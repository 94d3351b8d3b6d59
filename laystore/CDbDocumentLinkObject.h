#pragma once

#include "laystore/CDbPolygon.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

#include <QList>
#include <memory>

namespace VelSystem {

class CDbTwainLinkPiecesObjectTable;

// The data of a linked document's link view: the pieces shown (one polygon per piece, in
// document coordinates), the links between their points, and the first end of a link being
// drawn, which waits for its second end.
class CDbDocumentLinkObject
{
public:
    CDbDocumentLinkObject();
    ~CDbDocumentLinkObject();
    CDbDocumentLinkObject(const CDbDocumentLinkObject&) = delete;
    CDbDocumentLinkObject& operator=(const CDbDocumentLinkObject&) = delete;

    QList<CDbPolygon>& getCurrentPolyListDocumentLink() { return mPolygons; }
    const QList<CDbPolygon>& getCurrentPolyListDocumentLink() const { return mPolygons; }
    // Never null: the object owns its table.
    CDbTwainLinkPiecesObjectTable* getCurrentPiecesLinkListDocumentLink() const { return mLinks.get(); }

    // The pending first end; its piece index is -1 while no link is being drawn.
    short pendingPieceIndex() const { return mPending.pieceIndex; }
    short pendingPointIndex() const { return mPending.pointIndex; }
    bool pendingOnContour() const { return mPending.onContour; }
    const CDbTwainLinkPiecesObject::End& pendingEnd() const { return mPending; }
    void setPendingEnd(short pieceIndex, short pointIndex, bool onContour);
    void clearPendingEnd() { mPending = {}; }
    bool hasPendingEnd() const { return mPending.pieceIndex >= 0; }

private:
    QList<CDbPolygon> mPolygons;
    std::unique_ptr<CDbTwainLinkPiecesObjectTable> mLinks;
    CDbTwainLinkPiecesObject::End mPending;
};

} // namespace VelSystem
