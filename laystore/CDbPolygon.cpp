#include "laystore/CDbPolygon.h"

#include "laystore/CDbPieceSizeObject.h"

#include <algorithm>
#include <cmath>

namespace VelSystem {

namespace {

// An angle brought into [0, 360).
double normalisedDegrees(double degrees)
{
    const double r = std::fmod(degrees, 360.0);
    const double turn = r < 0.0 ? r + 360.0 : r;
    return turn < 360.0 ? turn : 0.0;
}

} // namespace

CDbPolygon CDbPolygon::ofPieceSize(short pieceIndex, short sizeIndex, const CDbPieceSizeObject& size)
{
    CDbPolygon polygon;
    polygon.setPieceIndex(pieceIndex);
    polygon.setSizeIndex(sizeIndex);
    polygon.contours().addContour(size.outline());
    polygon.setGrainLine(size.grainStart(), size.grainEnd());
    polygon.mInternalSegments = size.internalSegments();
    return polygon;
}

int CDbPolygon::knifeStartIndex() const
{
    return std::max(0, cutOutline().firstWith(PointFeature::StartPoint));
}

void CDbPolygon::setKnifeStartIndex(int index)
{
    CDbVectorsObjectTable& outline = mContours.lastContour();
    for (int i = 0; i < outline.size(); ++i)
        outline[i].setFeature(PointFeature::StartPoint, i == index);
}

int CDbPolygon::symmetricalStartIndex() const
{
    return cutOutline().firstWith(PointFeature::SymmetricalCut);
}

int CDbPolygon::symmetricalEndIndex() const
{
    return cutOutline().firstWith(PointFeature::SymmetricalEnd);
}

void CDbPolygon::setGrainLine(const GeoPoint2D& start, const GeoPoint2D& end)
{
    mGrainStart = start;
    mGrainEnd = end;
}

void CDbPolygon::setOrientation(double rotation, bool mirroredX, bool mirroredY)
{
    mRotation = normalisedDegrees(rotation);
    mMirroredX = mirroredX;
    mMirroredY = mirroredY;
}

GeoRectangle CDbPolygon::boundingRect() const
{
    GeoRectangle r = cutOutline().boundingRect();
    r.include(pieceOutline().boundingRect());
    return r;
}

bool CDbPolygon::isValid() const
{
    if (mContours.isEmpty() || !mGrainStart.isFinite() || !mGrainEnd.isFinite())
        return false;
    for (int i = 0; i < mContours.count(); ++i) {
        const GeoPolygon2D outline = mContours.contour(i).toPolygon();
        if (outline.size() < 3 || !outline.isFinite())
            return false;
    }
    return true;
}

void CDbPolygon::translate(const GeoPoint2D& d)
{
    mContours.translate(d);
    for (CDbInternalSegment& s : mInternalSegments)
        s.points().translate(d);
    mGrainStart += d;
    mGrainEnd += d;
}

void CDbPolygon::rotate(double degrees, const GeoPoint2D& centre)
{
    mContours.rotate(degrees, centre);
    for (CDbInternalSegment& s : mInternalSegments)
        s.points().rotate(degrees, centre);
    mGrainStart = mGrainStart.rotated(degrees, centre);
    mGrainEnd = mGrainEnd.rotated(degrees, centre);
    mRotation = normalisedDegrees(mRotation + degrees);
    mCutDownReturn = mCutDownReturn.rotated(degrees, GeoPoint2D());
}

// A mirror after a turn by r equals a turn by -r after the mirror: the turn changes sign
// and the mirror state flips.
void CDbPolygon::mirrorX(double axis)
{
    mContours.mirrorX(axis);
    for (CDbInternalSegment& s : mInternalSegments)
        s.points().mirrorX(axis);
    mGrainStart.mirrorX(axis);
    mGrainEnd.mirrorX(axis);
    mRotation = normalisedDegrees(-mRotation);
    mMirroredX = !mMirroredX;
    mCutDownReturn.x = -mCutDownReturn.x;
}

void CDbPolygon::mirrorY(double axis)
{
    mContours.mirrorY(axis);
    for (CDbInternalSegment& s : mInternalSegments)
        s.points().mirrorY(axis);
    mGrainStart.mirrorY(axis);
    mGrainEnd.mirrorY(axis);
    mRotation = normalisedDegrees(-mRotation);
    mMirroredY = !mMirroredY;
    mCutDownReturn.y = -mCutDownReturn.y;
}

bool CDbPolygon::isBlocking() const
{
    return mBlocking ||
           (!mContours.isEmpty() && mContours.origin(mContours.count() - 1) == CDbContourObject::Blocking);
}

bool CDbPolygon::operator==(const CDbPolygon& o) const
{
    return mPieceIndex == o.mPieceIndex && mSizeIndex == o.mSizeIndex && mContours == o.mContours &&
           mGrainStart == o.mGrainStart && mGrainEnd == o.mGrainEnd && mRotation == o.mRotation &&
           mMirroredX == o.mMirroredX && mMirroredY == o.mMirroredY && mBlocking == o.mBlocking &&
           mBlockingState == o.mBlockingState && mCutRank == o.mCutRank &&
           mCutDownPartner == o.mCutDownPartner && mCutDownPosition == o.mCutDownPosition &&
           mCutDownReturn == o.mCutDownReturn && mAngleCutPart == o.mAngleCutPart &&
           mInternalSegments == o.mInternalSegments;
}

QString CDbPolygon::partName(const QString& pieceName) const
{
    if (mAngleCutPart <= 0)
        return pieceName;
    return QStringLiteral("%1 %2").arg(pieceName, QChar('a' + mAngleCutPart - 1));
}

} // namespace VelSystem
