#include "laystore/commands/EditBlockCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbBlockHelper.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {

const CmdRegistration<EditBlockCmd> registration(QStringLiteral("EditBlock"));

enum Refusal
{
    BadParameters = 1,
    NotInDocument = 2,
    NothingChanged = 3
};

CDbGrPolysObject* groupOf(const QVariant& parameter)
{
    if (parameter.userType() != QMetaType::VoidStar)
        return nullptr;
    return qobject_cast<CDbGrPolysObject*>(static_cast<CDbAbstractObject*>(parameter.value<void*>()));
}

} // namespace

EditBlockCmd::EditBlockCmd()
    : ExchangeObjectsCmd(QCoreApplication::translate("VelSystem::EditBlockCmd", "Edit Blocking"))
{}

short EditBlockCmd::setDocument(const boost::shared_ptr<Document>& document,
                                const QList<QVariant>& parameters)
{
    const auto marker = boost::dynamic_pointer_cast<DocumentMak>(document);
    CDbGrPolysObject* copy = parameters.size() == 2 ? groupOf(parameters[0]) : nullptr;
    CDbGrPolysObject* group = parameters.size() == 2 ? groupOf(parameters[1]) : nullptr;
    if (!marker || !copy || !group || copy == group)
        return BadParameters;
    if (!marker->contains(group) || copy->isPlaced())
        return NotInDocument;
    if (group->polygons() == copy->polygons())
        return NothingChanged;
    CDbFabricObject* fabric = marker->drawing()->fabric(group->fabricIndex());
    if (!group->isValidateManualBlocking(marker->drawing(), fabric))
        return CDbBlockHelper::kInvalidBlocking;
    record(marker.get(), {group}, {copy});
    return 0;
}

} // namespace VelSystem
