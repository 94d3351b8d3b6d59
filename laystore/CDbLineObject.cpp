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
    return GeoRectangle(mStart, mEnd);
}

CDbAbstractObject* CDbLineObject::clone() const
{
    auto* copy = new CDbLineObject();
    copy->copyFlagsFrom(*this);
    copy->mStart = mStart;
    copy->mEnd = mEnd;
    copy->mText = mText;
    return copy;
}

bool CDbLineObject::isValid() const
{
    return mStart.isFinite() && mEnd.isFinite();
}

void CDbLineObject::translate(GeoPoint2D& delta)
{
    if (delta == GeoPoint2D())
        return;
    mStart += delta;
    mEnd += delta;
    emitChanged();
}

void CDbLineObject::exchangeInfos(CDbAbstractObject* other)
{
    auto* line = qobject_cast<CDbLineObject*>(other);
    if (!line)
        throw std::invalid_argument("CDbLineObject::exchangeInfos: the other object is not a line");
    if (line == this)
        return;
    std::swap(mStart, line->mStart);
    std::swap(mEnd, line->mEnd);
    emitChanged();
    line->emitChanged();
}

bool CDbLineObject::sameContent(const CDbAbstractObject& other) const
{
    const auto* line = qobject_cast<const CDbLineObject*>(&other);
    return line && sameFlags(other) && mStart == line->mStart && mEnd == line->mEnd && mText == line->mText;
}

bool CDbLineObject::hitTest(const GeoPoint2D& point, double tolerance) const
{
    return bg::distance(point, Segment(mStart, mEnd)) <= tolerance;
}

bool CDbLineObject::meets(const GeoPolygon2D& area) const
{
    return area.size() >= 3 && bg::intersects(Segment(mStart, mEnd), toBgPolygon(area));
}

void CDbLineObject::setPoints(const GeoPoint2D& start, const GeoPoint2D& end)
{
    mStart = start;
    mEnd = end;
    emitChanged();
}

void CDbLineObject::setText(const QString& text)
{
    mText = text;
    emitChanged();
}

} // namespace VelSystem
