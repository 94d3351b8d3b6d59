#include "laystore/CDbPieceSizeObject.h"

namespace VelSystem {

void CDbPieceSizeObject::setGrainLine(const GeoPoint2D& start, const GeoPoint2D& end)
{
    mGrainStart = start;
    mGrainEnd = end;
}

bool CDbPieceSizeObject::operator==(const CDbPieceSizeObject& o) const
{
    return mName == o.mName && mOutline == o.mOutline && mGrainStart == o.mGrainStart &&
           mGrainEnd == o.mGrainEnd && mInternalSegments == o.mInternalSegments;
}

} // namespace VelSystem
