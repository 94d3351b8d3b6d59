#include "laystore/CDbMarkerPointObject.h"

namespace VelSystem {

bool CDbMarkerPointObject::operator==(const CDbMarkerPointObject& o) const
{
    return GeoPoint2D::operator==(o) && mType == o.mType && mNotchState == o.mNotchState &&
           features() == o.features();
}

bool CDbMarkerPointObject::setStatusNotch(bool convert)
{
    if (!isNotch())
        return false;
    const NotchState state = convert ? NotchConverted : NotchCut;
    if (mNotchState == state)
        return false;
    mNotchState = state;
    return true;
}

} // namespace VelSystem
