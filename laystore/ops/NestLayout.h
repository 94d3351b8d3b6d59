#pragma once

#include "laystore/ops/NestGeometry.h"
#include "laystore/ops/NestGrid.h"

#include <vector>

namespace VelSystem {

// One state of a layout being searched: which items are laid, in which variant and where
// (the corner of the variant's box), and how deep every two laid items overlap. Obstacles
// are laid from the start and never move. Plain data: searches copy it to keep the best.
class NestLayout
{
public:
    explicit NestLayout(const NestGeometry& geometry);

    const NestGeometry& geometry() const { return *mGeometry; }
    int itemCount() const { return static_cast<int>(mVariant.size()); }
    bool isPlaced(int i) const { return mVariant[static_cast<size_t>(i)] >= 0; }
    int variantOf(int i) const { return mVariant[static_cast<size_t>(i)]; }
    GeoPoint2D corner(int i) const { return {mX0[static_cast<size_t>(i)], mY0[static_cast<size_t>(i)]}; }

    // Lays item `i` (not an obstacle) in variant `v` with its corner at `corner`.
    void place(int i, int v, const GeoPoint2D& corner);
    void remove(int i);

    // Where laid pieces must end along x: the strip's length being tried, or the area's
    // right side for a fill.
    double end() const { return mEnd; }
    void setEnd(double end) { mEnd = end; }
    // Corners at which variant `v` lies inside the area and left of end() (invalid when none).
    GeoRectangle cornerRange(int v) const;
    GeoPoint2D clamped(int v, const GeoPoint2D& corner) const;

    // How much item `i`, laid in variant `v` at (x, y), overlaps laid item `j`: how deep,
    // weighed by the two items' sizes, since an overlap of large pieces takes more room to
    // undo; 0 when they do not meet or meet no deeper than the geometry's tolerance.
    double overlapAgainst(int j, int i, int v, double x, double y) const;
    // The same for laid items `i` and `j`, as last computed.
    double overlap(int i, int j) const { return mOverlap[index(i, j)]; }
    double itemOverlap(int i) const { return mItemOverlap[static_cast<size_t>(i)]; }
    double totalOverlap() const;
    bool isFeasible() const;
    // True when the boxes of laid item `j` and variant `v` at (x, y) come within the
    // clearance of each other.
    bool boxesMeet(int j, int v, double x, double y) const
    {
        const NestGeometry::Variant& var = mGeometry->variant(v);
        const size_t k = static_cast<size_t>(j);
        const double c = mGeometry->clearance();
        return x < mX1[k] + c && x + var.width > mX0[k] - c && y < mY1[k] + c && y + var.height > mY0[k] - c;
    }

    // Calls f(j) for every laid item `j` whose box comes within the clearance of variant
    // `v`'s box at (x, y).
    template <class F> void forEachNear(int v, double x, double y, F f) const
    {
        const NestGeometry::Variant& var = mGeometry->variant(v);
        const double c = mGeometry->clearance();
        mGrid.forEachNear(x - c, y - c, x + var.width + c, y + var.height + c, [&](int j) {
            if (boxesMeet(j, v, x, y))
                f(j);
        });
    }

    // Rightmost x of everything laid, less the area's left.
    double length() const;
    NestResult result() const;

private:
    size_t index(int i, int j) const
    {
        return static_cast<size_t>(i) * static_cast<size_t>(itemCount()) + static_cast<size_t>(j);
    }
    void setOverlap(int i, int j, double depth);
    void updateOverlaps(int i);

    const NestGeometry* mGeometry;
    double mEnd;
    NestGrid mGrid;
    std::vector<int> mVariant;
    // Boxes of laid items (corner at x0, y0).
    std::vector<double> mX0, mY0, mX1, mY1;
    // The fourth root of each item's area over the largest's: a pair's overlap is its depth
    // times both.
    std::vector<double> mSizeFactor;
    std::vector<double> mOverlap;
    std::vector<double> mItemOverlap;
};

} // namespace VelSystem
