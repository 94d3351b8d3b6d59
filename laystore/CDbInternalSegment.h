#pragma once

#include "laystore/CDbVectorsObjectTable.h"

namespace VelSystem {

// A line the cutter works inside a piece (a drill line, a dart, a pocket mark): an open run
// of points in document coordinates. The point flagged PointFeature::InternalStart is where
// the knife enters; without one it enters at the first point.
class CDbInternalSegment
{
public:
    enum Kind
    {
        DrillLine = 0,
        Dart = 1,
        PocketMark = 2
    };

    CDbInternalSegment() = default;
    CDbInternalSegment(Kind kind, const CDbVectorsObjectTable& points) : mKind(kind), mPoints(points) {}

    Kind kind() const { return mKind; }
    // Open: the last point does not join the first.
    const CDbVectorsObjectTable& points() const { return mPoints; }
    CDbVectorsObjectTable& points() { return mPoints; }
    // 0-based index of the point where the knife enters, and whether one was chosen.
    int startIndex() const;
    bool hasStartPoint() const;
    // The distance from `point` to the nearest point of the run, and that point's 0-based
    // index.
    double distanceTo(const GeoPoint2D& point, int* nearest) const;
    // The strokes the knife cuts, each from the entry point to an end of the run: one for an
    // entry at an end, two for one inside it (the longer side first).
    std::vector<std::vector<GeoPoint2D>> knifeStrokes() const;

    bool operator==(const CDbInternalSegment& o) const { return mKind == o.mKind && mPoints == o.mPoints; }
    bool operator!=(const CDbInternalSegment& o) const { return !(*this == o); }

private:
    Kind mKind = DrillLine;
    CDbVectorsObjectTable mPoints;
};

} // namespace VelSystem
