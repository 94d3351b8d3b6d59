#include "laystore/commands/ReplaceObjectsCmd.h"

#include "laystore/CDbAbstractObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QtAlgorithms>
#include <algorithm>

namespace VelSystem {

ReplaceObjectsCmd::ReplaceObjectsCmd(DocumentMak* document, const QListEx<CDbAbstractObject*>& current,
                                     const QListEx<CDbAbstractObject*>& replacements, CDbFabricObject* fabric,
                                     short layer, const QString& text)
    : mDocument(document), mCurrent(current), mReplacements(replacements), mFabric(fabric), mLayer(layer)
{
    setText(text.isEmpty() ? QCoreApplication::translate("VelSystem::ReplaceObjectsCmd", "Replace objects")
                           : text);
}

ReplaceObjectsCmd::~ReplaceObjectsCmd()
{
    qDeleteAll(mApplied ? mCurrent : mReplacements);
}

void ReplaceObjectsCmd::redo()
{
    const int pairs = std::min(mCurrent.size(), mReplacements.size());
    for (int i = 0; i < pairs; ++i)
        mDocument->replacePiece(mCurrent[i], mReplacements[i], mFabric, mLayer);
    for (int i = pairs; i < mReplacements.size(); ++i)
        mDocument->addPiece(mReplacements[i], mFabric, mLayer);
    mRemovedPositions.clear();
    for (int i = pairs; i < mCurrent.size(); ++i) {
        mRemovedPositions.append(mDocument->objects(mFabric, mLayer).indexOf(mCurrent[i]));
        mDocument->removePiece(mCurrent[i], mFabric, mLayer);
    }
    mApplied = true;
    mDocument->emitModified();
}

// Every step of redo reversed, last step first.
void ReplaceObjectsCmd::undo()
{
    const int pairs = std::min(mCurrent.size(), mReplacements.size());
    for (int i = mCurrent.size() - 1; i >= pairs; --i)
        mDocument->insertPiece(mCurrent[i], mFabric, mLayer, mRemovedPositions[i - pairs]);
    for (int i = mReplacements.size() - 1; i >= pairs; --i)
        mDocument->removePiece(mReplacements[i], mFabric, mLayer);
    for (int i = pairs - 1; i >= 0; --i)
        mDocument->replacePiece(mReplacements[i], mCurrent[i], mFabric, mLayer);
    mApplied = false;
    mDocument->emitModified();
}

} // namespace VelSystem
