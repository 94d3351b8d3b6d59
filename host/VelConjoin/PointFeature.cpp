#include "VelConjoin/PointFeature.h"

namespace VelSystem {

void PointFeature::setFeature(Flag f, bool on)
{
    if (on)
        mFeatures |= f;
    else
        mFeatures &= ~f;
}

bool PointFeature::stateMatchLinkVectorON(bool matchOnly) const
{
    return matchOnly ? hasFeature(MatchPoint) : hasFeature(MatchPoint) || hasFeature(LinkVector);
}

} // namespace VelSystem
