#pragma once

#include "laystore/CDbContourObject.h"

namespace VelSystem {

// One pattern piece as placed on the marker, in document coordinates: which piece and
// size it is, its outlines, its grain line, and how it was turned and mirrored.
class CDbPolygon
{
public:
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

    // A blocking polygon is the block laid around pieces, not a piece itself.
    bool isBlocking() const { return mBlocking; }
    void setBlocking(bool blocking) { mBlocking = blocking; }
    // Position in the knife's cut order (0: not ranked).
    short getPolygonCutRank() const { return mCutRank; }
    void setPolygonCutRank(short rank) { mCutRank = rank; }

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
    short mCutRank = 0;
};

} // namespace VelSystem
