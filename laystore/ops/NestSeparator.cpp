#include "laystore/ops/NestSeparator.h"

#include "laystore/ops/NestBudget.h"
#include "laystore/ops/NestLayout.h"
#include "laystore/ops/NestPositionSearch.h"

#include <algorithm>
#include <vector>

namespace VelSystem {

namespace {
// Rounds of moves without a new least overlap before the search falls back to the least
// overlapping state; so many fall-backs in a row without progress end it.
constexpr int kRoundsWithoutProgress = 100;
constexpr int kStrikes = 3;
constexpr double kProgress = 0.98;
} // namespace

NestSeparator::NestSeparator(int itemCount, std::mt19937_64& random) : mRandom(random), mWeights(itemCount) {}

bool NestSeparator::separate(NestLayout& layout, NestBudget& budget)
{
    if (layout.isFeasible())
        return true;
    mWeights.reset();
    NestLayout least = layout;
    double leastOverlap = layout.totalOverlap();
    for (int strikes = 0; strikes < kStrikes && !budget.exhausted();) {
        bool progress = false;
        for (int rounds = 0; rounds < kRoundsWithoutProgress && !budget.exhausted();) {
            moveOverlapping(layout, budget);
            if (layout.isFeasible())
                return true;
            const double overlap = layout.totalOverlap();
            // Only a clear gain counts as progress: endless crumbs of it would keep a
            // hopeless search going.
            if (overlap < leastOverlap * kProgress) {
                progress = true;
                rounds = 0;
            } else {
                ++rounds;
            }
            if (overlap < leastOverlap) {
                least = layout;
                leastOverlap = overlap;
            }
            mWeights.update(layout);
        }
        strikes = progress ? 0 : strikes + 1;
        layout = least;
    }
    return false;
}

void NestSeparator::moveOverlapping(NestLayout& layout, NestBudget& budget)
{
    std::vector<int> overlapping;
    for (int i = 0; i < layout.geometry().pieceCount(); ++i) {
        if (layout.isPlaced(i) && layout.itemOverlap(i) > 0.0)
            overlapping.push_back(i);
    }
    std::shuffle(overlapping.begin(), overlapping.end(), mRandom);
    const NestPositionSearch search(layout, &mWeights);
    for (int i : overlapping) {
        if (budget.exhausted())
            return;
        if (layout.itemOverlap(i) <= 0.0)
            continue;
        const NestPositionSearch::Position best = search.search(i, mRandom);
        budget.countMove();
        if (best.variant >= 0 && (best.variant != layout.variantOf(i) || best.corner != layout.corner(i)))
            layout.place(i, best.variant, best.corner);
    }
}

} // namespace VelSystem
