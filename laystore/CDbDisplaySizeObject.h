#pragma once

#include "laystore/CDbCutDownObject.h"

namespace VelSystem {

// A column of the marker's size chart: one size of the style and how many garments of it the
// marker holds. Two columns of the same size (or one column holding at least two garments)
// may be cut down with each other in the chart: each piece of the one is laid over the same
// piece of the other.
class CDbDisplaySizeObject
{
public:
    // The column's own index in the chart, from 0 (users see it from 1).
    short columnIndex = 0;
    // The column it is cut down with (itself for garments of one column), -1 when none.
    short partnerIndex = -1;
    // Garments of this size in the marker.
    short quantity = 0;
    // The pieces' size (0-based index into each piece's sizes).
    short sizeId = 0;
    // How the pieces of the partner column lie over this column's; offsets stay 0 in the chart.
    CDbCutDownObject position;

    bool displaySizeIsInCutDown() const { return partnerIndex >= 0; }
    bool operator==(const CDbDisplaySizeObject& o) const
    {
        return columnIndex == o.columnIndex && partnerIndex == o.partnerIndex && quantity == o.quantity &&
               sizeId == o.sizeId && position == o.position;
    }
};

} // namespace VelSystem
