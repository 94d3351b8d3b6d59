#pragma once

#include "VelGeo/GeoRectangle.h"

namespace VelSystem {

// A set of a document's objects: the result of a pick, or the document's current selection.
class Selection
{
public:
    virtual ~Selection() = default;

    // What the selection holds; documents define their own kinds (0: nothing).
    virtual int kind() const = 0;
    virtual bool isEmpty() const = 0;
    virtual int count() const = 0;
    virtual GeoRectangle boundingRect() const = 0;
    // Makes these objects the document's selection; true when the selection changed.
    virtual bool apply() = 0;
    // Selects (true) or deselects these objects, keeping the rest; true when a state changed.
    virtual bool setSelected(bool selected) = 0;
    // Selects the unselected objects and deselects the selected ones; true when a state changed.
    virtual bool toggle() = 0;
};

} // namespace VelSystem
