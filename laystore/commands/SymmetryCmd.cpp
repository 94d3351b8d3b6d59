#include "laystore/commands/SymmetryCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {

const CmdRegistration<SymmetryCmd> registration(QStringLiteral("Symmetry"));

} // namespace

SymmetryCmd::SymmetryCmd()
    : GroupTransformCmd(2, QCoreApplication::translate("VelSystem::SymmetryCmd", "Mirror"))
{}

void SymmetryCmd::transform(CDbGrPolysObject& group, const QList<bool>& flags) const
{
    const bool horizontalAxis = flags[0], bothAxes = flags[1];
    if (horizontalAxis || bothAxes)
        group.mirrorVertically();
    if (!horizontalAxis || bothAxes)
        group.mirrorHorizontally();
}

} // namespace VelSystem
