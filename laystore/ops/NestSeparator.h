#pragma once

#include "laystore/ops/NestPairWeights.h"

#include <random>

namespace VelSystem {

class NestBudget;
class NestLayout;

// Removes the overlaps of a layout by moving one overlapping item at a time to where it
// overlaps least, with guided local search's pair weights steering it out of local minima.
class NestSeparator
{
public:
    NestSeparator(int itemCount, std::mt19937_64& random);

    // Works on `layout` until nothing overlaps (true) or the search stops paying or the
    // budget runs out (false, `layout` then the least overlapping state found).
    bool separate(NestLayout& layout, NestBudget& budget);

private:
    // Moves every overlapping item once, in random order.
    void moveOverlapping(NestLayout& layout, NestBudget& budget);

    std::mt19937_64& mRandom;
    NestPairWeights mWeights;
};

} // namespace VelSystem
