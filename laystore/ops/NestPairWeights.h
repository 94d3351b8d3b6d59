#pragma once

#include <cstddef>
#include <vector>

namespace VelSystem {

class NestLayout;

// The penalties of a guided local search on pairs of items: pairs that keep overlapping
// weigh more and more, so that the search stops trading the same overlaps back and forth.
class NestPairWeights
{
public:
    explicit NestPairWeights(int itemCount);

    double at(int i, int j) const
    {
        return mWeights[static_cast<size_t>(i) * mCount + static_cast<size_t>(j)];
    }
    void reset();
    // Raises the weight of each overlapping pair of `layout`, the deepest the most, and lets
    // the weights of the other pairs fall back towards 1.
    void update(const NestLayout& layout);

private:
    size_t mCount;
    std::vector<double> mWeights;
};

} // namespace VelSystem
