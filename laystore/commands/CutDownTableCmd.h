#pragma once

#include "laystore/commands/ChartCutDownCmd.h"

namespace VelSystem {

// "CutDownTable": two pieces of the size chart cut down together in every size of the current
// layer, taken apart, or laid at a new position. Sixteen parameters: first piece (void*) and
// its number from 1, second piece and its number, the piece of a pair and its number, the
// position (verticalAxis, offsetX, horizontalAxis, offsetY), new pair (bool), change of
// position (bool), the old position (neither flag: take apart). The caller does not push it:
// setDocument pushes the change itself as one undoable step and answers 0, or 1 for a list
// not of that form or pieces not in the chart's state it assumes, or the helper's code why
// the pieces cannot be paired; the command handed in stays empty.
class CutDownTableCmd : public ChartCutDownCmd
{
    Q_OBJECT
public:
    CutDownTableCmd();
    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;

private:
    explicit CutDownTableCmd(const QString& text);
};

} // namespace VelSystem
