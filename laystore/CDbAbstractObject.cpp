#include "laystore/CDbAbstractObject.h"

#include "VelGeo/GeoBoost.h"

namespace VelSystem {

bool CDbAbstractObject::mAdjustOffset = true;

CDbAbstractObject::CDbAbstractObject() = default;

CDbAbstractObject::~CDbAbstractObject() = default;

CDbAbstractObject* CDbAbstractObject::clone(CDbMarkerDrawing* drawing, bool asPreview) const
{
    CDbAbstractObject* copy = clone();
    copy->setPlacement(drawing, -1, -1);
    if (asPreview) {
        copy->setCloned(true);
        copy->setDragged(true);
        copy->setZHint(kPreviewZHint);
    }
    return copy;
}

void CDbAbstractObject::setDragged(bool dragged)
{
    if (mDragged == dragged)
        return;
    mDragged = dragged;
    emitChanged();
}

void CDbAbstractObject::clearPreviewState()
{
    mCloned = false;
    mZHint = 0.0;
    mPreview = nullptr;
    setDragged(false);
}

bool CDbAbstractObject::setSelected(bool selected)
{
    if (mSelected == selected)
        return false;
    mSelected = selected;
    emitChanged();
    return true;
}

void CDbAbstractObject::setPlacement(CDbMarkerDrawing* drawing, short fabricIndex, short layerIndex)
{
    mDrawing = drawing;
    mFabricIndex = fabricIndex;
    mLayerIndex = layerIndex;
}

bool CDbAbstractObject::isPlaced() const
{
    return mDrawing && mFabricIndex >= 0 && mLayerIndex >= 0;
}

bool CDbAbstractObject::hitTest(const GeoPoint2D& point, double tolerance) const
{
    GeoRectangle r = boundingRect();
    r.expand(tolerance, tolerance);
    return r.contains(point);
}

bool CDbAbstractObject::meets(const GeoPolygon2D& area) const
{
    const GeoRectangle r = boundingRect();
    return r.isValid() && area.size() >= 3 && bg::intersects(toBox(r), toBgPolygon(area));
}

void CDbAbstractObject::copyFlagsFrom(const CDbAbstractObject& other)
{
    mCloned = other.mCloned;
    mDragged = other.mDragged;
    mZHint = other.mZHint;
}

bool CDbAbstractObject::sameFlags(const CDbAbstractObject& other) const
{
    return mCloned == other.mCloned && mDragged == other.mDragged && mZHint == other.mZHint;
}

void CDbAbstractObject::emitChanged()
{
    emit changed(this);
}

} // namespace VelSystem
