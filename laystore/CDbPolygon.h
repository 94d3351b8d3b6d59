#pragma once

#include <QString>

#include "laystore/CDbBlockingObject.h"
#include "laystore/CDbContourObject.h"
#include "laystore/CDbCutDownObject.h"
#include "laystore/CDbInternalSegment.h"

#include <optional>
#include <vector>

namespace VelSystem {

class CDbPieceSizeObject;

// One pattern piece as placed on the marker, in document coordinates: which piece and
// size it is, its outlines, its grain line, and how it was turned and mirrored.
class CDbPolygon
{
public:
    // Size `sizeIndex` of piece `pieceIndex` as it is drawn, before it is placed: its outline,
    // grain line and internal segments in the piece's own coordinates.
    static CDbPolygon ofPieceSize(short pieceIndex, short sizeIndex, const CDbPieceSizeObject& size);

    short pieceIndex() const { return mPieceIndex; } // 0-based into the fabric's pieces
    void setPieceIndex(short i) { mPieceIndex = i; }
    short sizeIndex() const { return mSizeIndex; } // 0-based into the piece's sizes
    void setSizeIndex(short i) { mSizeIndex = i; }

    CDbContourObject& contours() { return mContours; }
    const CDbContourObject& contours() const { return mContours; }
    // The piece's own outline (area, notches, link ends, start points): never a blocking or a
    // cut-down union laid over it.
    const CDbVectorsObjectTable& pieceOutline() const { return mContours.pieceContour(); }
    // The outline the knife cuts (overlaps, slides, nesting, the marker's length): the last
    // contour, whatever made it.
    const CDbVectorsObjectTable& cutOutline() const { return mContours.lastContour(); }

    GeoPoint2D grainStart() const { return mGrainStart; }
    GeoPoint2D grainEnd() const { return mGrainEnd; }
    void setGrainLine(const GeoPoint2D& start, const GeoPoint2D& end);

    // Accumulated turn (degrees, [0, 360)) and mirror state relative to the piece's own outline.
    double rotation() const { return mRotation; }
    bool isMirroredX() const { return mMirroredX; }
    bool isMirroredY() const { return mMirroredY; }
    void setOrientation(double rotation, bool mirroredX, bool mirroredY);

    // A blocking polygon is the block laid around pieces, not a piece itself (a fusion, a
    // block read from a file).
    bool isBlockingPolygon() const { return mBlocking; }
    void setBlocking(bool blocking) { mBlocking = blocking; }
    // The knife cuts a blocking here: a blocking polygon, or a piece whose last contour is its
    // own blocking.
    bool isBlocking() const;
    // How this polygon takes part in a blocking (see CDbBlockingObject).
    CDbBlockingObject& blocking() { return mBlockingState; }
    const CDbBlockingObject& blocking() const { return mBlockingState; }
    short blockingKind() const { return static_cast<short>(mBlockingState.blockingKind()); }
    // Position in the knife's cut order (0: not ranked). The order the cutter follows is the
    // group's (CDbGrPolysObject::getPolygonCutRank), which this key sorts.
    short getPolygonCutRank() const { return mCutRank; }
    void setPolygonCutRank(short rank) { mCutRank = rank; }

    // Cut-down pair. Both polygons of a pair lie in one group; each names the other by its
    // index in that group (-1: not cut down). The first polygon carries the pair's union as its
    // last contour (origin CutDownUnion), which the knife cuts for both, and the pair's
    // position; the second keeps its own outline only.
    short cutDownPartner() const { return mCutDownPartner; }
    void setCutDownPartner(short index) { mCutDownPartner = index; }
    // The position the pair was made with; null on the second polygon, and on a first polygon
    // paired from the size chart, which takes its position from the chart.
    const CDbCutDownObject* cutDownPosition() const
    {
        return mCutDownPosition ? &*mCutDownPosition : nullptr;
    }
    void setCutDownPosition(const std::optional<CDbCutDownObject>& position) { mCutDownPosition = position; }
    // Second polygon: the shift that takes it back to where it lay before it was laid over the
    // first; it turns and mirrors with the pair.
    GeoPoint2D cutDownReturn() const { return mCutDownReturn; }
    void setCutDownReturn(const GeoPoint2D& shift) { mCutDownReturn = shift; }

    // A part of a piece cut in two at an angle (0: not cut, 1 and 2: the parts, 1 on the left
    // of the cut line's direction). Its first contour is still the whole piece; its last
    // (origin AngleCutSeam) is the part with the seam allowance, the piece from now on.
    short angleCutPart() const { return mAngleCutPart; }
    void setAngleCutPart(short part) { mAngleCutPart = part; }
    // What the piece is called on the marker: `pieceName`, with the part's letter after it
    // ("Front a", "Front b") for a part of an angle cut.
    QString partName(const QString& pieceName) const;
    // Lines the knife cuts inside the piece; they move, turn and mirror with it.
    const std::vector<CDbInternalSegment>& internalSegments() const { return mInternalSegments; }
    std::vector<CDbInternalSegment>& internalSegments() { return mInternalSegments; }
    void addInternalSegment(const CDbInternalSegment& segment) { mInternalSegments.push_back(segment); }

    // The knife's marks live on the cut outline's points as PointFeature flags, so that they
    // follow every copy, move and undo. These read them as 0-based point indexes.
    // Where the knife starts: the point flagged StartPoint, else the first point.
    int knifeStartIndex() const;
    // Makes point `index` of the cut outline the only one flagged StartPoint.
    void setKnifeStartIndex(int index);
    // The symmetrical cut's start (SymmetricalCut) and end (SymmetricalEnd); -1 without one.
    int symmetricalStartIndex() const;
    int symmetricalEndIndex() const;

    // Takes in both outlines.
    GeoRectangle boundingRect() const;
    bool isValid() const;
    void translate(const GeoPoint2D& d);
    void rotate(double degrees, const GeoPoint2D& centre);
    void mirrorX(double axis);
    void mirrorY(double axis);
    bool operator==(const CDbPolygon& o) const;
    bool operator!=(const CDbPolygon& o) const { return !(*this == o); }

private:
    short mPieceIndex = -1;
    short mSizeIndex = 0;
    CDbContourObject mContours;
    GeoPoint2D mGrainStart, mGrainEnd;
    double mRotation = 0.0;
    bool mMirroredX = false;
    bool mMirroredY = false;
    bool mBlocking = false;
    CDbBlockingObject mBlockingState;
    short mCutRank = 0;
    short mCutDownPartner = -1;
    std::optional<CDbCutDownObject> mCutDownPosition;
    GeoPoint2D mCutDownReturn;
    short mAngleCutPart = 0;
    std::vector<CDbInternalSegment> mInternalSegments;
};

} // namespace VelSystem
