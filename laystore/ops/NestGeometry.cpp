#include "laystore/ops/NestGeometry.h"

#include "VelGeo/GeoNoFitPolygon.h"

#include <algorithm>
#include <cmath>

namespace VelSystem {

namespace {

// Shapes closer than this part of the largest piece's size count as the same.
constexpr double kSameShape = 1e-9;
// The clearance kept between outlines, as a part of the largest piece's size: a few
// micrometres on garment pieces, far above the no-fit regions' rounding.
constexpr double kClearance = 1e-5;

GeoRectangle extentOf(const std::vector<GeoPolygon2D>& outlines)
{
    GeoRectangle extent;
    for (const GeoPolygon2D& outline : outlines)
        extent.include(outline.boundingRect());
    return extent;
}

std::vector<GeoPolygon2D> movedToOrigin(std::vector<GeoPolygon2D> outlines, const GeoRectangle& extent)
{
    for (GeoPolygon2D& outline : outlines)
        outline.translate(-extent.leftBottom());
    return outlines;
}

bool sameOutlines(const std::vector<GeoPolygon2D>& a, const std::vector<GeoPolygon2D>& b, double tolerance)
{
    if (a.size() != b.size())
        return false;
    for (size_t k = 0; k < a.size(); ++k) {
        if (a[k].size() != b[k].size())
            return false;
        for (int i = 0; i < a[k].size(); ++i) {
            if (!a[k][i].equals(b[k][i], tolerance))
                return false;
        }
    }
    return true;
}

} // namespace

NestGeometry::NestGeometry(const NestProblem& problem) : mProblem(problem)
{
    double scale = 0.0;
    for (const NestPiece& piece : mProblem.pieces) {
        const GeoRectangle extent = extentOf(piece.outlines);
        if (extent.isValid())
            scale = std::max(scale, std::hypot(extent.width(), extent.height()));
    }
    if (scale > 0.0 && std::isfinite(scale))
        mPieceScale = scale;
    mClearance = kClearance * mPieceScale;

    // Copies of a shape (same outlines once moved to the origin, same orientations) share
    // the variants of the first.
    std::vector<std::vector<GeoPolygon2D>> shapes;
    std::vector<int> shapeOfPiece;
    std::vector<std::vector<int>> shapeVariants;
    for (const NestPiece& piece : mProblem.pieces) {
        Item item;
        for (const GeoPolygon2D& outline : piece.outlines)
            item.area += outline.area();
        const std::vector<GeoPolygon2D> normal = movedToOrigin(piece.outlines, extentOf(piece.outlines));
        int shape = -1;
        for (size_t s = 0; s < shapes.size() && shape < 0; ++s) {
            const NestPiece& first = mProblem.pieces[static_cast<size_t>(shapeOfPiece[s])];
            if (first.orientations == piece.orientations &&
                sameOutlines(shapes[s], normal, kSameShape * mPieceScale))
                shape = static_cast<int>(s);
        }
        if (shape < 0) {
            shape = static_cast<int>(shapes.size());
            shapes.push_back(normal);
            shapeOfPiece.push_back(static_cast<int>(mItems.size()));
            shapeVariants.push_back(addVariants(piece.outlines, piece.orientations, true));
            item.variants = shapeVariants.back();
        } else {
            item.variants = shapeVariants[static_cast<size_t>(shape)];
        }
        setOrigins(item, piece.outlines);
        mItems.push_back(item);
    }
    mPieceVariants = static_cast<int>(mVariants.size());
    for (const std::vector<GeoPolygon2D>& obstacle : mProblem.obstacles) {
        Item item;
        for (const GeoPolygon2D& outline : obstacle)
            item.area += outline.area();
        item.fixed = true;
        item.variants = addVariants(obstacle, {NestOrientation()}, false);
        setOrigins(item, obstacle);
        if (!item.origins.empty())
            item.fixedCorner = item.origins.front();
        mItems.push_back(item);
    }
    const size_t slots = mVariants.size() * static_cast<size_t>(mPieceVariants);
    mRegions.reset(new std::atomic<const NestNoFitRegion*>[slots]);
    for (size_t i = 0; i < slots; ++i)
        mRegions[i].store(nullptr, std::memory_order_relaxed);
}

NestGeometry::~NestGeometry() = default;

std::vector<int> NestGeometry::addVariants(const std::vector<GeoPolygon2D>& outlines,
                                           const std::vector<NestOrientation>& orientations, bool checkFit)
{
    const double tolerance = kSameShape * mPieceScale;
    const GeoRectangle& area = mProblem.area;
    std::vector<int> added;
    for (const NestOrientation& orientation : orientations) {
        Variant variant;
        variant.orientation = orientation;
        for (const GeoPolygon2D& outline : outlines) {
            if (outline.size() >= 3 && outline.isFinite())
                variant.outlines.push_back(orientation.applied(outline));
        }
        const GeoRectangle extent = extentOf(variant.outlines);
        if (!extent.isValid())
            continue;
        variant.width = extent.width();
        variant.height = extent.height();
        variant.outlines = movedToOrigin(std::move(variant.outlines), extent);
        if (checkFit &&
            (variant.height > area.height() + tolerance ||
             (mProblem.goal == NestProblem::FillArea && variant.width > area.width() + tolerance)))
            continue;
        const bool repeated = std::any_of(added.begin(), added.end(), [&](int v) {
            return sameOutlines(mVariants[static_cast<size_t>(v)].outlines, variant.outlines, tolerance);
        });
        if (repeated)
            continue;
        added.push_back(static_cast<int>(mVariants.size()));
        mVariants.push_back(std::move(variant));
    }
    return added;
}

double NestGeometry::depth(int a, int b, double dx, double dy) const
{
    bool halfTurned = false;
    const NestNoFitRegion& r = region(a, b, &halfTurned);
    return halfTurned ? r.depth(-dx, -dy) : r.depth(dx, dy);
}

const NestNoFitRegion& NestGeometry::region(int a, int b, bool* halfTurned) const
{
    // b around a is a around b turned half a turn.
    *halfTurned = !(b < mPieceVariants && (a >= mPieceVariants || a <= b));
    return *halfTurned ? stored(b, a) : stored(a, b);
}

const NestNoFitRegion& NestGeometry::stored(int a, int b) const
{
    const size_t slot = static_cast<size_t>(a) * static_cast<size_t>(mPieceVariants) + static_cast<size_t>(b);
    const NestNoFitRegion* known = mRegions[slot].load(std::memory_order_acquire);
    return known ? *known : computeRegion(a, b);
}

const NestNoFitRegion& NestGeometry::computeRegion(int a, int b) const
{
    // Computed outside the lock, so that workers needing different regions do not wait on
    // each other; the rare second computation of one region is dropped.
    auto computed = std::make_unique<NestNoFitRegion>(
        GeoNoFitPolygon::compute(variant(a).outlines, variant(b).outlines, mClearance));
    const size_t slot = static_cast<size_t>(a) * static_cast<size_t>(mPieceVariants) + static_cast<size_t>(b);
    std::lock_guard<std::mutex> lock(mOwnedMutex);
    if (const NestNoFitRegion* known = mRegions[slot].load(std::memory_order_acquire))
        return *known;
    mOwned.push_back(std::move(computed));
    mRegions[slot].store(mOwned.back().get(), std::memory_order_release);
    return *mOwned.back();
}

void NestGeometry::setOrigins(Item& item, const std::vector<GeoPolygon2D>& outlines) const
{
    for (int v : item.variants) {
        GeoRectangle extent;
        for (const GeoPolygon2D& outline : outlines) {
            if (outline.size() >= 3 && outline.isFinite())
                extent.include(variant(v).orientation.applied(outline).boundingRect());
        }
        item.origins.push_back(extent.leftBottom());
    }
}

NestPlacement NestGeometry::placement(int item, int v, const GeoPoint2D& corner) const
{
    const Item& it = mItems[static_cast<size_t>(item)];
    const auto index = std::find(it.variants.begin(), it.variants.end(), v) - it.variants.begin();
    NestPlacement placement;
    placement.placed = true;
    placement.orientation = variant(v).orientation;
    placement.shift = corner - it.origins[static_cast<size_t>(index)];
    return placement;
}

} // namespace VelSystem
