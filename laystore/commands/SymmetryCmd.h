#pragma once

#include "laystore/commands/GroupTransformCmd.h"

namespace VelSystem {

// "Symmetry": mirrors a piece group about an axis through its centre. Parameters (mode,
// group, horizontalAxis, bothAxes), see GroupTransformCmd:
// - horizontalAxis: true mirrors about the horizontal axis (top and bottom exchange), false
//   about the vertical axis (left and right exchange);
// - bothAxes: mirrors about both, whatever horizontalAxis says.
class SymmetryCmd : public GroupTransformCmd
{
    Q_OBJECT
public:
    SymmetryCmd();

protected:
    void transform(CDbGrPolysObject& group, const QList<bool>& flags) const override;
};

} // namespace VelSystem
