#pragma once

#include "VelCore/t_1_Based.h"
#include "laystore/CDbFabricLayerObject.h"
#include "laystore/CDbPieceObject.h"
#include "laystore/CDbSizePlan.h"

#include <QColor>
#include <QString>
#include <deque>
#include <memory>

namespace VelSystem {

// A fabric of the marker: the pattern pieces cut from it and its layers.
class CDbFabricObject
{
public:
    CDbFabricObject();
    ~CDbFabricObject();

    QString name() const { return mName; }
    void setName(const QString& name) { mName = name; }
    // The colour pieces of this fabric are filled with.
    QColor colour() const { return mColour; }
    void setColour(const QColor& colour) { mColour = colour; }

    // Null until the fabric gets its first layer.
    CDbFabricLayerObjectsTable* layers() const { return mLayers.get(); }
    CDbFabricLayerObject& addLayer(double width);
    // Layer `index` (0-based), null when the fabric has no such layer.
    CDbFabricLayerObject* layer(short index) const;
    // Throws std::invalid_argument when the fabric has no such layer.
    double getFabricLayerWidth(short layer) const;
    // The piece groups placed on a layer, in drawing order (none for a layer the fabric does
    // not have).
    QListEx<CDbGrPolysObject*> getPlaceGroupList(t_1_Based layer) const;
    // The first selected piece group of a layer: its current group when that is selected,
    // else the first in drawing order; null when none is.
    CDbGrPolysObject* layerSelectsGrPolys(short layer) const;
    // A selected group of the layer other than layerSelectsGrPolys' (null when there is none);
    // `code` gets 0, or 1 for a layer the fabric does not have.
    CDbGrPolysObject* layerNextSelectsGrPolys(short layer, short* code) const;
    // Deselects every object of the layer; true when the selection changed. The caller
    // announces the change.
    bool cancelSelectionLayer(short layer);
    // True when `group` may not be blocked: not a laid or waiting group of this fabric, broken,
    // already blocked, or not one piece with an outline that encloses an area. A cut-down pair
    // answers false: the blocking itself refuses it, so that the block tool can say why.
    bool isSelectionBlockingInvalid(const CDbGrPolysObject* group) const;

    // The margin a blocking leaves round its piece, in centimetres.
    double blockMargin() const { return mBlockMargin; }
    // Throws std::invalid_argument for a margin that is not positive and finite.
    void setBlockMargin(double margin);
    // Which fabric edge blockings keep to while edited: 1 the edge y = 0, 2 the edge y = the
    // layer's width, 3 the edge each blocking lies along (its edgeSnapValue); others y = 0.
    int edgeMode() const { return mEdgeMode; }
    void setEdgeMode(int mode) { mEdgeMode = mode; }

    // The group chosen as the first piece of a cut-down pair on a layer (0-based), null when
    // none waits.
    CDbGrPolysObject* selectsGrPolysCD(short layer) const;
    // Makes `group` the current group of a layer (0-based); the tools' next step works on it.
    void putFirstGroupOfLayer(short layer, CDbGrPolysObject* group);
    // Whether the layer's current group may take part in a cut-down: alone (no `first`) any
    // placed group may be clicked (a pair to take apart); with `first` waiting, the two must
    // make a pair a cutter can cut (CDbCutDownHelper::checkPair with the default position).
    // `code` gets 0, or 1 for a layer the fabric does not have.
    bool isSelectionCutDownValid(short layer, const CDbGrPolysObject* first, short* code) const;
    // The groups laid on a layer's fabric area in the order the knife cuts them: by their
    // rank key (CDbPolygon::getPolygonCutRank), unranked ones last, ties in drawing order.
    QListEx<CDbGrPolysObject*> groupsInCutOrder(short layer) const;
    // The cut view's choice on a layer: the piece the next "Sequence" click follows (the
    // layer's cut-order group). Cancelling it makes the next piece clicked the first cut.
    void cancelLayerSelecitionInCutView(short layer);
    // Makes `group` the piece the order continues from; `code` gets 0, or 1 when `group` is
    // not laid on `layer`.
    void selectGrPolysFromCutView(short layer, CDbGrPolysObject* group, short* code);

    // Whether `group` may be cut at an angle: one piece, neither paired nor blocked. `code`
    // gets 0, or 1 when the group does not lie on this fabric (then the answer is false).
    bool isSelectionCuttingValid(const CDbGrPolysObject* group, short* code) const;

    short pieceCount() const { return static_cast<short>(mPieces.size()); }
    // The most sizes any piece has: the size chart's columns, when none are set.
    short sizeCount() const;
    // 0-based; writes 0 to `code` on success, 1 when the index is out of range.
    CDbPieceObject* findPieceAccordingIndex(short index, short* code);
    const CDbPieceObject* piece(short index) const;
    CDbPieceObject* piece(short index);
    // The piece's 0-based index, -1 with code 1 when it is not a piece of this fabric.
    short getPieceIndex(const CDbPieceObject* piece, short* code) const;
    short addPiece(const CDbPieceObject& piece);

    // True when a copy of piece `piece` (0-based) on one of the fabric's layers is blocked.
    bool isPieceBlocked(short piece) const;
    // The size chart's columns and the pairs made in it.
    CDbSizePlan& sizePlan() { return mSizePlan; }
    const CDbSizePlan& sizePlan() const { return mSizePlan; }

    // The two working fields that editing tools reset at a press.
    short workCode() const { return mWorkCode; }
    double workValue() const { return mWorkValue; }
    void setWorkFields(short code, double value);
    void resetWorkFields() { setWorkFields(0, 0.0); }

    // The plaid or stripe repeat, horizontal and vertical, in centimetres; 0 in a direction
    // without plaid or stripe.
    double plaidRepeatX() const { return mPlaidRepeatX; }
    double plaidRepeatY() const { return mPlaidRepeatY; }
    void setPlaidRepeat(double x, double y)
    {
        mPlaidRepeatX = x;
        mPlaidRepeatY = y;
    }
    // Where the plaid's first repeat starts on the layer, in centimetres from the origin.
    double plaidOffsetX() const { return mPlaidOffsetX; }
    double plaidOffsetY() const { return mPlaidOffsetY; }
    void setPlaidOffset(double x, double y)
    {
        mPlaidOffsetX = x;
        mPlaidOffsetY = y;
    }

private:
    QString mName;
    QColor mColour;
    std::unique_ptr<CDbFabricLayerObjectsTable> mLayers;
    // A deque, so that pointers to pieces survive adding pieces.
    std::deque<CDbPieceObject> mPieces;
    CDbSizePlan mSizePlan;
    short mWorkCode = 0;
    double mWorkValue = 0.0;
    double mPlaidRepeatX = 0.0;
    double mPlaidRepeatY = 0.0;
    double mPlaidOffsetX = 0.0;
    double mPlaidOffsetY = 0.0;
    double mBlockMargin = 1.0;
    int mEdgeMode = 3;
};

} // namespace VelSystem
