#include "laystore/ops/KnifePointSearch.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"

namespace VelSystem {

const CDbVectorsObjectTable& KnifePointSearch::searchedOutline(const CDbGrPolysObject& group, int polygon,
                                                               CDbVectorsObjectTable::ClickTarget target)
{
    const CDbPolygon& p = group.polygon(polygon);
    return target == CDbVectorsObjectTable::eForNotch && !p.isBlocking() ? p.pieceOutline() : p.cutOutline();
}

KnifePointSearch::Hit KnifePointSearch::findOutlinePoint(const CDbFabricObject& fabric, short layer,
                                                         const GeoPoint2D& point, double tolerance,
                                                         CDbVectorsObjectTable::ClickTarget target)
{
    for (CDbGrPolysObject* group : fabric.getPlaceGroupList(t_1_Based::fromZeroBased(layer))) {
        const int knife = group->knifePolygonIndex();
        const bool blocked = group->polygonCount() > 0 && group->polygon(knife).isBlocking();
        for (int i = blocked ? knife : 0; i < (blocked ? knife + 1 : group->polygonCount()); ++i) {
            const CDbVectorsObjectTable& outline = searchedOutline(*group, i, target);
            GeoRectangle box = outline.boundingRect();
            box.expand(tolerance, tolerance);
            Hit hit;
            if (!box.contains(point) || !outline.isClickInVector(true, point, tolerance, target, &hit.index))
                continue;
            hit.group = group;
            hit.polygon = i;
            return hit;
        }
    }
    return Hit();
}

KnifePointSearch::Hit KnifePointSearch::findInternalPoint(const CDbFabricObject& fabric, short layer,
                                                          const GeoPoint2D& point, double tolerance)
{
    Hit best;
    double bestDistance = tolerance;
    for (CDbGrPolysObject* group : fabric.getPlaceGroupList(t_1_Based::fromZeroBased(layer))) {
        for (int i = 0; i < group->polygonCount(); ++i) {
            const std::vector<CDbInternalSegment>& segments = group->polygon(i).internalSegments();
            for (size_t s = 0; s < segments.size(); ++s) {
                int nearest = 0;
                const double d = segments[s].distanceTo(point, &nearest);
                if (d < 0.0 || d > bestDistance)
                    continue;
                bestDistance = d;
                best = Hit{group, i, static_cast<int>(s), static_cast<short>(nearest + 1)};
            }
        }
        if (best.group)
            return best;
    }
    return best;
}

CDbGrPolysObject* KnifePointSearch::groupAt(const CDbFabricObject& fabric, short layer,
                                            const GeoPoint2D& point, double tolerance)
{
    for (CDbGrPolysObject* group : fabric.getPlaceGroupList(t_1_Based::fromZeroBased(layer))) {
        if (group->hitTest(point, tolerance))
            return group;
    }
    return nullptr;
}

} // namespace VelSystem
