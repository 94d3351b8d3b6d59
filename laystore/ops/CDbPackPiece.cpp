#include "laystore/ops/CDbPackPiece.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/DocumentMak.h"

#include <algorithm>
#include <vector>

namespace VelSystem {

namespace {

// Keeps the coordinates within [low, high], sorted, without repeats.
void keepWithin(std::vector<double>& values, double low, double high)
{
    values.erase(std::remove_if(values.begin(), values.end(),
                                [low, high](double v) { return !(v >= low && v <= high); }),
                 values.end());
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

} // namespace

CDbPackPiece::CDbPackPiece() = default;

CDbPackPiece::~CDbPackPiece() = default;

bool CDbPackPiece::init(const DocumentMak* document, CDbFabricObject* fabric, short layer,
                        const CDbGrPolysObject* group, const GeoRectangle& region)
{
    mPositions.clear();
    mTrial.reset();
    if (!document || !fabric || !group || !fabric->layer(layer) || !region.isValid() ||
        !document->contains(group) || group->fabricIndex() != document->drawing()->fabricIndex(fabric) ||
        group->layerIndex() != layer || !group->isValid() ||
        group->boundingRect().height() > fabric->getFabricLayerWidth(layer))
        return false;
    mDocument = document;
    mFabric = fabric;
    mLayer = layer;
    mGroup = group;
    mRegion = region;
    mTrial.reset(static_cast<CDbGrPolysObject*>(group->clone()));
    return true;
}

// Candidates come from the edges of the neighbours: a free place next to a piece is most
// often one where the group's bounding rectangle is flush with a side of that piece's, or
// with an edge of the fabric. So the candidate x are the group's own x, the marker's start
// and, for every piece group meeting the region (found through the document's spatial
// index), its right side and its left side less the group's width; the candidate y
// likewise, with the fabric's two edges. Every combination that keeps the group inside the
// region and the fabric area is tried, nearest to the group's corner first, against the
// exact outlines of the pieces around it (again found through the index); the first few
// that meet none are the free positions. Positions deep in a neighbour's hollow are not
// tried: a snap goes next to the pieces, not into them.
void CDbPackPiece::search()
{
    mPositions.clear();
    if (!mTrial)
        return;
    const GeoRectangle box = mGroup->boundingRect();
    const double w = box.width(), h = box.height();
    const double fabricWidth = mFabric->getFabricLayerWidth(mLayer);
    double xLow = mRegion.xmin;
    if (CDbMarkerShareGlobales::instance()->getNoNegative())
        xLow = std::max(xLow, 0.0);
    const double xHigh = mRegion.xmax - w;
    const double yLow = std::max(mRegion.ymin, 0.0), yHigh = std::min(mRegion.ymax, fabricWidth) - h;

    std::vector<double> xs{box.xmin, 0.0}, ys{box.ymin, 0.0, fabricWidth - h};
    for (const CDbAbstractObject* object : mDocument->objectsIn(mRegion, mFabric, mLayer)) {
        if (!isObstacle(object))
            continue;
        const GeoRectangle r = object->boundingRect();
        xs.insert(xs.end(), {r.xmax, r.xmin - w});
        ys.insert(ys.end(), {r.ymax, r.ymin - h});
    }
    keepWithin(xs, xLow, xHigh);
    keepWithin(ys, yLow, yHigh);

    std::vector<GeoPoint2D> candidates;
    candidates.reserve(xs.size() * ys.size());
    for (double x : xs) {
        for (double y : ys)
            candidates.emplace_back(x, y);
    }
    const GeoPoint2D corner = box.leftBottom();
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&corner](const GeoPoint2D& a, const GeoPoint2D& b) {
                         return (a - corner).dot(a - corner) < (b - corner).dot(b - corner);
                     });
    for (const GeoPoint2D& candidate : candidates) {
        if (fitsAt(candidate)) {
            mPositions.append(candidate);
            if (mPositions.size() == kMaxPositions)
                break;
        }
    }
}

bool CDbPackPiece::isObstacle(const CDbAbstractObject* object) const
{
    return object != mGroup && object->kind() == CDbAbstractObject::KindGroup && object->preview() != mGroup;
}

bool CDbPackPiece::fitsAt(const GeoPoint2D& corner)
{
    GeoPoint2D move = corner - mTrial->boundingRect().leftBottom();
    mTrial->translate(move);
    return !mDocument->overlapsGroupOn(
        *mTrial, mFabric, mLayer, [this](const CDbAbstractObject* object) { return !isObstacle(object); });
}

} // namespace VelSystem
