#pragma once

#include "laystore/commands/CutPathCmd.h"

namespace VelSystem {

// "InternalStartPoint": chooses or clears where the knife enters a piece's internal segment.
// Parameters: the clicked point (void* to a CDbMarkerPointObject), add (bool), Shift-and-Alt
// (bool). Add makes the segment point nearest the click (within the click tolerance) the
// entry; remove clears the entry clicked; Shift-and-Alt clears every entry of the piece
// clicked. A segment without a chosen entry is entered at its first point.
class InternalStartPointCmd : public CutPathCmd
{
    Q_OBJECT
public:
    InternalStartPointCmd();

protected:
    short prepare(DocumentMak& document, const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
