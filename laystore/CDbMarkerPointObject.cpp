#include "laystore/CDbMarkerPointObject.h"

namespace VelSystem {

bool CDbMarkerPointObject::operator==(const CDbMarkerPointObject& o) const
{
    return GeoPoint2D::operator==(o) && mType == o.mType && mNotchState == o.mNotchState &&
           features() == o.features();
}

} // namespace VelSystem
