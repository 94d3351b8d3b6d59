#pragma once

#include "laystore/QListEx.h"

#include <memory>
#include <vector>

namespace VelSystem {

class CDbAbstractObject;
class CDbGrPolysObject;

// One layer (ply) of a fabric: its width and the objects placed on it, in drawing order.
// The layer owns the objects it holds.
class CDbFabricLayerObject
{
public:
    CDbFabricLayerObject() = default;
    explicit CDbFabricLayerObject(double width) : mWidth(width) {}
    ~CDbFabricLayerObject();
    CDbFabricLayerObject(const CDbFabricLayerObject&) = delete;
    CDbFabricLayerObject& operator=(const CDbFabricLayerObject&) = delete;

    // The fabric area spans y from 0 to width; the standby area from width to 2 * width.
    double width() const { return mWidth; }
    void setWidth(double width) { mWidth = width; }

    const QListEx<CDbAbstractObject*>& objects() const { return mObjects; }
    // The placed piece groups, in drawing order.
    QListEx<CDbGrPolysObject*> groups() const;
    bool contains(const CDbAbstractObject* object) const
    {
        return mObjects.contains(const_cast<CDbAbstractObject*>(object));
    }
    // Takes ownership.
    void append(CDbAbstractObject* object);
    // Takes ownership and puts `object` at `position` in the drawing order (0..size).
    void insert(int position, CDbAbstractObject* object);
    // Gives up ownership; false when the object is not on this layer.
    bool take(CDbAbstractObject* object);
    // Puts `replacement` at `current`'s place in the drawing order and gives up `current`
    // (a current or cut-order group hands that role to its replacement).
    bool exchange(CDbAbstractObject* current, CDbAbstractObject* replacement);

    // The group the editing tools work on (null when none).
    CDbGrPolysObject* currentGroup() const { return mCurrentGroup; }
    void setCurrentGroup(CDbGrPolysObject* group) { mCurrentGroup = group; }
    // The piece the next "Sequence" click follows in the cut order (null: the next piece
    // clicked is cut first). Apart from the current group, which every editing tool moves.
    CDbGrPolysObject* cutOrderGroup() const { return mCutOrderGroup; }
    void setCutOrderGroup(CDbGrPolysObject* group) { mCutOrderGroup = group; }

private:
    double mWidth = 150.0;
    QListEx<CDbAbstractObject*> mObjects;
    CDbGrPolysObject* mCurrentGroup = nullptr;
    CDbGrPolysObject* mCutOrderGroup = nullptr;
};

// The layers of a fabric, indexed from 0.
class CDbFabricLayerObjectsTable
{
public:
    short size() const { return static_cast<short>(mLayers.size()); }
    CDbFabricLayerObject& operator[](short i) { return *mLayers[static_cast<size_t>(i)]; }
    const CDbFabricLayerObject& operator[](short i) const { return *mLayers[static_cast<size_t>(i)]; }
    CDbFabricLayerObject& addLayer(double width);

private:
    std::vector<std::unique_ptr<CDbFabricLayerObject>> mLayers;
};

} // namespace VelSystem
