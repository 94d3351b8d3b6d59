#pragma once

#include "laystore/CDbSizePlan.h"
#include "laystore/commands/LayerReplaceCmd.h"
#include "laystore/ops/CDbChartCutDownHelper.h"

namespace VelSystem {

// Base of the size chart's cut-down commands: replaces groups of the current layer as
// LayerReplaceCmd does and changes the fabric's size plan with them; undo restores both.
class ChartCutDownCmd : public LayerReplaceCmd
{
    Q_OBJECT
public:
    void redo() override;
    void undo() override;

protected:
    explicit ChartCutDownCmd(const QString& text);
    // The marker's current fabric and layer; false when it is not set to one layer.
    static bool currentLayer(const DocumentMak& document, CDbFabricObject** fabric, short* layer);
    // Records `change` (which it takes) and the plan `after` of `fabric`.
    void prepareChart(DocumentMak& document, CDbFabricObject* fabric, CDbChartCutDownHelper::Change&& change,
                      const CDbSizePlan& after);

private:
    DocumentMak* mDocument = nullptr;
    CDbFabricObject* mFabric = nullptr;
    CDbSizePlan mBefore;
    CDbSizePlan mAfter;
};

} // namespace VelSystem
