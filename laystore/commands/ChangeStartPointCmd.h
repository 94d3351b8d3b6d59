#pragma once

#include "laystore/commands/CutPathCmd.h"

namespace VelSystem {

// "ChangeStartPoint": moves where the knife starts cutting a piece group's outline (the knife
// polygon's cut outline, CDbGrPolysObject::knifePolygonIndex) to one of its points.
// Parameters: the group (void*, placed on the current layer), the point's 1-based index (int).
// A notch, an index off the outline or the present start point is refused.
class ChangeStartPointCmd : public CutPathCmd
{
    Q_OBJECT
public:
    ChangeStartPointCmd();

protected:
    short prepare(DocumentMak& document, const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
