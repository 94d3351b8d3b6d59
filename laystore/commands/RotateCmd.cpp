#include "laystore/commands/RotateCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {

const CmdRegistration<RotateCmd> registration(QStringLiteral("Rotate"));

} // namespace

RotateCmd::RotateCmd() : GroupTransformCmd(2, QCoreApplication::translate("VelSystem::RotateCmd", "Rotation"))
{}

void RotateCmd::transform(CDbGrPolysObject& group, const QList<bool>& flags) const
{
    const bool quarter = flags[0], clockwise = flags[1];
    group.rotate(quarter ? (clockwise ? -90.0 : 90.0) : 180.0);
}

} // namespace VelSystem
