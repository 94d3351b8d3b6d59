#pragma once

#include "laystore/commands/CutPathCmd.h"

namespace VelSystem {

// "SymmetricalCut": marks where a symmetrical cut of a piece's outline starts and ends, or
// removes the pair. The knife cuts from the start both ways round to the end. Parameters: the
// polygon (void* to a CDbPolygon of a group on the current layer), add (bool), the point's
// 1-based index on its cut outline (int).
// Adding follows the drawing's first-click flag: set, or on a polygon without a pair waiting
// for its end, the point starts a new pair (replacing the polygon's former one) and the flag
// clears; otherwise the point ends the waiting pair, at another point than its start, and the
// flag is set again. Removing a start or end point
// removes its pair and sets the flag.
class SymmetricalCutCmd : public CutPathCmd
{
    Q_OBJECT
public:
    SymmetricalCutCmd();

protected:
    short prepare(DocumentMak& document, const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
