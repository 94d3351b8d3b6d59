#include "laystore/ops/NestGrid.h"

#include <algorithm>
#include <cmath>

namespace VelSystem {

namespace {
// Columns beyond this are not made; items further right share the last.
constexpr int kMostColumns = 100000;
} // namespace

NestGrid::NestGrid(double x0, double y0, double height, double cell, int itemCount)
    : mX0(x0), mY0(y0), mCell(cell > 0.0 ? cell : 1.0),
      mRows(std::max(1, static_cast<int>(std::ceil(std::max(height, 0.0) / (cell > 0.0 ? cell : 1.0))))),
      mSpans(static_cast<size_t>(itemCount)), mSeen(static_cast<size_t>(itemCount), 0)
{}

int NestGrid::column(double x) const
{
    const double c = std::floor((x - mX0) / mCell);
    return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(kMostColumns - 1)));
}

int NestGrid::row(double y) const
{
    const double r = std::floor((y - mY0) / mCell);
    return static_cast<int>(std::clamp(r, 0.0, static_cast<double>(mRows - 1)));
}

void NestGrid::set(int i, double x0, double y0, double x1, double y1)
{
    clear(i);
    Span& span = mSpans[static_cast<size_t>(i)];
    span = {column(x0), column(x1), row(y0), row(y1)};
    if (span.c1 >= mColumns) {
        mColumns = span.c1 + 1;
        mCells.resize(static_cast<size_t>(mColumns * mRows));
    }
    for (int c = span.c0; c <= span.c1; ++c) {
        for (int r = span.r0; r <= span.r1; ++r)
            mCells[static_cast<size_t>(c * mRows + r)].push_back(i);
    }
}

void NestGrid::clear(int i)
{
    Span& span = mSpans[static_cast<size_t>(i)];
    for (int c = span.c0; c >= 0 && c <= span.c1; ++c) {
        for (int r = span.r0; r <= span.r1; ++r) {
            std::vector<int>& cell = mCells[static_cast<size_t>(c * mRows + r)];
            cell.erase(std::find(cell.begin(), cell.end(), i));
        }
    }
    span = Span();
}

} // namespace VelSystem
