#include "laystore/CDbTwainLinkPiecesObject.h"

namespace VelSystem {

void CDbTwainLinkPiecesObject::setEnds(const End& first, const End& second)
{
    mFirst = first;
    mSecond = second;
}

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
