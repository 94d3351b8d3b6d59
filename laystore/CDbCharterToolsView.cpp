#include "laystore/CDbCharterToolsView.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/ops/KnifePointSearch.h"

namespace VelSystem {

bool CDbCharterToolsView::isVectorPolygon(const GeoPoint2D& point, double tolerance, t_1_Based* index,
                                          bool* onOutline, CDbPolygon** polygon) const
{
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short code = 1;
    mDrawing->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (code != 0 || !fabric)
        return false;
    const KnifePointSearch::Hit hit = KnifePointSearch::findOutlinePoint(*fabric, layer, point, tolerance,
                                                                         CDbVectorsObjectTable::eForAnyPoint);
    if (hit.group) {
        *onOutline = true;
        *polygon = &hit.group->polygon(hit.polygon);
        *index = t_1_Based(hit.index);
        return true;
    }
    CDbGrPolysObject* group = KnifePointSearch::groupAt(*fabric, layer, point, tolerance);
    if (!group)
        return false;
    *onOutline = false;
    *polygon = &group->polygon(group->knifePolygonIndex());
    return true;
}

} // namespace VelSystem
