#include "laystore/CDbGrPolysObject.h"

#include "VelGeo/GeoBoost.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerShareGlobales.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

namespace VelSystem {

namespace {

using Segment = bg::model::referring_segment<const GeoPoint2D>;

// A shared part at least this large (cm²) is a visible overlap, far above the rounding
// slivers between outlines laid edge to edge that GeoPolygon2D::overlaps ignores.
constexpr double kCertainOverlap = 1e-4;
constexpr double kPi = 3.14159265358979323846;

// Distance from `p` to the nearest edge of `outline`, leaving out the two edges at vertex
// `skip` (-1: none).
double distanceToEdges(const std::vector<GeoPoint2D>& outline, const GeoPoint2D& p, int skip)
{
    const int n = static_cast<int>(outline.size());
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        if (i != skip && j != skip)
            best = std::min(best, bg::comparable_distance(p, Segment(outline[static_cast<size_t>(i)],
                                                                     outline[static_cast<size_t>(j)])));
    }
    return std::sqrt(best);
}

// True when a vertex of `a` lies so deep inside `b` that the outlines surely overlap. Near a
// vertex, within a radius r that reaches neither `b`'s outline nor `a`'s other edges, `a` is
// the sector between the vertex's two edges, and that sector lies inside `b`.
bool sharesSector(const GeoPolygon2D& a, const GeoPolygon2D& b, const BgPolygon& bArea)
{
    const std::vector<GeoPoint2D>& points = a.points();
    const int n = a.size();
    const GeoRectangle bBox = b.boundingRect();
    const double orientation = a.signedArea() > 0.0 ? 1.0 : -1.0;
    for (int i = 0; i < n; ++i) {
        const GeoPoint2D& v = points[static_cast<size_t>(i)];
        if (!bBox.contains(v) || !bg::within(v, bArea))
            continue;
        const GeoPoint2D previous = points[static_cast<size_t>((i + n - 1) % n)] - v;
        const GeoPoint2D next = points[static_cast<size_t>((i + 1) % n)] - v;
        const double r = std::min({distanceToEdges(b.points(), v, -1), previous.module(), next.module(),
                                   distanceToEdges(points, v, i)});
        // The interior angle: from the next edge to the previous one, on the inside.
        double angle = std::atan2(orientation * next.cross(previous), next.dot(previous));
        if (angle < 0.0)
            angle += 2.0 * kPi;
        if (angle * r * r / 2.0 >= kCertainOverlap)
            return true;
    }
    return false;
}

// The host's overlap test, after a cheaper proof that settles most overlapping pairs.
bool outlinesOverlap(const GeoPolygon2D& a, const GeoPolygon2D& b)
{
    if (a.size() < 3 || b.size() < 3 || !a.boundingRect().intersect(b.boundingRect()))
        return false;
    if (sharesSector(a, b, toBgPolygon(b)) || sharesSector(b, a, toBgPolygon(a)))
        return true;
    return a.overlaps(b);
}

} // namespace

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
            if (!b.contours().isEmpty() && outlinesOverlap(outline, b.outline().toPolygon()))
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
