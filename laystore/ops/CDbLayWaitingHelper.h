#pragma once

#include "laystore/ops/CDbNestingHelper.h"
#include "laystore/ops/NestEngine.h"

#include <QCoreApplication>

namespace VelSystem {

class DocumentMak;

// Laying every waiting piece: the nesting engine lays the groups waiting in a layer's
// standby area on its fabric area, around the groups laid there, as short as it can. The
// document changes only in apply(), on the document's thread, as one undoable command.
class CDbLayWaitingHelper
{
    Q_DECLARE_TR_FUNCTIONS(CDbLayWaitingHelper)

public:
    CDbLayWaitingHelper(DocumentMak* document, CDbFabricObject* fabric, short layer);

    int waitingCount() const { return mNesting.waiting().size(); }
    // The engine to run (on any thread) for the layout apply() takes.
    NestEngine& engine() { return mEngine; }
    // Pushes "Lay Waiting Pieces", replacing each waiting group `result` lays by its laid
    // copy; returns how many, pushing nothing when none. The document must not have changed
    // since this helper was made.
    int apply(const NestResult& result);

private:
    DocumentMak* mDocument;
    CDbFabricObject* mFabric;
    short mLayer;
    CDbNestingHelper mNesting;
    NestEngine mEngine;
};

} // namespace VelSystem
