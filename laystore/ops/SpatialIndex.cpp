#include "laystore/ops/SpatialIndex.h"

#include "laystore/CDbAbstractObject.h"

#include <QtGlobal>
#include <boost/iterator/function_output_iterator.hpp>
#include <stdexcept>

namespace VelSystem {

namespace bgi = boost::geometry::index;

namespace {

// False when the object's geometry is broken: such an object has no box to index.
bool finiteBox(const CDbAbstractObject& object, BgBox* box)
{
    const GeoRectangle r = object.boundingRect();
    if (!r.isValid() || !r.leftBottom().isFinite() || !r.rightTop().isFinite())
        return false;
    *box = toBox(r);
    return true;
}

bool sameBox(const BgBox& a, const BgBox& b)
{
    return a.min_corner() == b.min_corner() && a.max_corner() == b.max_corner();
}

} // namespace

void SpatialIndex::insert(CDbAbstractObject* object, short fabric, short layer)
{
    Entry entry{BgBox(), {fabric, layer}};
    if (!finiteBox(*object, &entry.box))
        throw std::invalid_argument("SpatialIndex::insert: the object has no finite bounding box");
    mTrees[entry.layer].insert(Value(entry.box, object));
    mEntries.insert(object, entry);
}

bool SpatialIndex::remove(const CDbAbstractObject* object)
{
    const auto it = mEntries.find(object);
    if (it == mEntries.end())
        return false;
    mTrees[it->layer].remove(Value(it->box, const_cast<CDbAbstractObject*>(object)));
    mEntries.erase(it);
    return true;
}

bool SpatialIndex::update(CDbAbstractObject* object)
{
    const auto it = mEntries.find(object);
    if (it == mEntries.end())
        return false;
    BgBox box;
    if (!finiteBox(*object, &box)) {
        // Keeps the last good box: the entry stays removable, and the object's owner
        // reports the broken geometry.
        qWarning("SpatialIndex::update: an object lost its finite bounding box");
        return false;
    }
    if (sameBox(box, it->box))
        return false;
    Tree& tree = mTrees[it->layer];
    tree.remove(Value(it->box, object));
    tree.insert(Value(box, object));
    it->box = box;
    return true;
}

bool SpatialIndex::Entry::operator==(const Entry& o) const
{
    return layer == o.layer && sameBox(box, o.box);
}

bool SpatialIndex::operator==(const SpatialIndex& other) const
{
    return mEntries == other.mEntries;
}

void SpatialIndex::query(short fabric, short layer, const GeoRectangle& area,
                         std::vector<CDbAbstractObject*>& found) const
{
    const auto tree = mTrees.find({fabric, layer});
    if (tree == mTrees.end() || !area.isValid())
        return;
    tree->second.query(
        bgi::intersects(toBox(area)),
        boost::make_function_output_iterator([&found](const Value& v) { found.push_back(v.second); }));
}

} // namespace VelSystem
