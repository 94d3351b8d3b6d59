#include "laystore/commands/UnCutDownCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbCutDownHelper.h"

#include <QCoreApplication>
#include <algorithm>

namespace VelSystem {

namespace {
const CmdRegistration<UnCutDownCmd> registration(QStringLiteral("UnCutDown"));
} // namespace

UnCutDownCmd::UnCutDownCmd()
    : LayerReplaceCmd(QCoreApplication::translate("VelSystem::UnCutDownCmd", "Take Cut-Down Apart"))
{}

short UnCutDownCmd::setDocument(const boost::shared_ptr<Document>& document,
                                const QList<QVariant>& parameters)
{
    const auto marker = boost::dynamic_pointer_cast<DocumentMak>(document);
    double section = 0.0;
    if (!marker || parameters.size() != 3 || !numberAt(parameters, 0, &section))
        return 1;
    CDbGrPolysObject* group = placedGroup(*marker, pointerAt<void>(parameters, 1));
    const void* polygon = pointerAt<void>(parameters, 2);
    if (!group || std::none_of(group->polygons().begin(), group->polygons().end(),
                               [polygon](const CDbPolygon& p) { return &p == polygon; }))
        return 1;
    auto parts = CDbCutDownHelper::takeApart(*group);
    if (!parts.first)
        return 1;
    prepare(*marker, {group}, {parts.first.release(), parts.second.release()});
    return 0;
}

} // namespace VelSystem
