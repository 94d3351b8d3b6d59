#include "laystore/commands/LayerReplaceCmd.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/commands/ReplaceObjectsCmd.h"

namespace VelSystem {

LayerReplaceCmd::LayerReplaceCmd(const QString& text)
{
    setText(text);
}

LayerReplaceCmd::~LayerReplaceCmd() = default;

void LayerReplaceCmd::prepare(DocumentMak& document, const QListEx<CDbAbstractObject*>& current,
                              const QListEx<CDbAbstractObject*>& replacements)
{
    const CDbAbstractObject* placed = current.first();
    CDbFabricObject* fabric = document.drawing()->fabric(placed->fabricIndex());
    mReplace = std::make_unique<ReplaceObjectsCmd>(&document, current, replacements, fabric,
                                                   placed->layerIndex(), text());
}

void LayerReplaceCmd::redo()
{
    if (mReplace)
        mReplace->redo();
}

void LayerReplaceCmd::undo()
{
    if (mReplace)
        mReplace->undo();
}

bool LayerReplaceCmd::numberAt(const QList<QVariant>& parameters, int i, double* value)
{
    if (i >= parameters.size())
        return false;
    const int type = parameters[i].userType();
    if (type != QMetaType::Int && type != QMetaType::Double && type != QMetaType::Short)
        return false;
    *value = parameters[i].toDouble();
    return true;
}

CDbGrPolysObject* LayerReplaceCmd::placedGroup(const DocumentMak& document, void* pointer)
{
    // Compared before any cast: the pointer may name anything, or something already freed.
    for (short f = 0; f < document.drawing()->fabricCount(); ++f) {
        CDbFabricObject* fabric = document.drawing()->fabric(f);
        for (short l = 0; fabric->layer(l); ++l) {
            for (CDbGrPolysObject* group : document.groups(fabric, l)) {
                if (group == pointer)
                    return group;
            }
        }
    }
    return nullptr;
}

double LayerReplaceCmd::layerWidth(const DocumentMak& document, const CDbGrPolysObject& group)
{
    return document.drawing()->fabric(group.fabricIndex())->getFabricLayerWidth(group.layerIndex());
}

} // namespace VelSystem
