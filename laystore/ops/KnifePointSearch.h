#pragma once

#include "laystore/CDbVectorsObjectTable.h"

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;

// Finds what a click on a layer aims at among the cutter's marks. Groups are tried in
// drawing order and the first hit wins; `tolerance` is the click tolerance in centimetres.
class KnifePointSearch
{
public:
    struct Hit
    {
        CDbGrPolysObject* group = nullptr;
        int polygon = -1; // in the group
        int segment = -1; // internal segment of the polygon, for findInternalPoint
        short index = 0;  // 1-based point index; 0 when nothing was hit
    };

    // A point of the outline the knife follows: in a blocked group the blocking's alone,
    // otherwise each polygon's in turn. eForNotch looks at the pieces' own outlines, where
    // notches lie; the other targets at the cut outlines.
    static Hit findOutlinePoint(const CDbFabricObject& fabric, short layer, const GeoPoint2D& point,
                                double tolerance, CDbVectorsObjectTable::ClickTarget target);
    // The outline `findOutlinePoint` searches in `polygon` of `group`.
    static const CDbVectorsObjectTable& searchedOutline(const CDbGrPolysObject& group, int polygon,
                                                        CDbVectorsObjectTable::ClickTarget target);
    // The point of an internal segment nearest to `point`, within `tolerance` of it.
    static Hit findInternalPoint(const CDbFabricObject& fabric, short layer, const GeoPoint2D& point,
                                 double tolerance);
    // The first group whose cut outline holds `point` or passes within `tolerance` of it.
    static CDbGrPolysObject* groupAt(const CDbFabricObject& fabric, short layer, const GeoPoint2D& point,
                                     double tolerance);
};

} // namespace VelSystem
