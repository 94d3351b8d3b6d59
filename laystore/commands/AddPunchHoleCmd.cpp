#include "laystore/commands/AddPunchHoleCmd.h"

#include "VelCore/CmdsManager.h"
#include "VelCore/VelCoreApplication.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerPointObject.h"
#include "laystore/CDbPunchHoleObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/commands/AddObjectsCmd.h"
#include "laystore/commands/ReplaceObjectsCmd.h"
#include "laystore/ops/KnifePointSearch.h"

namespace VelSystem {

namespace {

const CmdRegistration<AddPunchHoleCmd> registration(QStringLiteral("AddPunchHole"));

short refuse(const QString& message)
{
    VelCoreApplication::instance()->showMessage(message);
    return AddPunchHoleCmd::Refused;
}

} // namespace

AddPunchHoleCmd::AddPunchHoleCmd()
{
    setText(tr("Punch Hole"));
}

AddPunchHoleCmd::~AddPunchHoleCmd() = default;

short AddPunchHoleCmd::setDocument(const boost::shared_ptr<Document>& document,
                                   const QList<QVariant>& parameters)
{
    const auto marker = boost::dynamic_pointer_cast<DocumentMak>(document);
    if (!marker || !marker->drawing() || parameters.size() != 2 ||
        parameters[0].userType() != QMetaType::VoidStar || parameters[1].userType() != QMetaType::Bool)
        return BadParameters;
    const auto* point = static_cast<const CDbMarkerPointObject*>(parameters[0].value<void*>());
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short code = 1;
    marker->drawing()->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (!point || code != 0 || !fabric)
        return BadParameters;
    const double tolerance = marker->drawing()->pixelToCmInX(5.0);
    CDbPunchHoleObject* there = nullptr;
    for (CDbAbstractObject* object : marker->objects(fabric, layer)) {
        auto* hole = qobject_cast<CDbPunchHoleObject*>(object);
        if (hole && hole->hitTest(*point, tolerance))
            there = hole;
    }

    if (!parameters[1].toBool()) {
        if (!there)
            return refuse(tr("There is no punch hole here."));
        setText(tr("Remove Punch Hole"));
        mChange = std::make_unique<ReplaceObjectsCmd>(marker.get(), QListEx<CDbAbstractObject*>{there},
                                                      QListEx<CDbAbstractObject*>{}, fabric, layer, text());
        return 0;
    }
    const double radius = CDbPunchHoleObject::kDiameter / 2.0;
    if (point->x < radius || point->y < radius || point->y > fabric->getFabricLayerWidth(layer) - radius)
        return refuse(tr("A punch hole must lie on the fabric."));
    if (KnifePointSearch::groupAt(*fabric, layer, *point, radius))
        return refuse(tr("A punch hole cannot go inside a piece or on its outline."));
    if (there)
        return refuse(tr("There is already a punch hole here."));
    setText(tr("Add Punch Hole"));
    mChange = std::make_unique<AddObjectsCmd>(marker.get(),
                                              QListEx<CDbAbstractObject*>{new CDbPunchHoleObject(*point)},
                                              fabric, layer, text(), false);
    return 0;
}

void AddPunchHoleCmd::redo()
{
    if (mChange)
        mChange->redo();
}

void AddPunchHoleCmd::undo()
{
    if (mChange)
        mChange->undo();
}

} // namespace VelSystem
