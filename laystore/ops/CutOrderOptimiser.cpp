#include "laystore/ops/CutOrderOptimiser.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

namespace VelSystem {

namespace {

// At most this many start points are weighed per piece: a curved outline's every point would
// only slow the search for a few millimetres.
constexpr size_t kMaxCandidates = 16;
constexpr int kRounds = 2;

struct Stop
{
    CDbGrPolysObject* group;
    std::vector<int> candidates; // point indexes
    std::vector<GeoPoint2D> points;
    GeoRectangle box;
    int chosen = 0; // into candidates
    GeoPoint2D at() const { return points[static_cast<size_t>(chosen)]; }
};

Stop stopOf(CDbGrPolysObject* group)
{
    Stop stop{group, {}, {}, group->boundingRect()};
    const CDbVectorsObjectTable& outline = group->polygon(group->knifePolygonIndex()).cutOutline();
    std::vector<int> corners, others;
    for (int i = 0; i < outline.size(); ++i) {
        if (outline[i].type() == CDbMarkerPointObject::Corner)
            corners.push_back(i);
        else if (!outline[i].isNotch())
            others.push_back(i);
    }
    const std::vector<int>& pool = corners.empty() ? others : corners;
    const size_t step = std::max<size_t>(1, (pool.size() + kMaxCandidates - 1) / kMaxCandidates);
    for (size_t k = 0; k < pool.size(); k += step) {
        stop.candidates.push_back(pool[k]);
        stop.points.push_back(outline[pool[k]]);
    }
    if (stop.candidates.empty() && outline.size() > 0) {
        stop.candidates.push_back(0);
        stop.points.push_back(outline[0]);
    }
    return stop;
}

double boxDistance(const GeoRectangle& box, const GeoPoint2D& p)
{
    const double dx = std::max({box.xmin - p.x, 0.0, p.x - box.xmax});
    const double dy = std::max({box.ymin - p.y, 0.0, p.y - box.ymax});
    return std::hypot(dx, dy);
}

std::vector<Stop> nearestNeighbourTour(std::vector<Stop> stops)
{
    std::vector<Stop> tour;
    tour.reserve(stops.size());
    GeoPoint2D at;
    while (!stops.empty()) {
        double best = std::numeric_limits<double>::infinity();
        size_t bestStop = 0;
        for (size_t s = 0; s < stops.size(); ++s) {
            if (boxDistance(stops[s].box, at) >= best)
                continue;
            for (size_t c = 0; c < stops[s].points.size(); ++c) {
                const double d = at.distance(stops[s].points[c]);
                if (d < best) {
                    best = d;
                    bestStop = s;
                    stops[s].chosen = static_cast<int>(c);
                }
            }
        }
        tour.push_back(std::move(stops[bestStop]));
        stops[bestStop] = std::move(stops.back());
        stops.pop_back();
        at = tour.back().at();
    }
    return tour;
}

// Reverses stretches of the tour while that shortens it; the tour starts at the origin and
// ends at its last stop.
void twoOpt(std::vector<Stop>& tour)
{
    const int n = static_cast<int>(tour.size());
    const auto point = [&tour](int i) { return i < 0 ? GeoPoint2D() : tour[static_cast<size_t>(i)].at(); };
    for (bool improved = true; improved;) {
        improved = false;
        for (int i = 0; i < n - 1; ++i) {
            const GeoPoint2D a = point(i - 1), b = point(i);
            const double ab = a.distance(b);
            for (int j = i + 1; j < n; ++j) {
                const GeoPoint2D c = point(j);
                const double ac = a.distance(c);
                // One of the new edges must be shorter than the one it replaces.
                if (ac >= ab && j + 1 < n && b.distance(point(j + 1)) >= c.distance(point(j + 1)))
                    continue;
                const double before = ab + (j + 1 < n ? c.distance(point(j + 1)) : 0.0);
                const double after = ac + (j + 1 < n ? b.distance(point(j + 1)) : 0.0);
                if (after < before - 1e-9) {
                    std::reverse(tour.begin() + i, tour.begin() + j + 1);
                    improved = true;
                    break;
                }
            }
        }
    }
}

// Each stop's start point chosen again for the stops before and after it.
void chooseStartPoints(std::vector<Stop>& tour)
{
    for (size_t i = 0; i < tour.size(); ++i) {
        const GeoPoint2D before = i == 0 ? GeoPoint2D() : tour[i - 1].at();
        Stop& stop = tour[i];
        double best = std::numeric_limits<double>::infinity();
        for (size_t c = 0; c < stop.points.size(); ++c) {
            double cost = before.distance(stop.points[c]);
            if (i + 1 < tour.size())
                cost += stop.points[c].distance(tour[i + 1].at());
            if (cost < best) {
                best = cost;
                stop.chosen = static_cast<int>(c);
            }
        }
    }
}

} // namespace

std::vector<CutOrderOptimiser::Choice> CutOrderOptimiser::optimise(const CDbFabricObject& fabric, short layer)
{
    std::vector<Stop> stops;
    for (CDbGrPolysObject* group : fabric.groupsInCutOrder(layer))
        stops.push_back(stopOf(group));
    std::vector<Stop> tour = nearestNeighbourTour(std::move(stops));
    for (int round = 0; round < kRounds; ++round) {
        twoOpt(tour);
        chooseStartPoints(tour);
    }
    std::vector<Choice> choices;
    choices.reserve(tour.size());
    for (const Stop& stop : tour)
        choices.push_back({stop.group, stop.candidates[static_cast<size_t>(stop.chosen)]});
    return choices;
}

int CutOrderOptimiser::apply(DocumentMak& document, CDbFabricObject* fabric, short layer)
{
    QListEx<CDbAbstractObject*> changed, before;
    const std::vector<Choice> choices = optimise(*fabric, layer);
    for (size_t i = 0; i < choices.size(); ++i) {
        CDbGrPolysObject* group = choices[i].group;
        CDbPolygon& knife = group->polygon(group->knifePolygonIndex());
        const short rank = static_cast<short>(i + 1);
        if (group->polygon(0).getPolygonCutRank() == rank &&
            knife.knifeStartIndex() == choices[i].startIndex &&
            knife.cutOutline()[choices[i].startIndex].hasFeature(PointFeature::StartPoint))
            continue;
        before.append(group->clone(document.drawing(), true));
        changed.append(group);
        knife.setKnifeStartIndex(choices[i].startIndex);
        group->setCutRankKey(rank);
    }
    if (!changed.isEmpty()) {
        document.pushReplaceCmdUndo(before, changed, fabric, layer,
                                    QCoreApplication::translate("VelSystem::SequenceCmd", "Sequence"));
        document.emitModified();
    }
    return changed.size();
}

} // namespace VelSystem
