#pragma once

#include "laystore/commands/CutPathCmd.h"

namespace VelSystem {

// "LiftPlunge": adds or removes a point where the knife lifts and plunges again on a piece's
// outline. Parameters: the clicked point (void* to a CDbMarkerPointObject), add (bool),
// Shift-and-Alt (bool). Add flags the outline point within the click tolerance; remove clears
// the one clicked; Shift-and-Alt clears every one of the piece clicked.
class LiftPlungeCmd : public CutPathCmd
{
    Q_OBJECT
public:
    LiftPlungeCmd();

protected:
    short prepare(DocumentMak& document, const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
