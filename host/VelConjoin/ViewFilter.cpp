#include "VelConjoin/ViewFilter.h"

namespace VelSystem {

void ViewFilter::setVisible(int kind, bool visible)
{
    if (visible)
        mHidden.remove(kind);
    else
        mHidden.insert(kind);
}

} // namespace VelSystem
