#include "laystore/CDbInternalSegment.h"

#include <algorithm>

namespace VelSystem {

int CDbInternalSegment::startIndex() const
{
    return std::max(0, mPoints.firstWith(PointFeature::InternalStart));
}

bool CDbInternalSegment::hasStartPoint() const
{
    return mPoints.firstWith(PointFeature::InternalStart) >= 0;
}

double CDbInternalSegment::distanceTo(const GeoPoint2D& point, int* nearest) const
{
    double best = -1.0;
    for (int i = 0; i < mPoints.size(); ++i) {
        const double d = point.distance(mPoints[i]);
        if (best < 0.0 || d < best) {
            best = d;
            if (nearest)
                *nearest = i;
        }
    }
    return best;
}

std::vector<std::vector<GeoPoint2D>> CDbInternalSegment::knifeStrokes() const
{
    std::vector<std::vector<GeoPoint2D>> strokes;
    const int n = mPoints.size();
    const int start = startIndex();
    const auto stroke = [&](int to) {
        std::vector<GeoPoint2D> points;
        const int step = to >= start ? 1 : -1;
        for (int i = start; i != to + step; i += step)
            points.push_back(mPoints[i]);
        strokes.push_back(std::move(points));
    };
    if (n < 2)
        return strokes;
    const int towardsEnd = n - 1 - start;
    if (towardsEnd >= start) {
        stroke(n - 1);
        if (start > 0)
            stroke(0);
    } else {
        stroke(0);
        if (towardsEnd > 0)
            stroke(n - 1);
    }
    return strokes;
}

} // namespace VelSystem
