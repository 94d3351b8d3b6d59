#include "laystore/CDbTwainLinkPiecesObject.h"

namespace VelSystem {

void CDbTwainLinkPiecesObject::setOffsets(double x, double y)
{
    mOffsetX = x;
    mOffsetY = y;
}

void CDbTwainLinkPiecesObject::setMaxSwatchDistances(double x, double y)
{
    mMaxSwatchDistanceX = x;
    mMaxSwatchDistanceY = y;
}

} // namespace VelSystem
