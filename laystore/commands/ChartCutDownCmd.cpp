#include "laystore/commands/ChartCutDownCmd.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

namespace VelSystem {

ChartCutDownCmd::ChartCutDownCmd(const QString& text) : LayerReplaceCmd(text) {}

DocumentMak* ChartCutDownCmd::chartTarget(const boost::shared_ptr<Document>& document,
                                          const QList<QVariant>& parameters, int count,
                                          CDbFabricObject** fabric, short* layer, CDbCutDownObject* position)
{
    auto* marker = dynamic_cast<DocumentMak*>(document.get());
    short fabricIndex = 0;
    double values[4] = {};
    if (!marker || !marker->drawing() || parameters.size() != count ||
        !marker->drawing()->isSetToSingleLayer(&fabricIndex, layer) ||
        parameters[10].userType() != QMetaType::Bool || parameters[11].userType() != QMetaType::Bool)
        return nullptr;
    for (int k = 0; k < 4; ++k) {
        if (!numberAt(parameters, 6 + k, &values[k]))
            return nullptr;
    }
    *fabric = marker->drawing()->fabric(fabricIndex);
    *position =
        CDbCutDownObject(static_cast<short>(values[0]), values[1], static_cast<short>(values[2]), values[3]);
    return *fabric && (*fabric)->layer(*layer) ? marker : nullptr;
}

void ChartCutDownCmd::prepareChart(DocumentMak& document, CDbFabricObject* fabric,
                                   CDbChartCutDownHelper::Change&& change, const CDbSizePlan& after)
{
    mDocument = &document;
    mFabric = fabric;
    mBefore = fabric->sizePlan();
    mAfter = after;
    mReplaces = !change.current.isEmpty();
    if (!mReplaces)
        return;
    QListEx<CDbAbstractObject*> replacements;
    for (std::unique_ptr<CDbGrPolysObject>& made : change.replacements)
        replacements << made.release();
    prepare(document, change.current, replacements);
}

void ChartCutDownCmd::redo()
{
    setPlan(mAfter);
    LayerReplaceCmd::redo();
}

void ChartCutDownCmd::undo()
{
    setPlan(mBefore);
    LayerReplaceCmd::undo();
}

void ChartCutDownCmd::setPlan(const CDbSizePlan& plan)
{
    if (!mFabric)
        return;
    mFabric->sizePlan() = plan;
    if (!mReplaces)
        mDocument->emitModified();
}

} // namespace VelSystem
