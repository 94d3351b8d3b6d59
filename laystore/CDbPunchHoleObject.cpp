#include "laystore/CDbPunchHoleObject.h"

#include <stdexcept>
#include <utility>

namespace VelSystem {

GeoRectangle CDbPunchHoleObject::boundingRect() const
{
    GeoRectangle r(mCentre, mCentre);
    r.expand(kDiameter / 2.0, kDiameter / 2.0);
    return r;
}

CDbAbstractObject* CDbPunchHoleObject::clone() const
{
    auto* copy = new CDbPunchHoleObject(mCentre);
    copy->copyFlagsFrom(*this);
    return copy;
}

bool CDbPunchHoleObject::isValid() const
{
    return mCentre.isFinite();
}

void CDbPunchHoleObject::translate(GeoPoint2D& delta)
{
    if (delta == GeoPoint2D())
        return;
    mCentre += delta;
    emitChanged();
}

void CDbPunchHoleObject::exchangeInfos(CDbAbstractObject* other)
{
    auto* hole = qobject_cast<CDbPunchHoleObject*>(other);
    if (!hole)
        throw std::invalid_argument(
            "CDbPunchHoleObject::exchangeInfos: the other object is not a punch hole");
    if (hole == this)
        return;
    std::swap(mCentre, hole->mCentre);
    emitChanged();
    hole->emitChanged();
}

bool CDbPunchHoleObject::sameContent(const CDbAbstractObject& other) const
{
    const auto* hole = qobject_cast<const CDbPunchHoleObject*>(&other);
    return hole && sameFlags(other) && mCentre == hole->mCentre;
}

bool CDbPunchHoleObject::hitTest(const GeoPoint2D& point, double tolerance) const
{
    return point.distance(mCentre) <= kDiameter / 2.0 + tolerance;
}

} // namespace VelSystem
