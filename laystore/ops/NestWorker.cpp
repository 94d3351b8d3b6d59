#include "laystore/ops/NestWorker.h"

#include "laystore/ops/NestBottomLeft.h"
#include "laystore/ops/NestBudget.h"
#include "laystore/ops/NestPositionSearch.h"
#include "laystore/ops/NestSeparator.h"

#include <algorithm>
#include <numeric>

namespace VelSystem {

namespace {
// Each try takes this part of the best length out; failures halve it down to the least,
// and a success lets it grow again.
constexpr double kFirstSqueeze = 0.02;
constexpr double kLeastSqueeze = 0.001;
constexpr double kMostSqueeze = 0.05;
} // namespace

NestWorker::NestWorker(const NestGeometry& geometry, unsigned seed, NestBudget& budget, Offer improved)
    : mGeometry(geometry), mRandom(seed), mBudget(budget), mImproved(std::move(improved))
{}

std::vector<int> NestWorker::piecesBySize() const
{
    std::vector<int> order;
    for (int i = 0; i < mGeometry.pieceCount(); ++i) {
        if (!mGeometry.items()[static_cast<size_t>(i)].variants.empty())
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return mGeometry.items()[static_cast<size_t>(a)].area >
               mGeometry.items()[static_cast<size_t>(b)].area;
    });
    return order;
}

NestLayout NestWorker::bottomLeft(const std::vector<int>& order) const
{
    NestLayout layout(mGeometry);
    NestBottomLeft placer(layout);
    for (int i : order)
        placer.place(i);
    return layout;
}

void NestWorker::shortenStrip()
{
    NestLayout best = bottomLeft(piecesBySize());
    mImproved(best);
    NestSeparator separator(best.itemCount(), mRandom);
    double share = kFirstSqueeze;
    const double start = mGeometry.problem().area.xmin;
    while (!mBudget.exhausted() && best.length() > 0.0) {
        NestLayout trial = best;
        squeeze(trial, start + best.length() * (1.0 - share));
        if (separator.separate(trial, mBudget)) {
            best = trial;
            mImproved(best);
            share = std::min(share * 1.5, kMostSqueeze);
        } else {
            share = std::max(share * 0.5, kLeastSqueeze);
        }
    }
}

void NestWorker::squeeze(NestLayout& layout, double end)
{
    const double start = mGeometry.problem().area.xmin;
    const double length = layout.length();
    const double cut = start + std::uniform_real_distribution<double>(0.0, length)(mRandom);
    const double taken = start + length - end;
    layout.setEnd(end);
    for (int i = 0; i < mGeometry.pieceCount(); ++i) {
        if (!layout.isPlaced(i))
            continue;
        const int v = layout.variantOf(i);
        GeoPoint2D corner = layout.corner(i);
        if (corner.x + mGeometry.variant(v).width / 2.0 > cut)
            corner.x -= taken;
        layout.place(i, v, layout.clamped(v, corner));
    }
}

void NestWorker::fillArea()
{
    const std::vector<int> order = piecesBySize();
    NestLayout best = bottomLeft(order);
    mImproved(best);
    NestSeparator separator(best.itemCount(), mRandom);
    bool inserted = true;
    while (inserted && !mBudget.exhausted()) {
        inserted = false;
        for (int i : order) {
            if (best.isPlaced(i) || mBudget.exhausted())
                continue;
            NestLayout trial = best;
            const NestPositionSearch::Position position =
                NestPositionSearch(trial, nullptr).search(i, mRandom);
            if (position.variant < 0)
                continue;
            trial.place(i, position.variant, position.corner);
            if (separator.separate(trial, mBudget)) {
                best = trial;
                mImproved(best);
                inserted = true;
            }
        }
    }
}

} // namespace VelSystem
