#pragma once

#include "laystore/CDbInternalSegment.h"

#include <QString>
#include <vector>

namespace VelSystem {

// One size of a pattern piece: its outline (notches as marked points), grain line and
// internal segments, in the piece's own coordinates.
class CDbPieceSizeObject
{
public:
    QString name() const { return mName; }
    void setName(const QString& name) { mName = name; }
    const CDbVectorsObjectTable& outline() const { return mOutline; }
    void setOutline(const CDbVectorsObjectTable& outline) { mOutline = outline; }
    // The grain line's two ends; equal when the piece has none.
    GeoPoint2D grainStart() const { return mGrainStart; }
    GeoPoint2D grainEnd() const { return mGrainEnd; }
    void setGrainLine(const GeoPoint2D& start, const GeoPoint2D& end);
    bool hasGrainLine() const { return mGrainStart != mGrainEnd; }
    // The lines the knife cuts inside the piece (drill lines, darts, pocket marks); every copy
    // laid of this size carries them.
    const std::vector<CDbInternalSegment>& internalSegments() const { return mInternalSegments; }
    void addInternalSegment(const CDbInternalSegment& segment) { mInternalSegments.push_back(segment); }
    bool operator==(const CDbPieceSizeObject& o) const;

private:
    QString mName;
    CDbVectorsObjectTable mOutline;
    GeoPoint2D mGrainStart, mGrainEnd;
    std::vector<CDbInternalSegment> mInternalSegments;
};

} // namespace VelSystem
