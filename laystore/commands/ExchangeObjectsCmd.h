#pragma once

#include "VelCore/AbstractCmd.h"
#include "laystore/QListEx.h"

namespace VelSystem {

class CDbAbstractObject;
class DocumentMak;

// Undoable record of a change made to objects that stay on their layer: each placed object
// is paired with a copy of its other state (taken before the change). The first redo does
// nothing, because the change is already made; undo and redo exchange each object's data
// with its copy's (exchangeInfos), so the document keeps the same objects and whatever points
// at them stays valid. The command owns the copies.
class ExchangeObjectsCmd : public AbstractCmd
{
    Q_OBJECT
public:
    // `placed` and `copies` pair up by index; `text` is the undo text (an empty one gives the
    // command's own name).
    ExchangeObjectsCmd(DocumentMak* document, const QListEx<CDbAbstractObject*>& placed,
                       const QListEx<CDbAbstractObject*>& copies, const QString& text);
    ~ExchangeObjectsCmd() override;

    void redo() override;
    void undo() override;

protected:
    // For a command asked for by name: the objects come later, through record().
    explicit ExchangeObjectsCmd(const QString& text);
    void record(DocumentMak* document, const QListEx<CDbAbstractObject*>& placed,
                const QListEx<CDbAbstractObject*>& copies);

private:
    void exchange();

    DocumentMak* mDocument = nullptr;
    QListEx<CDbAbstractObject*> mPlaced;
    QListEx<CDbAbstractObject*> mCopies;
    bool mSkipRedo = true;
};

} // namespace VelSystem
