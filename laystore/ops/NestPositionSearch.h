#pragma once

#include "VelGeo/GeoPoint2D.h"

#include <limits>
#include <random>

namespace VelSystem {

class NestLayout;
class NestPairWeights;

// Finds where one item overlaps the others least, weighted: samples over the whole area
// and around where the item lies, in each of its variants, then the best of them refined by
// steps along x and y that shrink as they stop paying.
class NestPositionSearch
{
public:
    struct Position
    {
        int variant = -1;
        GeoPoint2D corner;
        double cost = std::numeric_limits<double>::infinity();
    };

    // Without weights every pair weighs 1.
    NestPositionSearch(const NestLayout& layout, const NestPairWeights* weights);

    // The best position found for `item`: where it lies when nothing better turned up.
    Position search(int item, std::mt19937_64& random) const;
    // Weighted overlap of `item` laid in variant `v` at `corner` with every other laid item;
    // once it reaches `bound` the count stops, returning a value at least `bound`.
    double cost(int item, int v, const GeoPoint2D& corner, double bound) const;

private:
    void consider(int item, int v, const GeoPoint2D& corner, Position& best) const;
    void refine(int item, Position& position) const;

    const NestLayout& mLayout;
    const NestPairWeights* mWeights;
};

} // namespace VelSystem
