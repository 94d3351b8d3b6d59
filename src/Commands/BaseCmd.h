#pragma once

#include "VelCore/AbstractCmd.h"
#include "laystore/QListEx.h"

#include <QPair>
#include <boost/weak_ptr.hpp>
#include <functional>

namespace VelSystem {

class CDbAbstractObject;
class CDbFabricObject;
class DocumentMak;

// The plug-in's undoable exchange of marker objects on one fabric and layer: redo takes
// removedObjects out of the document and puts addedObjects in (pairwise in place of each
// other where both lists have an entry), undo does the reverse. It owns none of them.
// Failures inside undo and redo are shown to the user, never thrown; nothing is rolled back.
class BaseCmd : public AbstractCmd
{
    Q_OBJECT
public:
    BaseCmd();
    ~BaseCmd() override;

    // Takes the document (held weakly) and its drawing's current fabric and layer; ignores
    // `parameters`. Answers the drawing's code: 0, or non-zero when there is no current layer.
    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
    // The objects a redo with both lists empty takes as (added, removed); none here.
    virtual QPair<QListEx<CDbAbstractObject*>, QListEx<CDbAbstractObject*>> pendingObjects();
    // The document, while it lives and is a marker document.
    virtual boost::shared_ptr<DocumentMak> markerDocument() const;

    CDbFabricObject* getFabric() const { return mFabric; }
    short getLayer() const { return mLayer; }
    void setFabric(CDbFabricObject* fabric) { mFabric = fabric; }
    void setLayer(short layer) { mLayer = layer; }
    const QListEx<CDbAbstractObject*>& removed() const { return mRemovedObjects; }
    const QListEx<CDbAbstractObject*>& added() const { return mAddedObjects; }

    void redo() override;
    void undo() override;

protected:
    // The exchanges of redo and undo, which throw what the document throws.
    void redoExchanges();
    void undoExchanges();
    // Runs `step`; an exception leaving it is shown through the host's error report (its
    // text, or "Unexpected Error" for one that is not a std::exception) after `log` ran.
    static void runReported(const std::function<void()>& step, const std::function<void()>& log = {});

    QListEx<CDbAbstractObject*> mRemovedObjects;
    QListEx<CDbAbstractObject*> mAddedObjects;
    CDbFabricObject* mFabric = nullptr;
    short mLayer = -1;
    boost::weak_ptr<Document> mDocument;

private:
    // The document to exchange objects in, or null when the command has nothing to act on.
    boost::shared_ptr<DocumentMak> exchangeTarget() const;
};

} // namespace VelSystem
