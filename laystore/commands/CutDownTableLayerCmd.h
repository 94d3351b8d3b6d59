#pragma once

#include "laystore/commands/ChartCutDownCmd.h"

namespace VelSystem {

// "CutDownTableLayer": the pieces of two size columns of the chart (of one size) cut down
// together piece by piece on the current layer, taken apart, or aligned anew. Fourteen
// parameters (ints unless said): first and second column number from 1 (new pair), the column
// number of a pair, the size, the second column's index and partner index, the position
// (verticalAxis, offsetX double, horizontalAxis, offsetY double), new pair (bool), change of
// alignment (bool), the old axes. setDocument answers 0, 1 for a list not of that form or
// columns not in the state it assumes, or the helper's code why nothing can be paired.
class CutDownTableLayerCmd : public ChartCutDownCmd
{
    Q_OBJECT
public:
    CutDownTableLayerCmd();
    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
