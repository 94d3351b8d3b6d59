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
    copy->mLines = mLines;
    copy->mLetterSize = mLetterSize;
    copy->mAlignment = mAlignment;
    copy->mAngle = mAngle;
    copy->mWorkSection = mWorkSection;
    copy->mCentre = mCentre;
    copy->mExtent = mExtent;
    return copy;
}

bool CDbTextObject::isValid() const
{
    return mCentre.isFinite() && std::isfinite(mAngle) && mLetterSize > 0;
}

void CDbTextObject::translate(GeoPoint2D& delta)
{
    if (delta == GeoPoint2D())
        return;
    mCentre += delta;
    mExtent.translate(delta);
    emitChanged();
}

void CDbTextObject::exchangeInfos(CDbAbstractObject* other)
{
    auto* text = qobject_cast<CDbTextObject*>(other);
    if (!text)
        throw std::invalid_argument("CDbTextObject::exchangeInfos: the other object is not a text");
    if (text == this)
        return;
    std::swap(mCentre, text->mCentre);
    std::swap(mAngle, text->mAngle);
    std::swap(mWorkSection, text->mWorkSection);
    setMinAndMax();
    text->setMinAndMax();
    emitChanged();
    text->emitChanged();
}

bool CDbTextObject::sameContent(const CDbAbstractObject& other) const
{
    const auto* text = qobject_cast<const CDbTextObject*>(&other);
    return text && sameFlags(other) && mLines == text->mLines && mLetterSize == text->mLetterSize &&
           mAlignment == text->mAlignment && mAngle == text->mAngle && mWorkSection == text->mWorkSection &&
           mCentre == text->mCentre;
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
    mLines = lines;
    setMinAndMax();
    emitChanged();
}

void CDbTextObject::setLetterSize(short size)
{
    mLetterSize = size;
    setMinAndMax();
    emitChanged();
}

void CDbTextObject::setAlignment(int flags)
{
    mAlignment = flags;
    emitChanged();
}

Qt::Alignment CDbTextObject::horizontalAlignment() const
{
    if (mAlignment & Qt::AlignLeft)
        return Qt::AlignLeft;
    return mAlignment & Qt::AlignRight ? Qt::AlignRight : Qt::AlignHCenter;
}

void CDbTextObject::setAngle(double angle)
{
    mAngle = angle;
    setMinAndMax();
    emitChanged();
}

void CDbTextObject::setCentre(const GeoPoint2D& centre)
{
    mCentre = centre;
    setMinAndMax();
    emitChanged();
}

GeoPolygon2D CDbTextObject::outline() const
{
    int longest = 0;
    for (const QString& line : mLines)
        longest = std::max(longest, line.size());
    const double width = longest * characterWidth();
    const double height = mLines.size() * lineHeight();
    GeoPolygon2D box({{-width / 2.0, -height / 2.0},
                      {width / 2.0, -height / 2.0},
                      {width / 2.0, height / 2.0},
                      {-width / 2.0, height / 2.0}});
    box.translate(mCentre);
    box.rotate(mAngle, mCentre);
    return box;
}

void CDbTextObject::setMinAndMax()
{
    mExtent = outline().boundingRect();
}

} // namespace VelSystem
