#pragma once

#include "VelCore/AbstractCmd.h"
#include "laystore/QListEx.h"

namespace VelSystem {

class CDbAbstractObject;
class CDbFabricObject;
class DocumentMak;

// Undoable addition of objects to one layer: redo appends them in list order, undo takes
// them out again. The command owns the objects while they are out of the document.
class AddObjectsCmd : public AbstractCmd
{
    Q_OBJECT
public:
    // `text` is the undo text; an empty one gives the command's own name.
    AddObjectsCmd(DocumentMak* document, const QListEx<CDbAbstractObject*>& objects, CDbFabricObject* fabric,
                  short layer, const QString& text);
    ~AddObjectsCmd() override;

    void redo() override;
    void undo() override;

private:
    DocumentMak* mDocument;
    QListEx<CDbAbstractObject*> mObjects;
    CDbFabricObject* mFabric;
    short mLayer;
    bool mApplied = false;
};

} // namespace VelSystem
