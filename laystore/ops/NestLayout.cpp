#include "laystore/ops/NestLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace VelSystem {

namespace {
constexpr double kNowhere = std::numeric_limits<double>::infinity();
// The size factor of the smallest items, so that slivers still count.
constexpr double kLeastSizeFactor = 0.1;
// How far inside the area pieces are kept, as a part of the largest piece's size.
constexpr double kInside = 1e-9;
} // namespace

namespace {

// The grid's cell: the mean size of the pieces, so that a piece's box reaches into a few.
double cellSize(const NestGeometry& geometry)
{
    double total = 0.0;
    int count = 0;
    for (const NestGeometry::Item& item : geometry.items()) {
        if (item.fixed || item.variants.empty())
            continue;
        const NestGeometry::Variant& v = geometry.variant(item.variants.front());
        total += std::max(v.width, v.height);
        ++count;
    }
    return count > 0 ? total / count : geometry.pieceScale();
}

} // namespace

NestLayout::NestLayout(const NestGeometry& geometry)
    : mGeometry(&geometry), mEnd(geometry.problem().area.xmax),
      mGrid(geometry.problem().area.xmin, geometry.problem().area.ymin, geometry.problem().area.height(),
            cellSize(geometry), static_cast<int>(geometry.items().size()))
{
    const size_t n = geometry.items().size();
    mVariant.assign(n, -1);
    mX0.assign(n, kNowhere);
    mY0.assign(n, kNowhere);
    mX1.assign(n, -kNowhere);
    mY1.assign(n, -kNowhere);
    mOverlap.assign(n * n, 0.0);
    mItemOverlap.assign(n, 0.0);
    double largest = 0.0;
    for (const NestGeometry::Item& item : geometry.items())
        largest = std::max(largest, item.area);
    for (size_t i = 0; i < n; ++i) {
        const NestGeometry::Item& item = geometry.items()[i];
        mSizeFactor.push_back(
            largest > 0.0 ? std::max(kLeastSizeFactor, std::sqrt(std::sqrt(item.area / largest))) : 1.0);
        if (item.fixed && !item.variants.empty()) {
            const NestGeometry::Variant& v = geometry.variant(item.variants.front());
            mVariant[i] = item.variants.front();
            mX0[i] = item.fixedCorner.x;
            mY0[i] = item.fixedCorner.y;
            mX1[i] = mX0[i] + v.width;
            mY1[i] = mY0[i] + v.height;
            mGrid.set(static_cast<int>(i), mX0[i], mY0[i], mX1[i], mY1[i]);
        }
    }
}

void NestLayout::place(int i, int v, const GeoPoint2D& corner)
{
    const size_t k = static_cast<size_t>(i);
    const NestGeometry::Variant& var = mGeometry->variant(v);
    mVariant[k] = v;
    mX0[k] = corner.x;
    mY0[k] = corner.y;
    mX1[k] = corner.x + var.width;
    mY1[k] = corner.y + var.height;
    mGrid.set(i, mX0[k], mY0[k], mX1[k], mY1[k]);
    updateOverlaps(i);
}

void NestLayout::remove(int i)
{
    const size_t k = static_cast<size_t>(i);
    mVariant[k] = -1;
    mX0[k] = mY0[k] = kNowhere;
    mX1[k] = mY1[k] = -kNowhere;
    mGrid.clear(i);
    updateOverlaps(i);
}

GeoRectangle NestLayout::cornerRange(int v) const
{
    const NestGeometry::Variant& var = mGeometry->variant(v);
    const GeoRectangle& area = mGeometry->problem().area;
    // Kept a hair inside, so that turning the outlines, which rounds, leaves them inside.
    const double margin = kInside * mGeometry->pieceScale();
    GeoRectangle range;
    range.xmin = area.xmin + margin;
    range.ymin = area.ymin + margin;
    range.xmax = std::max(mEnd - var.width - margin, range.xmin);
    range.ymax = area.ymax - var.height - margin;
    // A variant as tall as the area, give or take a rounding, goes in its middle.
    if (range.ymax < range.ymin && range.ymax > range.ymin - mGeometry->tolerance())
        range.ymin = range.ymax = (area.ymin + area.ymax - var.height) / 2.0;
    return range;
}

GeoPoint2D NestLayout::clamped(int v, const GeoPoint2D& corner) const
{
    const GeoRectangle range = cornerRange(v);
    return {std::clamp(corner.x, range.xmin, range.xmax), std::clamp(corner.y, range.ymin, range.ymax)};
}

double NestLayout::overlapAgainst(int j, int i, int v, double x, double y) const
{
    const size_t k = static_cast<size_t>(j);
    const double depth = mGeometry->depth(mVariant[k], v, x - mX0[k], y - mY0[k]);
    return depth > mGeometry->tolerance() ? depth * mSizeFactor[k] * mSizeFactor[static_cast<size_t>(i)]
                                          : 0.0;
}

void NestLayout::setOverlap(int i, int j, double depth)
{
    double& current = mOverlap[index(i, j)];
    mItemOverlap[static_cast<size_t>(i)] += depth - current;
    mItemOverlap[static_cast<size_t>(j)] += depth - current;
    current = depth;
    mOverlap[index(j, i)] = depth;
}

void NestLayout::updateOverlaps(int i)
{
    for (int j = 0; j < itemCount(); ++j) {
        if (mOverlap[index(i, j)] != 0.0)
            setOverlap(i, j, 0.0);
    }
    const int v = variantOf(i);
    const size_t k = static_cast<size_t>(i);
    if (v < 0)
        return;
    forEachNear(v, mX0[k], mY0[k], [&](int j) {
        if (j != i) {
            const double overlap = overlapAgainst(j, i, v, mX0[k], mY0[k]);
            if (overlap != 0.0)
                setOverlap(i, j, overlap);
        }
    });
}

double NestLayout::totalOverlap() const
{
    double total = 0.0;
    for (double overlap : mItemOverlap)
        total += overlap;
    return total / 2.0;
}

bool NestLayout::isFeasible() const
{
    // Every overlap counted is above the tolerance times two size factors, so sums below
    // that are rounding residue.
    const double residue = mGeometry->tolerance() * kLeastSizeFactor * kLeastSizeFactor * 0.5;
    return std::all_of(mItemOverlap.begin(), mItemOverlap.end(),
                       [residue](double o) { return o <= residue; });
}

double NestLayout::length() const
{
    double right = mGeometry->problem().area.xmin;
    for (size_t k = 0; k < mVariant.size(); ++k) {
        if (mVariant[k] >= 0)
            right = std::max(right, mX1[k]);
    }
    return right - mGeometry->problem().area.xmin;
}

NestResult NestLayout::result() const
{
    NestResult result;
    double laidArea = 0.0;
    for (int i = 0; i < itemCount(); ++i) {
        if (!isPlaced(i))
            continue;
        const double area = mGeometry->items()[static_cast<size_t>(i)].area;
        laidArea += area;
        if (i < mGeometry->pieceCount()) {
            result.placedArea += area;
            ++result.placedCount;
        }
    }
    result.placements.resize(static_cast<size_t>(mGeometry->pieceCount()));
    for (int i = 0; i < mGeometry->pieceCount(); ++i) {
        if (isPlaced(i))
            result.placements[static_cast<size_t>(i)] = mGeometry->placement(i, variantOf(i), corner(i));
    }
    result.length = length();
    const double height = mGeometry->problem().area.height();
    if (result.length > 0.0 && height > 0.0)
        result.utilization = laidArea / (height * result.length);
    return result;
}

} // namespace VelSystem
