#pragma once

#include "laystore/commands/LayerReplaceCmd.h"

namespace VelSystem {

// "CutDown": makes two placed pieces of one layer a cut-down pair (CDbCutDownHelper).
// Parameters: section (int, of the second group; not used beyond the check that it is a
// number), first group, second group (void*), verticalAxis (int), offsetX (double),
// horizontalAxis (int), offsetY (double). setDocument answers 0, 1 for a list not of that
// form or groups not placed in the document, or the helper's code why the two cannot be
// paired; redo replaces the two groups by the pair, undo brings them back.
class CutDownCmd : public LayerReplaceCmd
{
    Q_OBJECT
public:
    CutDownCmd();
    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
