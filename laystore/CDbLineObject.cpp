#include "laystore/CDbLineObject.h"

#include "VelGeo/GeoBoost.h"

#include <stdexcept>
#include <utility>

namespace VelSystem {

namespace {

using Segment = bg::model::referring_segment<const GeoPoint2D>;

} // namespace

GeoRectangle CDbLineObject::boundingRect() const
{
    return GeoRectangle(mState.start, mState.end);
}

CDbAbstractObject* CDbLineObject::clone() const
{
    auto* copy = new CDbLineObject();
    copy->copyFlagsFrom(*this);
    copy->mState = mState;
    return copy;
}

bool CDbLineObject::isValid() const
{
    return mState.start.isFinite() && mState.end.isFinite();
}

void CDbLineObject::translate(GeoPoint2D& delta)
{
    if (delta == GeoPoint2D())
        return;
    mState.start += delta;
    mState.end += delta;
    emitChanged();
}

void CDbLineObject::exchangeInfos(CDbAbstractObject* other)
{
    auto* line = qobject_cast<CDbLineObject*>(other);
    if (!line)
        throw std::invalid_argument("CDbLineObject::exchangeInfos: the other object is not a line");
    if (line == this)
        return;
    std::swap(mState, line->mState);
    emitChanged();
    line->emitChanged();
}

bool CDbLineObject::sameContent(const CDbAbstractObject& other) const
{
    const auto* line = qobject_cast<const CDbLineObject*>(&other);
    return line && sameFlags(other) && mState == line->mState;
}

bool CDbLineObject::hitTest(const GeoPoint2D& point, double tolerance) const
{
    return bg::distance(point, Segment(mState.start, mState.end)) <= tolerance;
}

bool CDbLineObject::meets(const GeoPolygon2D& area) const
{
    return area.size() >= 3 && bg::intersects(Segment(mState.start, mState.end), toBgPolygon(area));
}

void CDbLineObject::setPoints(const GeoPoint2D& start, const GeoPoint2D& end)
{
    mState.start = start;
    mState.end = end;
    emitChanged();
}

void CDbLineObject::setText(const QString& text)
{
    mState.text = text;
    emitChanged();
}

} // namespace VelSystem
