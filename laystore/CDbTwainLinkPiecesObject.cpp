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

bool CDbTwainLinkPiecesObject::operator==(const CDbTwainLinkPiecesObject& o) const
{
    return mFirst == o.mFirst && mSecond == o.mSecond && mRules == o.mRules && mMatchPoint == o.mMatchPoint &&
           mOffsetX == o.mOffsetX && mOffsetY == o.mOffsetY && mMaxSwatchDistanceX == o.mMaxSwatchDistanceX &&
           mMaxSwatchDistanceY == o.mMaxSwatchDistanceY;
}

void CDbTwainLinkPiecesObject::setMaxSwatchDistances(double x, double y)
{
    mMaxSwatchDistanceX = x;
    mMaxSwatchDistanceY = y;
}

} // namespace VelSystem
