#include "laystore/commands/ChangeStartPointCmd.h"

#include "VelCore/CmdsManager.h"
#include "VelCore/t_1_Based.h"
#include "laystore/CDbGrPolysObject.h"

namespace VelSystem {

namespace {

const CmdRegistration<ChangeStartPointCmd> registration(QStringLiteral("ChangeStartPoint"));

} // namespace

ChangeStartPointCmd::ChangeStartPointCmd() : CutPathCmd(tr("Knife Starting Point")) {}

short ChangeStartPointCmd::prepare(DocumentMak& document, const QList<QVariant>& parameters)
{
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    CDbGrPolysObject* group =
        parameters.size() == 2 ? groupParameter(document, parameters[0], &fabric, &layer) : nullptr;
    if (!group || parameters[1].userType() != QMetaType::Int)
        return BadParameters;
    const int knife = group->knifePolygonIndex();
    const CDbVectorsObjectTable& outline = group->polygon(knife).cutOutline();
    const t_1_Based index(static_cast<short>(parameters[1].toInt()));
    if (!index.isValid() || index.value() > outline.size())
        return refuse(tr("The knife's starting point must be a point of the piece's outline."));
    const CDbMarkerPointObject& point = outline[index.zeroBased()];
    if (point.isNotch())
        return refuse(tr("The knife cannot start on a notch."));
    if (point.hasFeature(PointFeature::StartPoint))
        return refuse(tr("The knife already starts at this point."));

    changed(group).polygon(knife).setKnifeStartIndex(index.zeroBased());
    return 0;
}

} // namespace VelSystem
