#pragma once

#include "laystore/ops/NestNoFitRegion.h"
#include "laystore/ops/NestProblem.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace VelSystem {

// The shapes of a nesting problem in every orientation they may take, and the no-fit
// regions between them. Copies of one shape share their orientations and regions; a region
// is computed on first use, once, and then shared by every worker thread.
class NestGeometry
{
public:
    // A shape in one orientation, moved so that its bounding box starts at the origin.
    struct Variant
    {
        std::vector<GeoPolygon2D> outlines;
        NestOrientation orientation;
        double width = 0.0, height = 0.0;
    };
    // A piece of the problem (first, in its order) or an obstacle (after them).
    struct Item
    {
        // The orientations that fit the area, without repeats (symmetric shapes look the
        // same in several); none when the item can never be laid.
        std::vector<int> variants;
        // For each variant, where the box's corner lies once the item's own outlines are
        // turned: laid at corner P, they are the turned outlines shifted by P - origin.
        std::vector<GeoPoint2D> origins;
        double area = 0.0;
        bool fixed = false;
        // Where an obstacle lies (its only variant's corner).
        GeoPoint2D fixedCorner;
    };

    explicit NestGeometry(const NestProblem& problem);
    ~NestGeometry();

    const NestProblem& problem() const { return mProblem; }
    const std::vector<Item>& items() const { return mItems; }
    int pieceCount() const { return static_cast<int>(mProblem.pieces.size()); }
    const Variant& variant(int v) const { return mVariants[static_cast<size_t>(v)]; }
    int variantCount() const { return static_cast<int>(mVariants.size()); }

    // Outlines closer than this are kept apart as if they overlapped, so that rounding can
    // never make laid pieces share area; far below anything a cutter or a marker shows.
    double clearance() const { return mClearance; }
    // Depths up to this count as none: the searches cannot settle positions more finely.
    double tolerance() const { return mClearance * 0.25; }
    // The size of the largest piece, the yardstick of search steps.
    double pieceScale() const { return mPieceScale; }

    // How deep variant `b` laid with its corner `offset` from variant `a`'s corner lies
    // inside the no-fit region of the two (0 when they are apart).
    double depth(int a, int b, double dx, double dy) const;
    // The no-fit region of `b` around `a` (corners relative to `a`'s corner). Each pair's
    // region is kept once: when `halfTurned` comes back true, the region given is that of `a`
    // around `b`, in which the offsets asked about are negated.
    const NestNoFitRegion& region(int a, int b, bool* halfTurned) const;

    // The placement of item `item` laid in variant `v` with its corner at `corner`.
    NestPlacement placement(int item, int v, const GeoPoint2D& corner) const;

private:
    // Builds the variants of `outlines` for `orientations`, appending the new ones.
    std::vector<int> addVariants(const std::vector<GeoPolygon2D>& outlines,
                                 const std::vector<NestOrientation>& orientations, bool checkFit);
    // Fills the item's origins for its variants and `outlines`.
    void setOrigins(Item& item, const std::vector<GeoPolygon2D>& outlines) const;
    // The region of `b` around `a` as kept: `b` a piece's variant, `a` an obstacle's or one
    // not after `b`.
    const NestNoFitRegion& stored(int a, int b) const;
    const NestNoFitRegion& computeRegion(int a, int b) const;

    NestProblem mProblem;
    std::vector<Variant> mVariants;
    std::vector<Item> mItems;
    // Variants of pieces come first; only they orbit.
    int mPieceVariants = 0;
    double mClearance = 0.0;
    double mPieceScale = 1.0;
    mutable std::unique_ptr<std::atomic<const NestNoFitRegion*>[]> mRegions;
    mutable std::vector<std::unique_ptr<NestNoFitRegion>> mOwned;
    mutable std::mutex mOwnedMutex;
};

} // namespace VelSystem
