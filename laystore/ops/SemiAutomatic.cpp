#include "laystore/ops/SemiAutomatic.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace VelSystem {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Contacts closer together than this (cm) are one.
constexpr double kDistanceTolerance = 1e-9;
// A vertex this far (cm) past an edge at the start has crossed it into a sliver of overlap
// too small to count (outlines laid edge to edge): it is at the edge, not beyond it.
constexpr double kSliverDepth = 1e-3;
// How near an edge's end point (cm) a hit counts as landing on the corner: a vertex passing
// that close by a corner may only graze it, or enter so little that it leaves again.
constexpr double kCornerTolerance = 1e-4;

// The moments, along a slide, at which a vertex of one outline meets an edge of the other.
struct Contacts
{
    // The first moment a vertex certainly enters the other outline.
    double entry = kInfinity;
    // Moments a vertex meets an edge at (or next to) its end, another vertex: whether the
    // outlines then share area depends on the corners' shapes, which a probe settles.
    std::vector<double> cornerMeetings;
    // Every moment found: the outlines' overlap can only change at one of them.
    std::vector<double> all;
};

// Casts every vertex of `from` along `direction` onto the edges of `onto` (moving `from`, or
// equally `onto` the other way) and records the contacts.
void castVertices(const GeoPolygon2D& from, const GeoPolygon2D& onto, const GeoPoint2D& direction,
                  Contacts& contacts)
{
    // The outward side of an edge depends on the outline's orientation.
    const double outward = onto.signedArea() > 0.0 ? 1.0 : -1.0;
    const int n = onto.size();
    for (int i = 0; i < n; ++i) {
        const GeoPoint2D& q0 = onto[i];
        const GeoPoint2D edge = onto[(i + 1) % n] - q0;
        const double denominator = direction.cross(edge);
        // An edge along the slide only guides: a vertex sliding on it never enters through it.
        if (std::fabs(denominator) <= 1e-12 * edge.module())
            continue;
        const GeoPoint2D normal = GeoPoint2D(edge.y, -edge.x) * outward;
        const double endTolerance = kCornerTolerance / edge.module();
        for (const GeoPoint2D& p : from.points()) {
            // p + t * direction = q0 + s * edge
            const GeoPoint2D offset = q0 - p;
            const double t = offset.cross(edge) / denominator;
            const double s = offset.cross(direction) / denominator;
            if (t < -kSliverDepth || s < -endTolerance || s > 1.0 + endTolerance)
                continue;
            const double at = std::max(t, 0.0);
            contacts.all.push_back(at);
            if (s < endTolerance || s > 1.0 - endTolerance)
                contacts.cornerMeetings.push_back(at);
            else if (direction.dot(normal) < 0.0)
                contacts.entry = std::min(contacts.entry, at);
        }
    }
}

// The largest distance, at most `limit`, that `moving` can slide along the unit vector
// `direction` without sharing area with `obstacle` (touching is allowed).
double contactDistance(const GeoPolygon2D& moving, const GeoPolygon2D& obstacle, const GeoPoint2D& direction,
                       double limit)
{
    Contacts contacts;
    castVertices(moving, obstacle, direction, contacts);
    castVertices(obstacle, moving, -direction, contacts);
    double best = std::min(limit, contacts.entry);
    std::sort(contacts.cornerMeetings.begin(), contacts.cornerMeetings.end());
    std::sort(contacts.all.begin(), contacts.all.end());
    for (double meeting : contacts.cornerMeetings) {
        if (meeting >= best)
            break;
        // Between two consecutive contacts the overlap does not change: probe halfway. Right
        // after a corner meeting the outlines may share only a sliver, so the probe also looks
        // for crossing edges; outlines sliding along each other share area without any.
        const auto next =
            std::upper_bound(contacts.all.begin(), contacts.all.end(), meeting + kDistanceTolerance);
        const double end = next == contacts.all.end() ? best : std::min(*next, best);
        GeoPolygon2D probe = moving;
        probe.translate(direction * ((meeting + end) / 2.0));
        if (probe.crosses(obstacle) || probe.overlaps(obstacle))
            return meeting;
    }
    return best;
}

// How far the box may go along `direction` while keeping `low <= box[min]` and
// `box[max] <= high` on one axis (infinite when the slide does not move along that axis).
double bandLimit(double min, double max, double step, double low, double high)
{
    if (step < 0.0)
        return std::max((low - min) / step, 0.0);
    if (step > 0.0)
        return std::max((high - max) / step, 0.0);
    return kInfinity;
}

} // namespace

void SemiAutomatic::placementAccordingDirection(CDbMarkerDrawing* drawing, short mode,
                                                CDbFabricObject* fabric, short layer, CDbGrPolysObject* group,
                                                const GeoPoint2D& centre, const GeoPoint2D& target,
                                                short* code)
{
    const auto setCode = [code](short value) {
        if (code)
            *code = value;
    };
    auto* document = drawing ? qobject_cast<DocumentMak*>(drawing->document()) : nullptr;
    if (!document || !fabric || !group || mode != kSlideMode || drawing->fabricIndex(fabric) < 0 ||
        !fabric->layer(layer) || !group->isValid())
        return setCode(1);
    const GeoPoint2D path = target - centre;
    const double length = path.module();
    if (!(length > 0.0) || !std::isfinite(length))
        return setCode(2);
    const GeoPoint2D direction = path / length;

    // The area's edges, and the marker's end: the right of the other laid pieces. (Counting
    // the original of a copy changes nothing: its right is the copy's own.)
    const GeoRectangle box = group->boundingRect();
    const double width = fabric->getFabricLayerWidth(layer);
    const double bottom = group->section() == CDbGrPolysObject::SectionFabric ? 0.0 : width;
    double markerEnd = 0.0;
    for (const CDbGrPolysObject* other : fabric->layer(layer)->groups()) {
        if (other != group && other->section() == CDbGrPolysObject::SectionFabric)
            markerEnd = std::max(markerEnd, other->boundingRect().xmax);
    }
    double distance = std::min(bandLimit(box.xmin, box.xmax, direction.x, 0.0, markerEnd),
                               bandLimit(box.ymin, box.ymax, direction.y, bottom, bottom + width));

    // The obstacles: the other piece groups within the swept area.
    GeoRectangle swept = box;
    GeoRectangle end = box;
    end.translate(direction * distance);
    swept.include(end);
    const std::vector<GeoPolygon2D> moving = group->cutOutlines();
    for (CDbAbstractObject* object : document->objectsIn(swept, fabric, layer)) {
        auto* other = qobject_cast<CDbGrPolysObject*>(object);
        // What the group lies on at the start does not hold it back.
        if (!other || other == group || group->overlaps(*other))
            continue;
        for (const GeoPolygon2D& obstacle : other->cutOutlines()) {
            const GeoRectangle obstacleBox = obstacle.boundingRect();
            for (const GeoPolygon2D& outline : moving) {
                GeoRectangle reach = outline.boundingRect();
                GeoRectangle reachEnd = reach;
                reachEnd.translate(direction * distance);
                reach.include(reachEnd);
                if (reach.intersect(obstacleBox))
                    distance = contactDistance(outline, obstacle, direction, distance);
            }
        }
    }

    if (distance > 0.0) {
        GeoPoint2D delta = direction * distance;
        group->translate(delta);
    }
    setCode(0);
}

} // namespace VelSystem
