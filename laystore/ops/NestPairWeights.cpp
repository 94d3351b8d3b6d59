#include "laystore/ops/NestPairWeights.h"

#include "laystore/ops/NestLayout.h"

#include <algorithm>

namespace VelSystem {

namespace {
// An overlapping pair's weight grows by a factor between these, by its depth relative to
// the deepest overlap; a pair apart loses this part of its extra weight.
constexpr double kLeastGrowth = 1.2;
constexpr double kMostGrowth = 2.0;
constexpr double kDecay = 0.95;
} // namespace

NestPairWeights::NestPairWeights(int itemCount)
    : mCount(static_cast<size_t>(itemCount)), mWeights(mCount * mCount, 1.0)
{}

void NestPairWeights::reset()
{
    std::fill(mWeights.begin(), mWeights.end(), 1.0);
}

void NestPairWeights::update(const NestLayout& layout)
{
    const int n = layout.itemCount();
    double deepest = 0.0;
    for (int i = 0; i < n; ++i) {
        if (layout.itemOverlap(i) <= 0.0)
            continue;
        for (int j = i + 1; j < n; ++j)
            deepest = std::max(deepest, layout.overlap(i, j));
    }
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            double& w = mWeights[static_cast<size_t>(i) * mCount + static_cast<size_t>(j)];
            const double depth = layout.overlap(i, j);
            if (depth > 0.0)
                w *= kLeastGrowth + (kMostGrowth - kLeastGrowth) * depth / deepest;
            else
                w = std::max(1.0, 1.0 + (w - 1.0) * kDecay);
            mWeights[static_cast<size_t>(j) * mCount + static_cast<size_t>(i)] = w;
        }
    }
}

} // namespace VelSystem
