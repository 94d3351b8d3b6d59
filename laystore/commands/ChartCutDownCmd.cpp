#include "laystore/commands/ChartCutDownCmd.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

namespace VelSystem {

ChartCutDownCmd::ChartCutDownCmd(const QString& text) : LayerReplaceCmd(text) {}

bool ChartCutDownCmd::currentLayer(const DocumentMak& document, CDbFabricObject** fabric, short* layer)
{
    short fabricIndex = 0;
    CDbMarkerDrawing* drawing = document.drawing();
    if (!drawing || !drawing->isSetToSingleLayer(&fabricIndex, layer))
        return false;
    *fabric = drawing->fabric(fabricIndex);
    return *fabric && (*fabric)->layer(*layer);
}

void ChartCutDownCmd::prepareChart(DocumentMak& document, CDbFabricObject* fabric,
                                   CDbChartCutDownHelper::Change&& change, const CDbSizePlan& after)
{
    mDocument = &document;
    mFabric = fabric;
    mBefore = fabric->sizePlan();
    mAfter = after;
    if (change.current.isEmpty())
        return;
    QListEx<CDbAbstractObject*> replacements;
    for (std::unique_ptr<CDbGrPolysObject>& made : change.replacements)
        replacements << made.release();
    prepare(document, change.current, replacements);
}

void ChartCutDownCmd::redo()
{
    LayerReplaceCmd::redo();
    if (!mFabric)
        return;
    mFabric->sizePlan() = mAfter;
    mDocument->emitModified();
}

void ChartCutDownCmd::undo()
{
    LayerReplaceCmd::undo();
    if (!mFabric)
        return;
    mFabric->sizePlan() = mBefore;
    mDocument->emitModified();
}

} // namespace VelSystem
