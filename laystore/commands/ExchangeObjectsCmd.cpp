#include "laystore/commands/ExchangeObjectsCmd.h"

#include "laystore/CDbAbstractObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QtAlgorithms>
#include <utility>

namespace VelSystem {

ExchangeObjectsCmd::ExchangeObjectsCmd(DocumentMak* document, const QListEx<CDbAbstractObject*>& placed,
                                       const QListEx<CDbAbstractObject*>& copies, const QString& text)
    : mDocument(document), mPlaced(placed), mCopies(copies)
{
    setText(text.isEmpty() ? QCoreApplication::translate("VelSystem::ExchangeObjectsCmd", "Modification")
                           : text);
}

ExchangeObjectsCmd::ExchangeObjectsCmd(const QString& text)
{
    setText(text);
}

void ExchangeObjectsCmd::record(DocumentMak* document, const QListEx<CDbAbstractObject*>& placed,
                                const QListEx<CDbAbstractObject*>& copies)
{
    mDocument = document;
    mPlaced = placed;
    mCopies = copies;
}

ExchangeObjectsCmd::~ExchangeObjectsCmd()
{
    qDeleteAll(mCopies);
}

void ExchangeObjectsCmd::redo()
{
    if (!std::exchange(mSkipRedo, false))
        exchange();
}

void ExchangeObjectsCmd::undo()
{
    exchange();
}

void ExchangeObjectsCmd::exchange()
{
    for (int i = 0; i < mPlaced.size(); ++i)
        mDocument->exchangePiece(mPlaced[i], mCopies[i]);
    mDocument->emitModified();
}

} // namespace VelSystem
