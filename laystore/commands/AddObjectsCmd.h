#pragma once

#include "VelCore/AbstractCmd.h"
#include "laystore/QListEx.h"

#include <QVector>

namespace VelSystem {

class CDbAbstractObject;
class CDbFabricObject;
class DocumentMak;

// Undoable addition of objects to one layer. Applied on push, redo appends them in list
// order; recorded after the caller placed them, the first redo does nothing. Undo takes them
// out, a later redo puts them back where they stood. The command owns the objects while they
// are out of the document.
class AddObjectsCmd : public AbstractCmd
{
    Q_OBJECT
public:
    // `text` is the undo text; an empty one gives the command's own name. With
    // `alreadyPlaced` the objects lie on the layer now.
    AddObjectsCmd(DocumentMak* document, const QListEx<CDbAbstractObject*>& objects, CDbFabricObject* fabric,
                  short layer, const QString& text, bool alreadyPlaced);
    ~AddObjectsCmd() override;

    void redo() override;
    void undo() override;

private:
    DocumentMak* mDocument;
    QListEx<CDbAbstractObject*> mObjects;
    CDbFabricObject* mFabric;
    short mLayer;
    bool mApplied;
    // Set until the first redo of a change that was made before the push.
    bool mSkipRedo;
    // Where each object stood in the layer's drawing order when undo took it out; empty
    // before the first undo (the first redo appends).
    QVector<int> mPositions;
};

} // namespace VelSystem
