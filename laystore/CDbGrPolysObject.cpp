#include "laystore/CDbGrPolysObject.h"

#include "VelGeo/GeoBoost.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerShareGlobales.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace VelSystem {

CDbGrPolysObject::CDbGrPolysObject() = default;

CDbGrPolysObject::~CDbGrPolysObject() = default;

GeoRectangle CDbGrPolysObject::boundingRect() const
{
    GeoRectangle r;
    for (const CDbPolygon& p : mPolygons)
        r.include(p.boundingRect());
    return r;
}

CDbAbstractObject* CDbGrPolysObject::clone() const
{
    auto* copy = new CDbGrPolysObject();
    copy->copyFlagsFrom(*this);
    copy->mPolygons = mPolygons;
    copy->mSection = mSection;
    copy->mOverlapping = mOverlapping;
    copy->mNeedsIdCheck = mNeedsIdCheck;
    return copy;
}

CDbGrPolysObject* CDbGrPolysObject::clone(CDbMarkerDrawing* drawing, bool asPreview) const
{
    return static_cast<CDbGrPolysObject*>(CDbAbstractObject::clone(drawing, asPreview));
}

bool CDbGrPolysObject::isValid() const
{
    return !mPolygons.empty() &&
           std::all_of(mPolygons.begin(), mPolygons.end(), [](const CDbPolygon& p) { return p.isValid(); });
}

void CDbGrPolysObject::translate(GeoPoint2D& delta)
{
    if (isPlaced() && mAdjustOffset) {
        const CDbFabricObject* fabric = drawing()->fabric(fabricIndex());
        if (!fabric)
            throw std::logic_error("CDbGrPolysObject::translate: the group's fabric is gone");
        const double width = fabric->getFabricLayerWidth(layerIndex());
        const GeoRectangle r = boundingRect();
        if (CDbMarkerShareGlobales::instance()->getNoNegative())
            delta.x = std::max(delta.x, -r.xmin);
        // The top of the standby area first, so that a group taller than both areas keeps
        // its bottom on the fabric's edge.
        delta.y = std::min(delta.y, 2.0 * width - r.ymax);
        delta.y = std::max(delta.y, -r.ymin);
    }
    if (delta == GeoPoint2D())
        return;
    for (CDbPolygon& p : mPolygons)
        p.translate(delta);
    emitChanged();
}

void CDbGrPolysObject::exchangeInfos(CDbAbstractObject* other)
{
    auto* group = qobject_cast<CDbGrPolysObject*>(other);
    if (!group)
        throw std::invalid_argument("CDbGrPolysObject::exchangeInfos: the other object is not a piece group");
    if (group == this)
        return;
    std::swap(mPolygons, group->mPolygons);
    std::swap(mSection, group->mSection);
    // The check belongs to the polygons it is about.
    std::swap(mNeedsIdCheck, group->mNeedsIdCheck);
    emitChanged();
    group->emitChanged();
}

bool CDbGrPolysObject::sameContent(const CDbAbstractObject& other) const
{
    const auto* group = qobject_cast<const CDbGrPolysObject*>(&other);
    return group && sameFlags(other) && mSection == group->mSection && mPolygons == group->mPolygons;
}

bool CDbGrPolysObject::hitTest(const GeoPoint2D& point, double tolerance) const
{
    for (const CDbPolygon& p : mPolygons) {
        GeoRectangle r = p.boundingRect();
        r.expand(tolerance, tolerance);
        if (!r.contains(point))
            continue;
        const GeoPolygon2D outline = p.outline().toPolygon();
        if (outline.containsPoint(point) || outline.distanceToOutline(point) <= tolerance)
            return true;
    }
    return false;
}

bool CDbGrPolysObject::meets(const GeoPolygon2D& area) const
{
    if (area.size() < 3)
        return false;
    const BgPolygon bgArea = toBgPolygon(area);
    return std::any_of(mPolygons.begin(), mPolygons.end(), [&bgArea](const CDbPolygon& p) {
        return !p.contours().isEmpty() && bg::intersects(toBgPolygon(p.outline().toPolygon()), bgArea);
    });
}

bool CDbGrPolysObject::overlaps(const CDbGrPolysObject& other) const
{
    if (!boundingRect().intersect(other.boundingRect()))
        return false;
    for (const CDbPolygon& a : mPolygons) {
        if (a.contours().isEmpty())
            continue;
        const GeoPolygon2D outline = a.outline().toPolygon();
        for (const CDbPolygon& b : other.mPolygons) {
            if (!b.contours().isEmpty() && outline.overlaps(b.outline().toPolygon()))
                return true;
        }
    }
    return false;
}

double CDbGrPolysObject::area() const
{
    double total = 0.0;
    for (const CDbPolygon& p : mPolygons) {
        if (!p.isBlocking() && !p.contours().isEmpty())
            total += p.outline().toPolygon().area();
    }
    return total;
}

void CDbGrPolysObject::addPolygon(const CDbPolygon& polygon)
{
    mPolygons.push_back(polygon);
    emitChanged();
}

void CDbGrPolysObject::rotate(double degrees)
{
    const GeoPoint2D centre = boundingRect().center();
    for (CDbPolygon& p : mPolygons)
        p.rotate(degrees, centre);
    emitChanged();
}

void CDbGrPolysObject::mirrorHorizontally()
{
    const double axis = boundingRect().center().x;
    for (CDbPolygon& p : mPolygons)
        p.mirrorX(axis);
    emitChanged();
}

void CDbGrPolysObject::mirrorVertically()
{
    const double axis = boundingRect().center().y;
    for (CDbPolygon& p : mPolygons)
        p.mirrorY(axis);
    emitChanged();
}

void CDbGrPolysObject::removeInvalidGrPolysID(CDbMarkerDrawing* drawing, CDbFabricObject* fabric, short* code)
{
    const auto setCode = [code](short value) {
        if (code)
            *code = value;
    };
    if (!drawing || !fabric || drawing->fabricIndex(fabric) < 0)
        return setCode(1);
    const auto namesPiece = [fabric](const CDbPolygon& p) {
        const CDbPieceObject* piece = fabric->piece(p.pieceIndex());
        return piece && p.sizeIndex() >= 0 && p.sizeIndex() < piece->getNumberOfSizes();
    };
    std::vector<CDbPolygon> kept;
    for (const CDbPolygon& p : mPolygons) {
        if (namesPiece(p) || (p.isBlocking() && p.pieceIndex() == -1))
            kept.push_back(p);
    }
    if (std::none_of(kept.begin(), kept.end(), namesPiece))
        return setCode(1);
    mNeedsIdCheck = false;
    setCode(0);
    if (kept.size() == mPolygons.size())
        return;
    mPolygons = std::move(kept);
    emitChanged();
}

void CDbGrPolysObject::setOverlapping(bool overlapping)
{
    if (mOverlapping == overlapping)
        return;
    mOverlapping = overlapping;
    emitChanged();
}

} // namespace VelSystem
