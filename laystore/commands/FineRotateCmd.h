#pragma once

#include "laystore/commands/GroupTransformCmd.h"

namespace VelSystem {

// "FineRotate": turns a piece group about its centre by the fine rotation step
// (CDbMarkerShareGlobales::getRotFineStep). Parameters (mode, group, clockwise, coarse,
// aligned), see GroupTransformCmd:
// - clockwise: false turns counter-clockwise (the angle grows), true clockwise;
// - coarse: ten steps at once;
// - aligned: turns to the next multiple of the step in that direction instead, so that an
//   angle off the step's grid comes back onto it.
class FineRotateCmd : public GroupTransformCmd
{
    Q_OBJECT
public:
    FineRotateCmd();

protected:
    void transform(CDbGrPolysObject& group, const QList<bool>& flags) const override;
};

} // namespace VelSystem
