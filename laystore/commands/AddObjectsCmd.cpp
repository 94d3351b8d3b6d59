#include "laystore/commands/AddObjectsCmd.h"

#include "laystore/CDbAbstractObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QtAlgorithms>
#include <algorithm>
#include <numeric>
#include <utility>

namespace VelSystem {

AddObjectsCmd::AddObjectsCmd(DocumentMak* document, const QListEx<CDbAbstractObject*>& objects,
                             CDbFabricObject* fabric, short layer, const QString& text, bool alreadyPlaced)
    : mDocument(document), mObjects(objects), mFabric(fabric), mLayer(layer), mApplied(alreadyPlaced),
      mSkipRedo(alreadyPlaced)
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
    if (std::exchange(mSkipRedo, false))
        return;
    if (mPositions.isEmpty()) {
        for (CDbAbstractObject* object : mObjects)
            mDocument->addPiece(object, mFabric, mLayer);
    } else {
        // Lowest position first, so that each one is counted among the objects already back.
        QVector<int> order(mObjects.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [this](int a, int b) { return mPositions[a] < mPositions[b]; });
        for (int i : order)
            mDocument->insertPiece(mObjects[i], mFabric, mLayer, mPositions[i]);
    }
    mApplied = true;
    mDocument->emitModified();
}

void AddObjectsCmd::undo()
{
    const QListEx<CDbAbstractObject*> layerObjects = mDocument->objects(mFabric, mLayer);
    mPositions.clear();
    for (CDbAbstractObject* object : mObjects)
        mPositions.append(layerObjects.indexOf(object));
    for (CDbAbstractObject* object : mObjects)
        mDocument->removePiece(object, mFabric, mLayer);
    mApplied = false;
    mDocument->emitModified();
}

} // namespace VelSystem
