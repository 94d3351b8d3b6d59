#include "laystore/commands/FineRotateCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerShareGlobales.h"

#include <QCoreApplication>
#include <cmath>

namespace VelSystem {

namespace {

const CmdRegistration<FineRotateCmd> registration(QStringLiteral("FineRotate"));

// How far from a multiple of the step an angle may be and still count as on it: rounding
// of the sums of steps.
constexpr double kOnGrid = 1e-9;

} // namespace

FineRotateCmd::FineRotateCmd()
    : GroupTransformCmd(3, QCoreApplication::translate("VelSystem::FineRotateCmd", "Fine rotation"))
{}

void FineRotateCmd::transform(CDbGrPolysObject& group, const QList<bool>& flags) const
{
    const bool clockwise = flags[0], coarse = flags[1], aligned = flags[2];
    const double step = CDbMarkerShareGlobales::instance()->getRotFineStep() * (coarse ? 10.0 : 1.0);
    double degrees = clockwise ? -step : step;
    if (aligned && group.polygonCount() > 0 && step > 0.0) {
        const double steps = group.polygon(0).rotation() / step;
        const double target =
            clockwise ? std::ceil(steps - kOnGrid) - 1.0 : std::floor(steps + kOnGrid) + 1.0;
        degrees = target * step - group.polygon(0).rotation();
    }
    group.rotate(degrees);
}

} // namespace VelSystem
