#include "laystore/commands/CutWithAngleCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbAngleCutHelper.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const CmdRegistration<CutWithAngleCmd> registration(QStringLiteral("CutWithAngle"));
} // namespace

CutWithAngleCmd::CutWithAngleCmd()
    : LayerReplaceCmd(QCoreApplication::translate("VelSystem::CutWithAngleCmd", "Cut with Angle"))
{}

short CutWithAngleCmd::setDocument(const boost::shared_ptr<Document>& document,
                                   const QList<QVariant>& parameters)
{
    const auto marker = boost::dynamic_pointer_cast<DocumentMak>(document);
    double seam = 0.0, coordinate = 0.0, baseAngle = 0.0, mode = 0.0;
    if (!marker || parameters.size() != 6 || !numberAt(parameters, 2, &seam) ||
        !numberAt(parameters, 3, &coordinate) || !numberAt(parameters, 4, &baseAngle) ||
        parameters[5].userType() != QMetaType::Int)
        return 1;
    mode = parameters[5].toInt();
    CDbGrPolysObject* group = placedGroup(*marker, pointerAt<void>(parameters, 0));
    const GeoPoint2D* through = pointerAt<GeoPoint2D>(parameters, 1);
    if (!group || !through || mode < 0 || mode > 7)
        return 1;
    CDbAngleCutHelper::Code code = CDbAngleCutHelper::Success;
    auto parts = CDbAngleCutHelper::cutWithAngle(*group, *through, 45.0 * mode + baseAngle, seam, &code);
    if (!parts.first)
        return code;
    prepare(*marker, {group}, {parts.first.release(), parts.second.release()});
    return 0;
}

} // namespace VelSystem
