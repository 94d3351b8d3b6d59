#pragma once

#include "laystore/commands/LayerReplaceCmd.h"

namespace VelSystem {

// "UnCutDown": takes a cut-down pair apart (CDbCutDownHelper::takeApart). Parameters:
// section (int), the pair's group and one of its polygons (void* each). setDocument answers
// 0, or 1 for a list not of that form, a group not placed in the document, a polygon not
// of the group or a group that is no pair; redo replaces the pair by its two pieces.
class UnCutDownCmd : public LayerReplaceCmd
{
    Q_OBJECT
public:
    UnCutDownCmd();
    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
};

} // namespace VelSystem
