#pragma once

#include "laystore/commands/LayerReplaceCmd.h"

namespace VelSystem {

// "CutWithAngle": replaces a placed piece by its two parts cut along a straight line with a
// seam allowance (CDbAngleCutHelper). Parameters: the group (void*), a GeoPoint2D* (void*)
// the line passes through, the seam (cm), the coordinate the tool measured the seam against
// (a number; the point already places the line), the base angle (degrees) and the mode
// (int 0..7): the line runs at 45 * mode + base angle degrees. setDocument answers 0, 1 for
// a list not of that form or a group not placed in the document, or the helper's code why
// the piece cannot be cut so; redo puts the two parts in the piece's place.
class CutWithAngleCmd : public LayerReplaceCmd
{
    Q_OBJECT
public:
    CutWithAngleCmd();
    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
