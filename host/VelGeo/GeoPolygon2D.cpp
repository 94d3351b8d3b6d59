#include "VelGeo/GeoPolygon2D.h"

#include "VelGeo/GeoBoost.h"
#include "VelGeo/GeoClipper.h"
#include "VelGeo/GeoRegion.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <map>
#include <numeric>
#include <stdexcept>
#include <string>
#include <utility>

namespace VelSystem {

namespace {

// Shared areas below this (cm²) are rounding slivers between outlines placed edge to edge,
// not an overlap a user could see: even a 1e-10 cm seam over a 100 m marker stays below it.
constexpr double kOverlapAreaTolerance = 1e-8;

using BgOpenRing = bg::model::ring<GeoPoint2D, false, false>;
using BgLinestring = bg::model::linestring<GeoPoint2D>;

// The outline as a closed polyline, for distances to the edges themselves.
BgLinestring outlineOf(const std::vector<GeoPoint2D>& points)
{
    BgLinestring line(points.begin(), points.end());
    line.push_back(points.front());
    return line;
}

void checkIndex(int i, int limit, const char* operation)
{
    if (i < 0 || i > limit)
        throw std::out_of_range(std::string("GeoPolygon2D::") + operation + ": vertex index " +
                                std::to_string(i) + " outside 0.." + std::to_string(limit));
}

using Segment = bg::model::referring_segment<const GeoPoint2D>;

// A shared part at least this large (cm²) is a visible overlap, far above the rounding
// slivers (below kOverlapAreaTolerance) between outlines laid edge to edge.
constexpr double kCertainOverlap = 1e-4;
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
    if (shared <= kOverlapAreaTolerance)
        return false;
    return shared >= kCertainOverlap || a.crosses(b) || cornerInside(a, b, bArea) ||
           cornerInside(b, a, aArea);
}

// Parts of a split thinner than this (cm: twice the area over the perimeter) are what is left of
// an edge lying on the line, not pieces to cut.
constexpr double kThinnestPart = 1e-4;
// The simplification tolerance is halved until nothing crosses, at most this often; what is
// left to remove by then lies well below any visible distance.
constexpr int kSimplifyAttempts = 24;
// A vertex on a curved stretch turns by more than a straight edge's rounding (degrees).
constexpr double kStraightTurn = 0.01;

// A frame whose x axis is a cut line: on the grid the line is exact, so every vertex that
// rounds onto it lies on both sides of the cut alike.
struct LineFrame
{
    GeoPoint2D origin, along;

    GeoPoint2D toLine(const GeoPoint2D& p) const { return {along.dot(p - origin), along.cross(p - origin)}; }
    GeoPoint2D fromLine(const GeoPoint2D& p) const
    {
        return origin + along * p.x + GeoPoint2D(-along.y, along.x) * p.y;
    }
};

// The pieces of `path` (in the line's frame) on one side of the line, counter-clockwise.
ClipperLib::Paths clipToSide(const ClipperLib::Path& path, bool left)
{
    double reach = 1.0;
    for (const ClipperLib::IntPoint& p : path)
        reach = std::max({reach, 2.0 * std::fabs(toGeoPoint(p).x), 2.0 * std::fabs(toGeoPoint(p).y)});
    const double far = left ? reach : -reach;
    ClipperLib::Clipper clipper;
    clipper.PreserveCollinear(true); // vertices on straight edges carry notches and marks
    clipper.StrictlySimple(true);
    clipper.AddPath(path, ClipperLib::ptSubject, true);
    clipper.AddPath(toClipperPath(GeoPolygon2D({{-reach, 0.0}, {reach, 0.0}, {reach, far}, {-reach, far}})),
                    ClipperLib::ptClip, true);
    ClipperLib::Paths pieces;
    clipper.Execute(ClipperLib::ctIntersection, pieces, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    return pieces;
}

// `piece` with the vertices on the line (sorted along it) put back where its edges run along
// the line: Clipper drops them there even when told to keep collinear vertices.
ClipperLib::Path withVerticesOnLine(const ClipperLib::Path& piece, const ClipperLib::Path& onLine)
{
    ClipperLib::Path restored;
    for (size_t i = 0; i < piece.size(); ++i) {
        const ClipperLib::IntPoint& p = piece[i];
        const ClipperLib::IntPoint& q = piece[(i + 1) % piece.size()];
        restored.push_back(p);
        if (p.Y != 0 || q.Y != 0)
            continue;
        const auto between = [&](const ClipperLib::IntPoint& v) {
            return std::min(p.X, q.X) < v.X && v.X < std::max(p.X, q.X);
        };
        if (p.X < q.X)
            std::copy_if(onLine.begin(), onLine.end(), std::back_inserter(restored), between);
        else
            std::copy_if(onLine.rbegin(), onLine.rend(), std::back_inserter(restored), between);
    }
    return restored;
}

// The parts of `outline` on one side of the line (`left`: positive y in the line's frame),
// traced back to its vertices.
std::vector<GeoPolygon2D::Derived> sideOf(const GeoPolygon2D& outline, const LineFrame& frame, bool left)
{
    ClipperLib::Path path;
    for (const GeoPoint2D& p : outline.points())
        path.push_back(toClipperPoint(frame.toLine(p)));
    std::map<std::pair<ClipperLib::cInt, ClipperLib::cInt>, int> vertexAt;
    ClipperLib::Path onLine;
    for (int i = 0; i < static_cast<int>(path.size()); ++i) {
        const ClipperLib::IntPoint& p = path[static_cast<size_t>(i)];
        if (vertexAt.emplace(std::make_pair(p.X, p.Y), i).second && p.Y == 0)
            onLine.push_back(p);
    }
    std::sort(onLine.begin(), onLine.end(), [](const auto& a, const auto& b) { return a.X < b.X; });

    std::vector<GeoPolygon2D::Derived> parts;
    for (const ClipperLib::Path& piece : clipToSide(path, left)) {
        GeoPolygon2D::Derived part;
        for (const ClipperLib::IntPoint& p : withVerticesOnLine(piece, onLine)) {
            const auto found = vertexAt.find({p.X, p.Y});
            part.sources.push_back(found == vertexAt.end() ? -1 : found->second);
            part.outline.append(found == vertexAt.end() ? frame.fromLine(toGeoPoint(p))
                                                        : outline[found->second]);
        }
        const double area = part.outline.signedArea();
        if (area <= 0.0 || 2.0 * area < kThinnestPart * part.outline.perimeter())
            continue;
        // Start at the first vertex in the split outline's own order, as an uncut outline does.
        const auto first = std::min_element(part.sources.begin(), part.sources.end(), [](int a, int b) {
            return static_cast<unsigned>(a) < static_cast<unsigned>(b); // -1 comes last
        });
        const auto shift = first - part.sources.begin();
        std::rotate(part.sources.begin(), first, part.sources.end());
        std::rotate(part.outline.points().begin(), part.outline.points().begin() + shift,
                    part.outline.points().end());
        parts.push_back(std::move(part));
    }
    std::sort(parts.begin(), parts.end(), [](const GeoPolygon2D::Derived& a, const GeoPolygon2D::Derived& b) {
        return a.sources.front() < b.sources.front();
    });
    return parts;
}

// How far the outline turns at each vertex, in degrees (positive to the left); vertices that
// repeat a neighbour take the turn between the edges beside them.
std::vector<double> turnsOf(const std::vector<GeoPoint2D>& points)
{
    const int n = static_cast<int>(points.size());
    auto at = [&](int i) -> const GeoPoint2D& { return points[static_cast<size_t>(((i % n) + n) % n)]; };
    std::vector<double> turns(points.size(), 0.0);
    for (int i = 0; i < n; ++i) {
        int before = i - 1, after = i + 1;
        while (before > i - n && at(before) == at(i))
            --before;
        while (after < i + n && at(after) == at(i))
            ++after;
        const GeoPoint2D in = at(i) - at(before);
        const GeoPoint2D out = at(after) - at(i);
        turns[static_cast<size_t>(i)] = std::atan2(in.cross(out), in.dot(out)) * 180.0 / kPi;
    }
    return turns;
}

// Indexes of the vertices of `outline` that Boost's simplification of the ring starting at
// `start` keeps, in order; empty when fewer than three are left or they cross.
std::vector<int> simplifiedVertices(const GeoPolygon2D& outline, int start, double tolerance)
{
    using BgRing = bg::model::ring<GeoPoint2D, false, true>;
    const std::vector<GeoPoint2D>& points = outline.points();
    const int n = outline.size();
    BgRing ring(points.begin() + start, points.end());
    ring.insert(ring.end(), points.begin(), points.begin() + start + 1);
    BgRing simple;
    bg::simplify(ring, simple, tolerance);
    std::vector<int> kept;
    int at = start;
    for (size_t k = 0; k + 1 < simple.size(); ++k) {
        for (int step = 0; step < n && points[static_cast<size_t>(at)] != simple[k]; ++step)
            at = (at + 1) % n;
        kept.push_back(at);
    }
    if (kept.size() < 3)
        return {};
    std::vector<GeoPoint2D> keptPoints;
    for (int i : kept)
        keptPoints.push_back(points[static_cast<size_t>(i)]);
    return GeoPolygon2D(keptPoints).isSimple() ? kept : std::vector<int>();
}

} // namespace

BgPolygon toBgPolygon(const GeoPolygon2D& outline)
{
    BgPolygon polygon;
    auto& ring = polygon.outer();
    ring.assign(outline.points().begin(), outline.points().end());
    if (!ring.empty() && ring.front() != ring.back())
        ring.push_back(ring.front());
    // Reverses a clockwise ring so that every algorithm sees the declared orientation.
    bg::correct(polygon);
    return polygon;
}

void GeoPolygon2D::insert(int i, const GeoPoint2D& p)
{
    checkIndex(i, size(), "insert");
    mPoints.insert(mPoints.begin() + i, p);
}

void GeoPolygon2D::remove(int i)
{
    checkIndex(i, size() - 1, "remove");
    mPoints.erase(mPoints.begin() + i);
}

GeoRectangle GeoPolygon2D::boundingRect() const
{
    GeoRectangle r;
    for (const GeoPoint2D& p : mPoints)
        r.include(p);
    return r;
}

double GeoPolygon2D::signedArea() const
{
    return bg::area(BgOpenRing(mPoints.begin(), mPoints.end()));
}

double GeoPolygon2D::area() const
{
    return std::fabs(signedArea());
}

double GeoPolygon2D::perimeter() const
{
    return bg::perimeter(BgOpenRing(mPoints.begin(), mPoints.end()));
}

GeoPoint2D GeoPolygon2D::centroid() const
{
    if (mPoints.empty())
        return GeoPoint2D();
    GeoPoint2D c;
    if (signedArea() != 0.0)
        bg::centroid(toBgPolygon(*this), c);
    else if (perimeter() != 0.0)
        bg::centroid(outlineOf(mPoints), c); // a flat outline: the middle of its edges
    else
        c = mPoints.front();
    return c;
}

bool GeoPolygon2D::containsPoint(const GeoPoint2D& p) const
{
    if (size() < 3)
        return !isEmpty() && distanceToOutline(p) == 0.0;
    return bg::covered_by(p, toBgPolygon(*this));
}

double GeoPolygon2D::distanceToOutline(const GeoPoint2D& p) const
{
    if (mPoints.empty())
        return std::numeric_limits<double>::infinity();
    return bg::distance(p, outlineOf(mPoints));
}

// Boost 1.74 has no closest-point query, so each edge's nearest point is found by hand.
GeoPoint2D GeoPolygon2D::nearestOutlinePoint(const GeoPoint2D& p) const
{
    GeoPoint2D nearest = p;
    double best = std::numeric_limits<double>::infinity();
    const int n = size();
    for (int i = 0; i < n; ++i) {
        const GeoPoint2D& a = mPoints[static_cast<size_t>(i)];
        const GeoPoint2D edge = mPoints[static_cast<size_t>((i + 1) % n)] - a;
        const double lengthSquared = edge.dot(edge);
        const double along =
            lengthSquared > 0.0 ? std::clamp((p - a).dot(edge) / lengthSquared, 0.0, 1.0) : 0.0;
        const GeoPoint2D candidate = a + edge * along;
        const GeoPoint2D offset = p - candidate;
        if (offset.dot(offset) < best) {
            best = offset.dot(offset);
            nearest = candidate;
        }
    }
    return nearest;
}

bool GeoPolygon2D::overlaps(const GeoPolygon2D& o) const
{
    if (size() < 3 || o.size() < 3 || !boundingRect().intersect(o.boundingRect()))
        return false;
    const BgPolygon area = toBgPolygon(*this);
    const BgPolygon otherArea = toBgPolygon(o);
    // A cheaper proof settles most overlapping pairs.
    return sharesSector(*this, o, otherArea) || sharesSector(o, *this, area) ||
           sharesArea(*this, o, area, otherArea);
}

bool GeoPolygon2D::crosses(const GeoPolygon2D& o) const
{
    // Sides are told apart beyond rounding: the cross products compared are scaled by both
    // edges' lengths.
    constexpr double kSide = 1e-12;
    const int n = size();
    const int m = o.size();
    for (int i = 0; i < n; ++i) {
        const GeoPoint2D& p = (*this)[i];
        const GeoPoint2D e = (*this)[(i + 1) % n] - p;
        for (int j = 0; j < m; ++j) {
            const GeoPoint2D& q = o[j];
            const GeoPoint2D f = o[(j + 1) % m] - q;
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

bool GeoPolygon2D::isFinite() const
{
    for (const GeoPoint2D& p : mPoints) {
        if (!p.isFinite())
            return false;
    }
    return true;
}

bool GeoPolygon2D::isSimple() const
{
    // Boost's validity test refuses crossings, an edge touching another, spikes and rings
    // without area; on its own it lets repeated vertices pass.
    return size() >= 3 && isFinite() && bg::is_valid(toBgPolygon(*this));
}

bool GeoPolygon2D::encloses(const GeoPolygon2D& o) const
{
    GeoRectangle reach = boundingRect();
    reach.expand(1.0 / kClipperScale, 1.0 / kClipperScale);
    if (o.isEmpty() || !reach.contains(o.boundingRect()))
        return false;
    if (o.area() == 0.0)
        return size() >= 3 && bg::covered_by(outlineOf(o.mPoints), toBgPolygon(*this));
    return GeoRegion(o).subtracted(GeoRegion(*this)).isEmpty();
}

bool GeoPolygon2D::orientCounterClockwise()
{
    if (!(signedArea() < 0.0))
        return false;
    std::reverse(mPoints.begin(), mPoints.end());
    return true;
}

GeoPolygon2D::Split GeoPolygon2D::splitAlong(const GeoPoint2D& a, const GeoPoint2D& b) const
{
    if (!a.isFinite() || !b.isFinite() || a == b)
        throw std::invalid_argument("GeoPolygon2D::splitAlong: the line needs two distinct, finite points");
    if (!isFinite())
        throw std::invalid_argument(
            "GeoPolygon2D::splitAlong: an outline with a coordinate that is not finite");
    const LineFrame frame{a, (b - a) / (b - a).module()};
    Split split;
    if (size() < 3 || area() == 0.0)
        return split;
    split.left = sideOf(*this, frame, true);
    split.right = sideOf(*this, frame, false);
    return split;
}

GeoPolygon2D::Split GeoPolygon2D::splitAlong(const GeoPoint2D& through, double degrees) const
{
    return splitAlong(through, through + GeoPoint2D(1.0, 0.0).rotated(degrees));
}

GeoPolygon2D::Simplified GeoPolygon2D::simplified(double tolerance, double cornerDegrees) const
{
    const int n = size();
    const std::vector<double> turns = turnsOf(mPoints);
    std::vector<int> kept;
    if (n > 3 && tolerance > 0.0 && isSimple()) {
        // Boost keeps a ring's first point: start at the sharpest corner, which stays anyway.
        const int start = static_cast<int>(
            std::max_element(turns.begin(), turns.end(),
                             [](double a, double b) { return std::fabs(a) < std::fabs(b); }) -
            turns.begin());
        double t = tolerance;
        for (int attempt = 0; kept.empty() && attempt < kSimplifyAttempts; ++attempt, t /= 2.0)
            kept = simplifiedVertices(*this, start, t);
    }
    if (kept.empty()) {
        kept.resize(mPoints.size());
        std::iota(kept.begin(), kept.end(), 0);
    }
    std::sort(kept.begin(), kept.end()); // back in this outline's order
    auto gentle = [&](int i) {
        const double turn = std::fabs(turns[static_cast<size_t>((i + n) % n)]);
        return turn > kStraightTurn && turn < cornerDegrees;
    };
    Simplified result;
    for (int i : kept) {
        result.outline.append(mPoints[static_cast<size_t>(i)]);
        result.sources.push_back(i);
        result.onCurve.push_back(std::fabs(turns[static_cast<size_t>(i)]) < cornerDegrees &&
                                 (gentle(i - 1) || gentle(i + 1)));
    }
    return result;
}

void GeoPolygon2D::translate(const GeoPoint2D& d)
{
    for (GeoPoint2D& p : mPoints)
        p += d;
}

void GeoPolygon2D::rotate(double degrees, const GeoPoint2D& centre)
{
    for (GeoPoint2D& p : mPoints)
        p = p.rotated(degrees, centre);
}

void GeoPolygon2D::mirrorX(double axis)
{
    for (GeoPoint2D& p : mPoints)
        p.mirrorX(axis);
}

void GeoPolygon2D::mirrorY(double axis)
{
    for (GeoPoint2D& p : mPoints)
        p.mirrorY(axis);
}

} // namespace VelSystem
