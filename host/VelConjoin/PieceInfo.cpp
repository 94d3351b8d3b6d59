#include "VelConjoin/PieceInfo.h"

namespace VelSystem {

bool PieceInfo::operator==(const PieceInfo& o) const
{
    return mPatternNo == o.mPatternNo && mName == o.mName && mDescription == o.mDescription &&
           mPieceCode == o.mPieceCode && mReferenceCode == o.mReferenceCode && mMarkerId == o.mMarkerId &&
           mFabricId == o.mFabricId;
}

} // namespace VelSystem
