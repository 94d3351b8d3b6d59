#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace VelSystem {

// Square cells over a layout's area, each listing the items whose boxes reach into it, so
// that the items near a box are found without looking at every item. Rows cover the area's
// height; columns are added along x as items go further.
class NestGrid
{
public:
    NestGrid(double x0, double y0, double height, double cell, int itemCount);

    // Files item `i` under the box (x0, y0)-(x1, y1), taking it out of where it was.
    void set(int i, double x0, double y0, double x1, double y1);
    void clear(int i);

    // Calls f(j) once for every item filed in a cell the box reaches into.
    template <class F> void forEachNear(double x0, double y0, double x1, double y1, F f) const
    {
        ++mVisit;
        const int c0 = column(x0), c1 = std::min(column(x1), mColumns - 1);
        const int r0 = row(y0), r1 = row(y1);
        for (int c = c0; c <= c1; ++c) {
            for (int r = r0; r <= r1; ++r) {
                for (int j : mCells[static_cast<size_t>(c * mRows + r)]) {
                    if (mSeen[static_cast<size_t>(j)] != mVisit) {
                        mSeen[static_cast<size_t>(j)] = mVisit;
                        f(j);
                    }
                }
            }
        }
    }

private:
    int column(double x) const;
    int row(double y) const;

    double mX0, mY0, mCell;
    int mRows;
    int mColumns = 0;
    std::vector<std::vector<int>> mCells;
    // Each item's cells, as first and last column and row (-1: filed nowhere).
    struct Span
    {
        int c0 = -1, c1 = -1, r0 = -1, r1 = -1;
    };
    std::vector<Span> mSpans;
    // Marks of the items already reported by the current search.
    mutable std::vector<unsigned> mSeen;
    mutable unsigned mVisit = 0;
};

} // namespace VelSystem
