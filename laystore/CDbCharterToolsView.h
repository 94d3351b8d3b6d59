#pragma once

#include "VelCore/t_1_Based.h"
#include "VelGeo/GeoPoint2D.h"

namespace VelSystem {

class CDbMarkerDrawing;
class CDbPolygon;

// What the outline-marking tools ask of the drawing's current layer.
class CDbCharterToolsView
{
public:
    explicit CDbCharterToolsView(const CDbMarkerDrawing* drawing) : mDrawing(drawing) {}

    // True when `point` hits a piece of the current layer. On a point of the outline the knife
    // follows (within `tolerance`): `onOutline` true, `polygon` the polygon and `index` the
    // point's 1-based index. Elsewhere on a piece: `onOutline` false and `polygon` the group's
    // knife polygon, `index` unchanged. Nothing hit: false, `polygon` unchanged.
    bool isVectorPolygon(const GeoPoint2D& point, double tolerance, t_1_Based* index, bool* onOutline,
                         CDbPolygon** polygon) const;

private:
    const CDbMarkerDrawing* mDrawing;
};

} // namespace VelSystem
