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
    // The marker `document` is, with its current fabric and layer, for `count` parameters
    // holding the position in entries 7 to 10 and the new-pair and change flags (bools) in 11
    // and 12; null when the list is not of that form or the marker not set to one layer.
    static DocumentMak* chartTarget(const boost::shared_ptr<Document>& document,
                                    const QList<QVariant>& parameters, int count, CDbFabricObject** fabric,
                                    short* layer, CDbCutDownObject* position);
    // Records `change` (which it takes) and the plan `after` of `fabric`.
    void prepareChart(DocumentMak& document, CDbFabricObject* fabric, CDbChartCutDownHelper::Change&& change,
                      const CDbSizePlan& after);

private:
    // Sets the fabric's plan before the groups change, so that those told of the change read
    // the plan that goes with them; announces it itself when no group changes.
    void setPlan(const CDbSizePlan& plan);

    DocumentMak* mDocument = nullptr;
    bool mReplaces = false;
    CDbFabricObject* mFabric = nullptr;
    CDbSizePlan mBefore;
    CDbSizePlan mAfter;
};

} // namespace VelSystem
