#include "laystore/commands/SequenceCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"

namespace VelSystem {

namespace {

const CmdRegistration<SequenceCmd> registration(QStringLiteral("Sequence"));

} // namespace

SequenceCmd::SequenceCmd() : CutPathCmd(tr("Sequence")) {}

short SequenceCmd::prepare(DocumentMak& document, const QList<QVariant>& parameters)
{
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    CDbGrPolysObject* group =
        parameters.size() == 1 ? groupParameter(document, parameters[0], &fabric, &layer) : nullptr;
    if (!group)
        return BadParameters;
    if (group->section() != CDbGrPolysObject::SectionFabric)
        return refuse(tr("Only pieces laid on the fabric are cut."));
    CDbFabricLayerObject* layerObject = fabric->layer(layer);
    CDbGrPolysObject* current = layerObject->cutOrderGroup();
    if (current == group)
        return refuse(tr("This piece already has this place in the cut order."));

    QListEx<CDbGrPolysObject*> order = fabric->groupsInCutOrder(layer);
    order.removeOne(group);
    order.insert(order.indexOf(current) + 1, group);
    for (int i = 0; i < order.size(); ++i) {
        const short rank = static_cast<short>(i + 1);
        if (order[i]->polygon(0).getPolygonCutRank() != rank)
            changed(order[i]).setCutRankKey(rank);
    }
    setCutOrderGroupAfter(layerObject, group);
    return 0;
}

} // namespace VelSystem
