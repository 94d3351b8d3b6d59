#pragma once

#include "VelGeo/GeoPoint2D.h"

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;
class CDbMarkerDrawing;

// Placement helpers that finish a move the user started by hand.
class SemiAutomatic
{
public:
    // Mode of placementAccordingDirection: slide until something is met.
    static constexpr short kSlideMode = 1;

    // Slides `group` from where it lies along the direction from `centre` to `target` as far
    // as it can go: until it touches another piece group placed on `layer` of `fabric`, the
    // edge of its area (y 0..W on the fabric, W..2W on the standby area, W the layer's
    // width, by the group's section), or x = 0. Towards +x it stops at the marker's end (the
    // right of the rightmost other group laid on the layer) and does not move when that end is
    // behind it. Groups that already overlap `group` where it starts are not obstacles, so a
    // piece lying on another slides out of it (and a copy of a placed group ignores its
    // original). Touching is not overlapping: afterwards `group` touches what stopped it.
    // `group` is usually an unplaced copy (`clone()`) of a placed group; it is moved with
    // translate(). Codes: 0 success (also when it could not move at all), 1 bad arguments
    // (a null pointer, a drawing without a marker document, a fabric not of the drawing, a
    // layer the fabric does not have, a mode other than kSlideMode, a group with broken
    // geometry), 2 `centre` and `target` coincide. On a non-zero code nothing moves.
    static void placementAccordingDirection(CDbMarkerDrawing* drawing, short mode, CDbFabricObject* fabric,
                                            short layer, CDbGrPolysObject* group, const GeoPoint2D& centre,
                                            const GeoPoint2D& target, short* code);
};

} // namespace VelSystem
