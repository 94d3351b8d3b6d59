#pragma once

#include "VelGeo/GeoBoost.h"

#include <QHash>
#include <boost/geometry/index/rtree.hpp>
#include <map>
#include <utility>
#include <vector>

namespace VelSystem {

class CDbAbstractObject;

// The bounding boxes of a document's placed objects, one R-tree per fabric and layer, so
// that picks and overlap searches test exact geometry only on nearby objects.
class SpatialIndex
{
public:
    // Indexes `object` on the layer at its current bounding box.
    void insert(CDbAbstractObject* object, short fabric, short layer);
    // False when the object is not indexed.
    bool remove(const CDbAbstractObject* object);
    // Moves the object's entry to its current bounding box; true when the box changed.
    bool update(CDbAbstractObject* object);
    bool contains(const CDbAbstractObject* object) const { return mEntries.contains(object); }

    // Appends to `found` the objects of the layer whose box meets `area` (borders included).
    void query(short fabric, short layer, const GeoRectangle& area,
               std::vector<CDbAbstractObject*>& found) const;

    // True when both index the same objects on the same layers at the same boxes: an index
    // kept up to date by changes equals one built afresh.
    bool operator==(const SpatialIndex& other) const;
    bool operator!=(const SpatialIndex& other) const { return !(*this == other); }

private:
    using Value = std::pair<BgBox, CDbAbstractObject*>;
    using Tree = boost::geometry::index::rtree<Value, boost::geometry::index::rstar<16>>;
    using LayerKey = std::pair<short, short>;
    struct Entry
    {
        BgBox box;
        LayerKey layer;
        bool operator==(const Entry& o) const;
    };

    std::map<LayerKey, Tree> mTrees;
    QHash<const CDbAbstractObject*, Entry> mEntries;
};

} // namespace VelSystem
