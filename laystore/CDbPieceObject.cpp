#include "laystore/CDbPieceObject.h"

namespace VelSystem {

const CDbPieceSizeObject* CDbPieceObject::getPieceSize(short n) const
{
    return n >= 0 && n < getNumberOfSizes() ? &mSizes[static_cast<size_t>(n)] : nullptr;
}

CDbPieceSizeObject* CDbPieceObject::getPieceSize(short n)
{
    return const_cast<CDbPieceSizeObject*>(static_cast<const CDbPieceObject*>(this)->getPieceSize(n));
}

bool CDbPieceObject::operator==(const CDbPieceObject& o) const
{
    return mInfo == o.mInfo && mQuantity == o.mQuantity && mSingle == o.mSingle &&
           mAllowedRotations == o.mAllowedRotations && mSizes == o.mSizes;
}

} // namespace VelSystem
