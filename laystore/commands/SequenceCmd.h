#pragma once

#include "laystore/commands/CutPathCmd.h"

namespace VelSystem {

// "Sequence": gives a laid piece group the next place in its layer's cut order, right after
// the layer's current group (first when there is none), and makes it the current group, so
// that clicking pieces one after the other orders them. The other groups keep their order.
// Parameters: the group (void*), laid on the current layer.
class SequenceCmd : public CutPathCmd
{
    Q_OBJECT
public:
    SequenceCmd();

protected:
    short prepare(DocumentMak& document, const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
