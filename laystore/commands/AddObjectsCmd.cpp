#include "laystore/commands/AddObjectsCmd.h"

#include "laystore/CDbAbstractObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QtAlgorithms>

namespace VelSystem {

AddObjectsCmd::AddObjectsCmd(DocumentMak* document, const QListEx<CDbAbstractObject*>& objects,
                             CDbFabricObject* fabric, short layer, const QString& text)
    : mDocument(document), mObjects(objects), mFabric(fabric), mLayer(layer)
{
    setText(text.isEmpty() ? QCoreApplication::translate("VelSystem::AddObjectsCmd", "Add objects") : text);
}

AddObjectsCmd::~AddObjectsCmd()
{
    if (!mApplied)
        qDeleteAll(mObjects);
}

void AddObjectsCmd::redo()
{
    for (CDbAbstractObject* object : mObjects)
        mDocument->addPiece(object, mFabric, mLayer);
    mApplied = true;
    mDocument->emitModified();
}

void AddObjectsCmd::undo()
{
    // Last added first, so that the layer's drawing order returns to what it was.
    for (int i = mObjects.size() - 1; i >= 0; --i)
        mDocument->removePiece(mObjects[i], mFabric, mLayer);
    mApplied = false;
    mDocument->emitModified();
}

} // namespace VelSystem
