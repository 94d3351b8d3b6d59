#pragma once

#include "VelCore/AbstractCmd.h"
#include "laystore/QListEx.h"

#include <QVector>

namespace VelSystem {

class CDbAbstractObject;
class CDbFabricObject;
class DocumentMak;

// Undoable replacement on one layer: redo puts each replacement in the place of the current
// object of the same index, adds the replacements beyond the current objects and removes the
// current objects beyond the replacements; undo restores the layer exactly, drawing order
// included. The command owns whichever list is out of the document.
class ReplaceObjectsCmd : public AbstractCmd
{
    Q_OBJECT
public:
    // `text` is the undo text; an empty one gives the command's own name.
    ReplaceObjectsCmd(DocumentMak* document, const QListEx<CDbAbstractObject*>& current,
                      const QListEx<CDbAbstractObject*>& replacements, CDbFabricObject* fabric, short layer,
                      const QString& text);
    ~ReplaceObjectsCmd() override;

    void redo() override;
    void undo() override;

private:
    DocumentMak* mDocument;
    QListEx<CDbAbstractObject*> mCurrent;
    QListEx<CDbAbstractObject*> mReplacements;
    CDbFabricObject* mFabric;
    short mLayer;
    // Where each current object beyond the replacements stood when redo removed it.
    QVector<int> mRemovedPositions;
    bool mApplied = false;
};

} // namespace VelSystem
