#pragma once

#include "laystore/commands/GroupTransformCmd.h"

namespace VelSystem {

// "Rotate": turns a piece group about its centre by a half or a quarter turn. Parameters
// (mode, group, quarter, clockwise), see GroupTransformCmd:
// - quarter: false turns by 180 degrees, true by 90;
// - clockwise: the direction of a quarter turn (false: counter-clockwise); a half turn
//   is the same either way.
class RotateCmd : public GroupTransformCmd
{
    Q_OBJECT
public:
    RotateCmd();

protected:
    void transform(CDbGrPolysObject& group, const QList<bool>& flags) const override;
};

} // namespace VelSystem
