#include "laystore/ops/NestLayout.h"

#include <algorithm>
#include <limits>

namespace VelSystem {

namespace {
constexpr double kNowhere = std::numeric_limits<double>::infinity();
// How far inside the area pieces are kept, as a part of the largest piece's size.
constexpr double kInside = 1e-9;
} // namespace

NestLayout::NestLayout(const NestGeometry& geometry)
    : mGeometry(&geometry), mEnd(geometry.problem().area.xmax)
{
    const size_t n = geometry.items().size();
    mVariant.assign(n, -1);
    mX0.assign(n, kNowhere);
    mY0.assign(n, kNowhere);
    mX1.assign(n, -kNowhere);
    mY1.assign(n, -kNowhere);
    mOverlap.assign(n * n, 0.0);
    mItemOverlap.assign(n, 0.0);
    for (size_t i = 0; i < n; ++i) {
        const NestGeometry::Item& item = geometry.items()[i];
        if (item.fixed && !item.variants.empty()) {
            const NestGeometry::Variant& v = geometry.variant(item.variants.front());
            mVariant[i] = item.variants.front();
            mX0[i] = item.fixedCorner.x;
            mY0[i] = item.fixedCorner.y;
            mX1[i] = mX0[i] + v.width;
            mY1[i] = mY0[i] + v.height;
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
    updateOverlaps(i);
}

void NestLayout::remove(int i)
{
    const size_t k = static_cast<size_t>(i);
    mVariant[k] = -1;
    mX0[k] = mY0[k] = kNowhere;
    mX1[k] = mY1[k] = -kNowhere;
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

double NestLayout::depthAgainst(int j, int v, double x, double y) const
{
    const size_t k = static_cast<size_t>(j);
    const double depth = mGeometry->depth(mVariant[k], v, x - mX0[k], y - mY0[k]);
    return depth > mGeometry->tolerance() ? depth : 0.0;
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
    const int v = variantOf(i);
    const size_t k = static_cast<size_t>(i);
    for (int j = 0; j < itemCount(); ++j) {
        if (j == i)
            continue;
        double depth = 0.0;
        if (v >= 0 && isPlaced(j) && boxesMeet(j, v, mX0[k], mY0[k]))
            depth = depthAgainst(j, v, mX0[k], mY0[k]);
        if (depth != 0.0 || mOverlap[index(i, j)] != 0.0)
            setOverlap(i, j, depth);
    }
    if (v < 0)
        mItemOverlap[k] = 0.0;
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
    // Every depth counted is above the tolerance, so sums below it are rounding residue.
    const double residue = mGeometry->tolerance() * 0.5;
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
