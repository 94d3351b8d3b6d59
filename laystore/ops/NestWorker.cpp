#include "laystore/ops/NestWorker.h"

#include "laystore/ops/NestBottomLeft.h"
#include "laystore/ops/NestBudget.h"
#include "laystore/ops/NestPositionSearch.h"
#include "laystore/ops/NestSeparator.h"

#include <algorithm>
#include <numeric>

namespace VelSystem {

namespace {
// Each try takes a random part of the best length out, up to a most that falls from the
// first to the last as the budget goes, so that the search gets finer towards its end.
constexpr double kFirstSqueeze = 0.02;
constexpr double kLastSqueeze = 0.001;
// Tries at one length, each from the last one's overlapping layout, before a smaller squeeze.
constexpr int kTriesPerLength = 4;
// Squeezes that fail make the next ones smaller, squeezes that succeed let them grow back:
// a tight layout is shortened in crumbs, a loose one in strides.
constexpr double kSqueezeFall = 0.5;
constexpr double kSqueezeGrowth = 1.25;
} // namespace

NestWorker::NestWorker(const NestGeometry& geometry, unsigned seed, NestBudget& budget, Offer improved)
    : mGeometry(geometry), mRandom(seed), mBudget(budget), mImproved(std::move(improved)),
      mSqueezeMost(kFirstSqueeze)
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
    const double start = mGeometry.problem().area.xmin;
    NestLayout trial = best;
    squeeze(trial, start + best.length() * (1.0 - squeezeShare()));
    int failures = 0;
    while (!mBudget.exhausted() && best.length() > 0.0) {
        if (separator.separate(trial, mBudget)) {
            best = trial;
            mImproved(best);
            failures = 0;
            mSqueezeMost = std::min(kFirstSqueeze, mSqueezeMost * kSqueezeGrowth);
        } else if (++failures % kTriesPerLength != 0) {
            // Still at this length: the overlapping layout is nearer a solution than a fresh
            // squeeze, once shaken out of where the search got stuck.
            disrupt(trial);
            continue;
        } else {
            mSqueezeMost = std::max(kLastSqueeze, mSqueezeMost * kSqueezeFall);
        }
        trial = best;
        squeeze(trial, start + best.length() * (1.0 - squeezeShare()));
    }
}

double NestWorker::squeezeShare()
{
    const double spent = mBudget.spent();
    const double most = std::min(mSqueezeMost, kFirstSqueeze * (1.0 - spent) + kLastSqueeze * spent);
    return std::uniform_real_distribution<double>(0.25 * most, most)(mRandom);
}

void NestWorker::disrupt(NestLayout& layout)
{
    std::vector<int> large = piecesBySize();
    large.erase(std::remove_if(large.begin(), large.end(), [&layout](int i) { return !layout.isPlaced(i); }),
                large.end());
    large.resize((large.size() + 1) / 2);
    if (large.size() < 2)
        return;
    std::uniform_int_distribution<size_t> pick(0, large.size() - 1);
    const int a = large[pick(mRandom)];
    int b = a;
    for (int tries = 0; tries < 10 && layout.variantOf(b) == layout.variantOf(a); ++tries)
        b = large[pick(mRandom)];
    if (layout.variantOf(b) == layout.variantOf(a))
        return;
    const int va = layout.variantOf(a), vb = layout.variantOf(b);
    const GeoPoint2D ca = layout.corner(a), cb = layout.corner(b);
    layout.place(a, va, layout.clamped(va, cb));
    layout.place(b, vb, layout.clamped(vb, ca));
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
