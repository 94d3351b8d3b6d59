#pragma once

#include "laystore/ops/NestLayout.h"

#include <functional>
#include <random>
#include <vector>

namespace VelSystem {

class NestBudget;

// One search thread's work on a problem: a constructive layout first, then improvements
// for as long as the budget lasts. Every better layout found is offered to `improved`.
class NestWorker
{
public:
    using Offer = std::function<void(const NestLayout&)>;

    NestWorker(const NestGeometry& geometry, unsigned seed, NestBudget& budget, Offer improved);

    // Shortest strip: every piece laid bottom-left, largest first; then the strip is
    // shortened by squeezing a little length out of the best layout and removing the
    // overlaps this makes, again and again.
    void shortenStrip();
    // Fill: as many and as large pieces laid bottom-left as fit; then each piece left out,
    // largest first, is pushed in where it overlaps least and the overlaps removed.
    void fillArea();

private:
    // The pieces that can be laid, largest first.
    std::vector<int> piecesBySize() const;
    NestLayout bottomLeft(const std::vector<int>& order) const;
    // Takes `length` out of the layout at a random place along x, pulling what lies to the
    // right of it to the left; pieces then lie at most `end` along x, overlapping.
    void squeeze(NestLayout& layout, double end);
    // The part of the length the next squeeze takes out.
    double squeezeShare();
    // Swaps two of the larger laid pieces of different shapes.
    void disrupt(NestLayout& layout);

    const NestGeometry& mGeometry;
    std::mt19937_64 mRandom;
    NestBudget& mBudget;
    Offer mImproved;
    // The most the next squeeze may take, as a part of the length, before the time's cap.
    double mSqueezeMost;
};

} // namespace VelSystem
