#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace VelSystem {

class CDbCharterToolsView;
class CDbDocumentLinkObject;
class CDbFabricObject;
class CDbPolygon;
class Document;
class GeoPoint2D;

// The marker itself: its fabrics, which fabric and layer are being edited, and the
// shared flags of the editing tools.
class CDbMarkerDrawing
{
public:
    // Lock flags: what the user may not change.
    enum Lock
    {
        LockNone = 0,
        LockPlacement = 0x1,
        LockCutting = 0x2,
        LockMatching = 0x4
    };

    explicit CDbMarkerDrawing(Document* document = nullptr);
    ~CDbMarkerDrawing();

    QString name() const { return mName; }
    void setName(const QString& name) { mName = name; }

    short fabricCount() const { return static_cast<short>(mFabrics.size()); }
    CDbFabricObject* fabric(short index) const;
    CDbFabricObject& addFabric();
    // 0-based index of `fabric`, -1 when it is not one of this marker's.
    short fabricIndex(const CDbFabricObject* fabric) const;

    // The fabric and layer being edited; `code` gets 0, or 1 when there is none.
    void getCurrentFabricsAndLayer(CDbFabricObject*& fabric, short& layer, short* code) const;
    CDbFabricObject* getCurrentFabric() const;
    short currentFabricIndex() const { return mCurrentFabric; }
    short currentLayer() const { return mCurrentLayer; }
    // False (code 1) when the indexes name no existing fabric and layer.
    bool setCurrentFabricAndLayer(short fabric, short layer, short* code = nullptr);
    // True when exactly one fabric and layer are being edited; writes their indexes.
    bool isSetToSingleLayer(short* fabric, short* layer) const;

    // `pixels` of the view handling the current event, in centimetres (the document's view
    // scale; a drawing without a document takes a pixel as a centimetre).
    double pixelToCmInX(double pixels) const;

    // Set by the first click of a two-click tool, cleared by the second.
    bool isFirstClick() const { return mFirstClick; }
    void setFirstClick(bool first) { mFirstClick = first; }
    // How blockings are kept when they fuse or a piece is taken out of them. 0: automatically,
    // each block made afresh round its pieces and simplified. Otherwise by hand, as the
    // edit-blocking tool sets it: outlines keep the points a user drew. 1: blockings are being
    // shaped by hand; 2: control points were also added or removed. A mode of the session,
    // not saved: a marker whose blockings were changed by hand opens in state 1.
    short manualDocumentFuseState() const { return mManualFuseState; }
    bool manualDocumentIsFuse() const { return mManualFuseState != 0; }
    void setManualDocumentFuseState(short state) { mManualFuseState = state; }
    // The size chart's waiting first click: a piece (numbered from 1) or a size column
    // (numbered from 1); 0 when none waits. Session state, like the first-click flag.
    short chartFirstPiece() const { return mChartFirstPiece; }
    void setChartFirstPiece(short piece) { mChartFirstPiece = piece; }
    short chartFirstSize() const { return mChartFirstSize; }
    void setChartFirstSize(short size) { mChartFirstSize = size; }
    // The chart takes no cut-down pairs while the marker's cutting is locked.
    bool isChartDisabled() const { return isLocked(LockCutting); }
    // The view shows the knife's cut order.
    bool isCutView() const { return mCutView; }
    void setCutView(bool cutView) { mCutView = cutView; }
    int lockFlags() const { return mLockFlags; }
    void setLockFlags(int flags) { mLockFlags = flags; }
    bool isLocked(Lock lock) const { return (mLockFlags & lock) != 0; }
    // Pieces may not be dragged: their placement is locked, a matched plaid marker would be
    // pulled apart, or the link view is shown, whose layout is not the marker's.
    bool isMoveLocked() const
    {
        return isLocked(LockPlacement) || isLocked(LockMatching) || isLinkedDocument();
    }

    // The links between the marker's pieces, with the link view built from them. Never null:
    // the drawing owns it.
    CDbDocumentLinkObject* getLinkDoc() const { return mLinkDoc.get(); }
    // A linked document shows the link view, where the pointer opens the link dialogs rather
    // than moving pieces. A mode of the session, not part of the marker.
    bool isLinkedDocument() const { return mLinked; }
    void setLinkedDocument(bool linked) { mLinked = linked; }

    // How near a click must come to a point to hit it.
    static constexpr double kPointTolerancePixels = 5.0;

    // The outline point of `polygons` within 5 pixels of `point`: writes its polygon, its piece
    // index, true for the contour flag (points are found on the piece's own outline) and its
    // 1-based index; a null polygon and index 0 when no point is near. `code` gets 0, or 1
    // when an out-value is missing.
    void clickTheLinkViewPoint(QList<CDbPolygon>& polygons, const GeoPoint2D& point, short* code,
                               CDbPolygon** polygon, short* pieceIndex, bool* lastContour,
                               short* pointIndex) const;
    // The number (1-based) of the current fabric's link ending at the given point, 0 when
    // none does. Returns 0, or 1 when `linkIndex` is missing.
    short returnLinkIndexIfPolyLink(short pieceIndex, short pointIndex, bool lastContour,
                                    short* linkIndex) const;

    Document* document() const { return mDocument; }
    // The outline queries of the marking tools, on the current layer.
    CDbCharterToolsView* charterToolsView() const { return mCharterToolsView.get(); }

private:
    Document* mDocument;
    QString mName;
    std::vector<std::unique_ptr<CDbFabricObject>> mFabrics;
    std::unique_ptr<CDbDocumentLinkObject> mLinkDoc;
    std::unique_ptr<CDbCharterToolsView> mCharterToolsView;
    short mCurrentFabric = 0;
    short mCurrentLayer = 0;
    bool mFirstClick = true; // a new marker waits for a first click
    bool mCutView = false;
    short mManualFuseState = 0;
    short mChartFirstPiece = 0;
    short mChartFirstSize = 0;
    bool mLinked = false;
    int mLockFlags = LockNone;
};

} // namespace VelSystem
