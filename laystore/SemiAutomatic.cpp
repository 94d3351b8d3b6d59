#include "laystore/SemiAutomatic.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"

namespace VelSystem {

void SemiAutomatic::placementAccordingDirection(CDbMarkerDrawing* drawing, short mode,
                                                CDbFabricObject* fabric, short layer, CDbGrPolysObject* group,
                                                const GeoPoint2D& centre, const GeoPoint2D& target,
                                                short* code)
{
    short result = 0;
    if (!drawing || !fabric || !group || mode != kSlideMode || !fabric->layer(layer))
        result = 1;
    else if (target == centre)
        result = 2;
    if (code)
        *code = result;
}

} // namespace VelSystem
