#pragma once

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoRectangle.h"

#include <QList>
#include <memory>

namespace VelSystem {

class CDbAbstractObject;
class CDbFabricObject;
class CDbGrPolysObject;
class DocumentMak;

// The free-position search: places near a region of a layer where a piece group fits inside
// the fabric area without sharing area with any other piece group, so that a piece dropped
// onto another can snap to the nearest of them.
class CDbPackPiece
{
public:
    // The most positions one search returns.
    static constexpr int kMaxPositions = 8;

    CDbPackPiece();
    ~CDbPackPiece();

    // Prepares a search for `group`, placed on `layer` of `fabric` in `document`, within
    // `region`. False, with nothing to search, when the group is not placed there, its
    // geometry is broken, the region is empty or the group is taller than the fabric is wide.
    bool init(const DocumentMak* document, CDbFabricObject* fabric, short layer,
              const CDbGrPolysObject* group, const GeoRectangle& region);
    // Runs the search prepared by init (finds nothing without one). The document must not
    // change between init and search.
    void search();
    // Left-bottom corners for the group's bounding rectangle found by the last search,
    // nearest to the group's own corner first; at most kMaxPositions.
    QList<GeoPoint2D> getAvailablePosition() const { return mPositions; }
    GeoRectangle region() const { return mRegion; }

private:
    // True when `object` may stand in the group's way: another piece group, not the
    // group itself nor the object its preview stands for.
    bool isObstacle(const CDbAbstractObject* object) const;
    // True when the group, moved so that its corner is at `corner`, meets no obstacle.
    bool fitsAt(const GeoPoint2D& corner);

    const DocumentMak* mDocument = nullptr;
    CDbFabricObject* mFabric = nullptr;
    short mLayer = -1;
    const CDbGrPolysObject* mGroup = nullptr;
    // A copy of the group, moved to each position tried.
    std::unique_ptr<CDbGrPolysObject> mTrial;
    GeoRectangle mRegion;
    QList<GeoPoint2D> mPositions;
};

} // namespace VelSystem
