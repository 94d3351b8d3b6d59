#include "laystore/ops/LinkMatching.h"

#include "VelCore/t_1_Based.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/DocumentMak.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace VelSystem {

namespace {

// Matching to a hundredth of a millimetre: finer than any cutter.
constexpr double kTolerance = 1e-3;
// How many whole repeats each way a matched piece may go to find a free place.
constexpr int kRepeatRings = 2;

// `value` brought into (-repeat / 2, repeat / 2].
double wrapped(double value, double repeat)
{
    double w = std::fmod(value, repeat);
    if (w > repeat / 2)
        w -= repeat;
    else if (w <= -repeat / 2)
        w += repeat;
    return w;
}

// The polygon of `group` that is piece `pieceIndex`, or null.
const CDbPolygon* polygonOfPiece(const CDbGrPolysObject& group, short pieceIndex)
{
    for (const CDbPolygon& polygon : group.polygons()) {
        if (polygon.pieceIndex() == pieceIndex && !polygon.isBlocking() && !polygon.contours().isEmpty())
            return &polygon;
    }
    return nullptr;
}

} // namespace

LinkMatching::LinkMatching(const CDbMarkerDrawing& drawing, short fabric, short layer,
                           const std::vector<const CDbGrPolysObject*>& alsoLaid)
    : mDrawing(drawing), mFabric(drawing.fabric(fabric)), mFabricIndex(fabric), mLayer(layer),
      mAlsoLaid(alsoLaid)
{
    // Most markers have no links: then no piece needs finding, and the engine, which asks for
    // every piece it lays, pays nothing.
    const CDbTwainLinkPiecesObjectTable* links = mFabric ? drawing.getLinkDoc()->links(fabric) : nullptr;
    if (!links || links->size() == 0)
        return;
    const QListEx<CDbGrPolysObject*> onLayer = mFabric->getPlaceGroupList(t_1_Based::fromZeroBased(mLayer));
    // The pieces about to be laid come after those laid already.
    std::vector<const CDbGrPolysObject*> laid(onLayer.begin(), onLayer.end());
    laid.insert(laid.end(), alsoLaid.begin(), alsoLaid.end());
    for (const CDbGrPolysObject* group : laid) {
        // Pieces waiting in the standby area are not on the plaid yet.
        if (group->section() != CDbGrPolysObject::SectionFabric)
            continue;
        for (const CDbPolygon& polygon : group->polygons()) {
            if (!polygon.isBlocking() && !polygon.contours().isEmpty())
                mLaid[polygon.pieceIndex()].append(group);
        }
    }
}

bool LinkMatching::laidEnd(const Link::End& end, GeoPoint2D* point, const CDbGrPolysObject** group,
                           const Stand& stand) const
{
    if (!mFabric || end.fabricIndex != mFabricIndex)
        return false;
    const CDbPolygon* polygon = stand.moving ? polygonOfPiece(*stand.moving, end.pieceIndex) : nullptr;
    if (polygon) {
        *group = stand.moving;
    } else {
        for (const CDbGrPolysObject* laid : mLaid.value(end.pieceIndex)) {
            if (laid != stand.replaced) {
                *group = laid;
                polygon = polygonOfPiece(*laid, end.pieceIndex);
                break;
            }
        }
    }
    if (!polygon)
        return false;
    const CDbMarkerPointObject* p = polygon->pieceOutline().endPoint(end.pointIndex, end.onContour);
    if (!p)
        return false;
    *point = *p;
    if (*group == stand.moving)
        *point += stand.shift;
    return true;
}

double LinkMatching::correction(const Link& link, bool alongX, double first, double second) const
{
    const double repeat = alongX ? mFabric->plaidRepeatX() : mFabric->plaidRepeatY();
    if (!(repeat > 0.0))
        return 0.0;
    const double origin = alongX ? mFabric->plaidOffsetX() : mFabric->plaidOffsetY();
    const double offset = alongX ? link.offsetX() : link.offsetY();
    const auto has = [&link, alongX](Link::Rule x, Link::Rule y) { return link.hasRule(alongX ? x : y); };
    const double u = first - origin, v = second - origin;
    double target;
    if (has(Link::IdenticalX, Link::IdenticalY))
        target = u + offset;
    else if (has(Link::SymmetricalX, Link::SymmetricalY))
        target = -u + offset;
    else if (has(Link::HalfWayX, Link::HalfWayY))
        target = u + repeat / 2;
    else if (has(Link::CenterX, Link::CenterY))
        target = repeat / 2;
    else if (has(Link::OnLineX, Link::OnLineY))
        target = offset;
    else
        return 0.0;
    return wrapped(target - v, repeat);
}

bool LinkMatching::rulesAxis(const Link& link, bool alongX) const
{
    const double repeat = alongX ? mFabric->plaidRepeatX() : mFabric->plaidRepeatY();
    const quint32 rules =
        alongX ? (Link::IdenticalX | Link::SymmetricalX | Link::HalfWayX | Link::CenterX | Link::OnLineX)
               : (Link::IdenticalY | Link::SymmetricalY | Link::HalfWayY | Link::CenterY | Link::OnLineY);
    return repeat > 0.0 && (link.rules() & rules) != 0;
}

bool LinkMatching::withinSwatch(const Link& link, const GeoPoint2D& first, const GeoPoint2D& second) const
{
    const auto within = [](double distance, double limit) {
        return limit < 0.0 || distance <= limit + kTolerance;
    };
    return within(std::abs(second.x - first.x), link.maxSwatchDistanceX()) &&
           within(std::abs(second.y - first.y), link.maxSwatchDistanceY());
}

bool LinkMatching::isMatched(const Link& link) const
{
    GeoPoint2D first, second;
    const CDbGrPolysObject *firstGroup = nullptr, *secondGroup = nullptr;
    if (!laidEnd(link.firstEnd(), &first, &firstGroup, Stand()) ||
        !laidEnd(link.secondEnd(), &second, &secondGroup, Stand()))
        return true;
    return std::abs(correction(link, true, first.x, second.x)) <= kTolerance &&
           std::abs(correction(link, false, first.y, second.y)) <= kTolerance &&
           withinSwatch(link, first, second);
}

int LinkMatching::unmatchedCount() const
{
    const CDbTwainLinkPiecesObjectTable* links = mDrawing.getLinkDoc()->links(mFabricIndex);
    int unmatched = 0;
    for (int n = 1; links && n <= links->size(); ++n)
        unmatched += isMatched(*links->link(n)) ? 0 : 1;
    return unmatched;
}

int LinkMatching::unmatchedOnCurrentLayer(const CDbMarkerDrawing& drawing)
{
    return LinkMatching(drawing, drawing.currentFabricIndex(), drawing.currentLayer()).unmatchedCount();
}

bool LinkMatching::matchingMove(const CDbGrPolysObject& group, GeoPoint2D* move) const
{
    return matchingMove(group, nullptr, GeoPoint2D(0, 0), move);
}

bool LinkMatching::matchingMove(const CDbGrPolysObject& group, const CDbGrPolysObject* replaced,
                                const GeoPoint2D& shift, GeoPoint2D* move) const
{
    const Stand stand{&group, replaced, shift};
    *move = GeoPoint2D(0, 0);
    const CDbTwainLinkPiecesObjectTable* links = mDrawing.getLinkDoc()->links(mFabricIndex);
    // Each axis is moved by the first link that rules it; the others must then hold too.
    bool foundX = false, foundY = false;
    std::vector<const Link*> tied;
    for (int n = 1; links && n <= links->size(); ++n) {
        const Link& link = *links->link(n);
        GeoPoint2D first, second;
        const CDbGrPolysObject *firstGroup = nullptr, *secondGroup = nullptr;
        if (!laidEnd(link.firstEnd(), &first, &firstGroup, stand) ||
            !laidEnd(link.secondEnd(), &second, &secondGroup, stand) || firstGroup == secondGroup ||
            (firstGroup != &group && secondGroup != &group))
            continue;
        tied.push_back(&link);
        // The move that matches this link: the second point's correction, or the first
        // point's move that does the same.
        const bool movesSecond = secondGroup == &group;
        const auto along = [&](bool alongX) {
            const double a = alongX ? first.x : first.y, b = alongX ? second.x : second.y;
            const double c = correction(link, alongX, a, b);
            if (movesSecond || std::abs(c) <= kTolerance)
                return c;
            // Moving the first point by d changes the target by d (by -d when mirrored).
            const bool mirrored = link.hasRule(alongX ? Link::SymmetricalX : Link::SymmetricalY);
            return mirrored ? c : -c;
        };
        if (!foundX && rulesAxis(link, true)) {
            move->x = along(true);
            foundX = true;
        }
        if (!foundY && rulesAxis(link, false)) {
            move->y = along(false);
            foundY = true;
        }
    }
    // Every link of the group must hold once it has moved.
    for (const Link* link : tied) {
        GeoPoint2D first, second;
        const CDbGrPolysObject *firstGroup = nullptr, *secondGroup = nullptr;
        laidEnd(link->firstEnd(), &first, &firstGroup, stand);
        laidEnd(link->secondEnd(), &second, &secondGroup, stand);
        (firstGroup == &group ? first : second) += *move;
        if (std::abs(correction(*link, true, first.x, second.x)) > kTolerance ||
            std::abs(correction(*link, false, first.y, second.y)) > kTolerance ||
            !withinSwatch(*link, first, second)) {
            *move = GeoPoint2D(0, 0);
            return false;
        }
    }
    return true;
}

bool LinkMatching::freeMatchingMove(const DocumentMak& document, const CDbGrPolysObject& moving,
                                    const CDbGrPolysObject* replaced, const GeoPoint2D& shift,
                                    GeoPoint2D* move) const
{
    GeoPoint2D matching;
    if (!matchingMove(moving, replaced, shift, &matching)) {
        *move = GeoPoint2D(0, 0);
        return false;
    }
    *move = matching;
    if (matching == GeoPoint2D(0, 0) || !mFabric)
        return true;
    // Whole repeats keep every phase; the swatch limits are checked again for each.
    std::vector<GeoPoint2D> candidates;
    const int ringsX = mFabric->plaidRepeatX() > 0.0 ? kRepeatRings : 0;
    const int ringsY = mFabric->plaidRepeatY() > 0.0 ? kRepeatRings : 0;
    for (int i = -ringsX; i <= ringsX; ++i) {
        for (int j = -ringsY; j <= ringsY; ++j)
            candidates.push_back(matching +
                                 GeoPoint2D(i * mFabric->plaidRepeatX(), j * mFabric->plaidRepeatY()));
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const GeoPoint2D& a, const GeoPoint2D& b) {
        return a.distance(GeoPoint2D(0, 0)) < b.distance(GeoPoint2D(0, 0));
    });
    const double width = mFabric->getFabricLayerWidth(mLayer);
    // One copy, moved from candidate to candidate.
    std::unique_ptr<CDbGrPolysObject> trial(static_cast<CDbGrPolysObject*>(moving.clone()));
    GeoPoint2D at(0, 0);
    const auto ignored = [&](const CDbAbstractObject* object) {
        return object == &moving || object == replaced || object->preview();
    };
    for (const GeoPoint2D& candidate : candidates) {
        GeoPoint2D step = shift + candidate - at;
        trial->translate(step);
        at = shift + candidate;
        GeoPoint2D check;
        const GeoRectangle box = trial->boundingRect();
        if (box.xmin < 0.0 || box.ymin < 0.0 || box.ymax > width ||
            !matchingMove(moving, replaced, shift + candidate, &check) || check != GeoPoint2D(0, 0))
            continue;
        if (document.overlapsGroupOn(*trial, const_cast<CDbFabricObject*>(mFabric), mLayer, ignored) ||
            std::any_of(mAlsoLaid.begin(), mAlsoLaid.end(), [&](const CDbGrPolysObject* other) {
                return !ignored(other) && trial->overlaps(*other);
            }))
            continue;
        *move = candidate;
        return true;
    }
    *move = GeoPoint2D(0, 0);
    return false;
}

} // namespace VelSystem
