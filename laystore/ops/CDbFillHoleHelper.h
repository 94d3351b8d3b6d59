#pragma once

#include "VelGeo/GeoRectangle.h"

#include <QCoreApplication>

namespace VelSystem {

class CDbGrPolysObject;
class CDbMarkerDrawing;

// Hole filling: lays copies of the groups waiting in a layer's standby area into an empty
// place of its fabric area, as many and as large as fit without overlapping what lies
// there. Blocked groups and cut-down pairs go in whole, each waiting group at most once.
class CDbFillHoleHelper
{
    Q_DECLARE_TR_FUNCTIONS(CDbFillHoleHelper)

public:
    // The mode that fills from the standby area, the only one.
    static constexpr short kFromStandby = 1;
    // The longest a fill searches, in seconds; it ends sooner when nothing more fits.
    static constexpr double kSeconds = 0.4;

    // Fills `hole` (cut to the fabric area) on `layer` of the drawing's current fabric. The
    // copies are added to the layer and selected, in one go on this thread; the search
    // runs on worker threads while this thread repaints. `group` gets the largest copy and
    // `count` how many were laid. Codes: 0 success; 1 bad arguments (no drawing or
    // document, another mode, a layer the fabric does not have); 2 nothing waits in the
    // standby area; 3 no waiting piece fits in the hole. Codes 2 and 3 are told to the
    // user. On a non-zero code the marker is unchanged.
    static void fillHoleSemiAutomatization(CDbMarkerDrawing* drawing, short mode, short layer,
                                           const GeoRectangle& hole, short* code, CDbGrPolysObject** group,
                                           short* count);
};

} // namespace VelSystem
