#include "laystore/CDbTextObject.h"

#include "VelGeo/GeoBoost.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace VelSystem {

CDbTextObject::CDbTextObject()
{
    setMinAndMax();
}

GeoRectangle CDbTextObject::boundingRect() const
{
    return mExtent;
}

CDbAbstractObject* CDbTextObject::clone() const
{
    auto* copy = new CDbTextObject();
    copy->copyFlagsFrom(*this);
    copy->mState = mState;
    copy->mExtent = mExtent;
    return copy;
}

bool CDbTextObject::isValid() const
{
    return mState.centre.isFinite() && std::isfinite(mState.angle) && mState.letterSize > 0;
}

void CDbTextObject::translate(GeoPoint2D& delta)
{
    if (delta == GeoPoint2D())
        return;
    mState.centre += delta;
    // From the new centre, not moved along: a text read back from a file has the same extent
    // to the last bit.
    setMinAndMax();
    emitChanged();
}

void CDbTextObject::exchangeInfos(CDbAbstractObject* other)
{
    auto* text = qobject_cast<CDbTextObject*>(other);
    if (!text)
        throw std::invalid_argument("CDbTextObject::exchangeInfos: the other object is not a text");
    if (text == this)
        return;
    std::swap(mState, text->mState);
    std::swap(mExtent, text->mExtent);
    emitChanged();
    text->emitChanged();
}

bool CDbTextObject::sameContent(const CDbAbstractObject& other) const
{
    const auto* text = qobject_cast<const CDbTextObject*>(&other);
    return text && sameFlags(other) && mState == text->mState;
}

bool CDbTextObject::hitTest(const GeoPoint2D& point, double tolerance) const
{
    const GeoPolygon2D box = outline();
    return box.containsPoint(point) || box.distanceToOutline(point) <= tolerance;
}

bool CDbTextObject::meets(const GeoPolygon2D& area) const
{
    return area.size() >= 3 && bg::intersects(toBgPolygon(outline()), toBgPolygon(area));
}

void CDbTextObject::setLines(const QStringList& lines)
{
    mState.lines = lines;
    setMinAndMax();
    emitChanged();
}

void CDbTextObject::setLetterSize(short size)
{
    mState.letterSize = size;
    setMinAndMax();
    emitChanged();
}

void CDbTextObject::setAlignment(int flags)
{
    mState.alignment = flags;
    emitChanged();
}

Qt::Alignment CDbTextObject::horizontalAlignment() const
{
    if (mState.alignment & Qt::AlignLeft)
        return Qt::AlignLeft;
    return mState.alignment & Qt::AlignRight ? Qt::AlignRight : Qt::AlignHCenter;
}

void CDbTextObject::setAngle(double angle)
{
    mState.angle = angle;
    setMinAndMax();
    emitChanged();
}

void CDbTextObject::setWorkSection(short section)
{
    if (mState.workSection == section)
        return;
    mState.workSection = section;
    emitChanged();
}

void CDbTextObject::setCenter(const GeoPoint2D& center)
{
    mState.centre = center;
    setMinAndMax();
    emitChanged();
}

QSize CDbTextObject::getDimensionsCharacters() const
{
    int longest = 0;
    for (const QString& line : mState.lines)
        longest = std::max(longest, line.size());
    return {longest, mState.lines.size()};
}

GeoPolygon2D CDbTextObject::outline() const
{
    const QSize characters = getDimensionsCharacters();
    const double width = characters.width() * characterWidth();
    const double height = characters.height() * lineHeight();
    GeoPolygon2D box({{-width / 2.0, -height / 2.0},
                      {width / 2.0, -height / 2.0},
                      {width / 2.0, height / 2.0},
                      {-width / 2.0, height / 2.0}});
    box.translate(mState.centre);
    box.rotate(mState.angle, mState.centre);
    return box;
}

void CDbTextObject::setMinAndMax(short* code)
{
    mExtent = outline().boundingRect();
    if (code)
        *code = isValid() && getDimensionsCharacters().width() > 0 ? 0 : 1;
}

} // namespace VelSystem
