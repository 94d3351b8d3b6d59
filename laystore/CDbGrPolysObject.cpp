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
// Shared parts below this (cm²) are those slivers: even a 1e-10 cm seam over a 100 m marker
// stays below it.
constexpr double kSliverArea = 1e-8;
// How far off an outline a computed crossing point of two outlines may land, relative to the
// size of the two: Boost's overlay snaps its points to a grid over their extent (about 2e-8
// of it); bogus parts lie centimetres off.
constexpr double kOnOutline = 1e-6;
// How far inside an outline (cm) a corner lies beyond doubt.
constexpr double kClearOfOutline = 1e-7;
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

// True when every corner of `part` lies inside `outline` or within `tolerance` of it.
bool liesIn(const BgPolygon& part, const BgPolygon& outline, double tolerance)
{
    return std::all_of(part.outer().begin(), part.outer().end(),
                       [&](const GeoPoint2D& p) { return bg::distance(p, outline) <= tolerance; });
}

// True when a corner of `a` lies inside `b`, clear of its outline.
bool cornerInside(const GeoPolygon2D& a, const GeoPolygon2D& b, const BgPolygon& bArea)
{
    return std::any_of(a.points().begin(), a.points().end(), [&](const GeoPoint2D& v) {
        return bg::within(v, bArea) && distanceToEdges(b.points(), v, -1) > kClearOfOutline;
    });
}

// True when the outlines share more than a rounding sliver. Boost's overlay can answer a
// whole outline as the shared part of two outlines that only touch, with a corner on the
// other's edge (as a slide leaves them): a part counts only when it lies in both outlines.
// Where outlines touch along nearly parallel edges its rounding can also make up slivers:
// these count only when edges really cross or a corner lies inside the other outline.
bool sharesArea(const GeoPolygon2D& a, const GeoPolygon2D& b, const BgPolygon& aArea, const BgPolygon& bArea)
{
    GeoRectangle extent = a.boundingRect();
    extent.include(b.boundingRect());
    BgMultiPolygon common;
    bg::intersection(aArea, bArea, common);
    const double tolerance = kOnOutline * (extent.width() + extent.height());
    double shared = 0.0;
    for (const BgPolygon& part : common) {
        if (liesIn(part, aArea, tolerance) && liesIn(part, bArea, tolerance))
            shared += bg::area(part);
    }
    if (shared <= kSliverArea)
        return false;
    return shared >= kCertainOverlap || CDbGrPolysObject::outlinesCross(a, b) || cornerInside(a, b, bArea) ||
           cornerInside(b, a, aArea);
}

} // namespace

bool CDbGrPolysObject::outlinesOverlap(const GeoPolygon2D& a, const GeoPolygon2D& b)
{
    if (a.size() < 3 || b.size() < 3 || !a.boundingRect().intersect(b.boundingRect()))
        return false;
    const BgPolygon aArea = toBgPolygon(a);
    const BgPolygon bArea = toBgPolygon(b);
    // A cheaper proof settles most overlapping pairs.
    return sharesSector(a, b, bArea) || sharesSector(b, a, aArea) || sharesArea(a, b, aArea, bArea);
}

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

bool CDbGrPolysObject::outlinesCross(const GeoPolygon2D& a, const GeoPolygon2D& b)
{
    // Sides are told apart beyond rounding: the cross products compared are scaled by both
    // edges' lengths.
    constexpr double kSide = 1e-12;
    const int n = a.size();
    const int m = b.size();
    for (int i = 0; i < n; ++i) {
        const GeoPoint2D& p = a[i];
        const GeoPoint2D e = a[(i + 1) % n] - p;
        for (int j = 0; j < m; ++j) {
            const GeoPoint2D& q = b[j];
            const GeoPoint2D f = b[(j + 1) % m] - q;
            const double scale = kSide * e.module() * f.module();
            const double q0 = e.cross(q - p);
            const double q1 = e.cross(q + f - p);
            const double p0 = f.cross(p - q);
            const double p1 = f.cross(p + e - q);
            if (((q0 > scale && q1 < -scale) || (q0 < -scale && q1 > scale)) &&
                ((p0 > scale && p1 < -scale) || (p0 < -scale && p1 > scale)))
                return true;
        }
    }
    return false;
}

void CDbGrPolysObject::setOverlapping(bool overlapping)
{
    if (mOverlapping == overlapping)
        return;
    mOverlapping = overlapping;
    emitChanged();
}

} // namespace VelSystem
