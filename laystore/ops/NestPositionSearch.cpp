#include "laystore/ops/NestPositionSearch.h"

#include "laystore/ops/NestLayout.h"
#include "laystore/ops/NestPairWeights.h"

#include <algorithm>

namespace VelSystem {

namespace {
// Samples per variant over the whole area and near the item's own place.
constexpr int kAreaSamples = 32;
constexpr int kNearSamples = 24;
// Near samples fall within this part of the item's size around where it lies.
constexpr double kNearReach = 0.5;
// The refinement starts with steps of this part of the item's size, and takes at most
// so many steps (each step halving or growing).
constexpr double kFirstStep = 0.1;
constexpr int kMostSteps = 200;
} // namespace

NestPositionSearch::NestPositionSearch(const NestLayout& layout, const NestPairWeights* weights)
    : mLayout(layout), mWeights(weights)
{}

double NestPositionSearch::cost(int item, int v, const GeoPoint2D& corner, double bound) const
{
    double total = 0.0;
    bool over = false;
    mLayout.forEachNear(v, corner.x, corner.y, [&](int j) {
        if (over || j == item)
            return;
        const double overlap = mLayout.overlapAgainst(j, item, v, corner.x, corner.y);
        if (overlap > 0.0) {
            total += (mWeights ? mWeights->at(item, j) : 1.0) * overlap;
            over = total >= bound;
        }
    });
    return total;
}

void NestPositionSearch::consider(int item, int v, const GeoPoint2D& corner, Position& best) const
{
    const double c = cost(item, v, corner, best.cost);
    if (c < best.cost)
        best = {v, corner, c};
}

NestPositionSearch::Position NestPositionSearch::search(int item, std::mt19937_64& random) const
{
    Position best;
    const bool placed = mLayout.isPlaced(item);
    const GeoPoint2D here = mLayout.corner(item);
    if (placed) {
        best.variant = mLayout.variantOf(item);
        best.corner = here;
        best.cost = cost(item, best.variant, here, std::numeric_limits<double>::infinity());
        if (best.cost == 0.0)
            return best;
    }
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const NestGeometry& geometry = mLayout.geometry();
    for (int v : geometry.items()[static_cast<size_t>(item)].variants) {
        const GeoRectangle range = mLayout.cornerRange(v);
        if (range.xmax < range.xmin || range.ymax < range.ymin)
            continue;
        for (int s = 0; s < kAreaSamples && best.cost > 0.0; ++s)
            consider(item, v,
                     {range.xmin + unit(random) * (range.xmax - range.xmin),
                      range.ymin + unit(random) * (range.ymax - range.ymin)},
                     best);
        if (!placed)
            continue;
        const NestGeometry::Variant& var = geometry.variant(v);
        const double rx = kNearReach * var.width, ry = kNearReach * var.height;
        for (int s = 0; s < kNearSamples && best.cost > 0.0; ++s)
            consider(item, v,
                     mLayout.clamped(v, {here.x + (2.0 * unit(random) - 1.0) * rx,
                                         here.y + (2.0 * unit(random) - 1.0) * ry}),
                     best);
    }
    if (best.variant >= 0)
        refine(item, best);
    return best;
}

void NestPositionSearch::refine(int item, Position& position) const
{
    const NestGeometry& geometry = mLayout.geometry();
    const NestGeometry::Variant& var = geometry.variant(position.variant);
    const double smallest = geometry.tolerance() * 0.5;
    double sx = std::max(kFirstStep * var.width, smallest);
    double sy = std::max(kFirstStep * var.height, smallest);
    const double largestX = sx * 4.0, largestY = sy * 4.0;
    for (int steps = 0; steps < kMostSteps && position.cost > 0.0 && (sx > smallest || sy > smallest);
         ++steps) {
        const GeoPoint2D moves[] = {{sx, 0.0}, {-sx, 0.0}, {0.0, sy}, {0.0, -sy}};
        Position best = position;
        for (const GeoPoint2D& step : moves) {
            const GeoPoint2D corner = mLayout.clamped(position.variant, position.corner + step);
            if (corner != position.corner)
                consider(item, position.variant, corner, best);
        }
        if (best.cost < position.cost) {
            position = best;
            sx = std::min(sx * 1.5, largestX);
            sy = std::min(sy * 1.5, largestY);
        } else {
            sx *= 0.5;
            sy *= 0.5;
        }
    }
}

} // namespace VelSystem
