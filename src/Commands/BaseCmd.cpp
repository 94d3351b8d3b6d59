#include "Commands/BaseCmd.h"

#include "VelCore/VelCoreApplication.h"
#include "laystore/CDbFabricLayerObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <exception>

namespace VelSystem {

BaseCmd::BaseCmd() = default;

BaseCmd::~BaseCmd() = default;

short BaseCmd::setDocument(const boost::shared_ptr<Document>& document, const QList<QVariant>& /*parameters*/)
{
    mDocument = document;
    short code = 1;
    if (const auto marker = markerDocument())
        marker->drawing()->getCurrentFabricsAndLayer(mFabric, mLayer, &code);
    return code;
}

QPair<QListEx<CDbAbstractObject*>, QListEx<CDbAbstractObject*>> BaseCmd::pendingObjects()
{
    return {};
}

boost::shared_ptr<DocumentMak> BaseCmd::markerDocument() const
{
    return boost::dynamic_pointer_cast<DocumentMak>(mDocument.lock());
}

void BaseCmd::redo()
{
    runReported([this] { redoExchanges(); });
}

void BaseCmd::undo()
{
    runReported([this] { undoExchanges(); });
}

boost::shared_ptr<DocumentMak> BaseCmd::exchangeTarget() const
{
    boost::shared_ptr<DocumentMak> document = markerDocument();
    // A fabric without layers has nothing the objects could be on.
    if (document && mFabric && !mFabric->layers())
        return nullptr;
    return document;
}

void BaseCmd::redoExchanges()
{
    const boost::shared_ptr<DocumentMak> document = exchangeTarget();
    if (!document)
        return;
    if (mRemovedObjects.isEmpty() && mAddedObjects.isEmpty()) {
        const auto pending = pendingObjects();
        mAddedObjects = pending.first;
        mRemovedObjects = pending.second;
    } else if (mRemovedObjects.isEmpty()) {
        for (CDbAbstractObject* object : mAddedObjects)
            document->addPiece(object, mFabric, mLayer);
    } else if (mAddedObjects.isEmpty()) {
        for (CDbAbstractObject* object : mRemovedObjects)
            document->removePiece(object, mFabric, mLayer);
    } else {
        for (int i = 0; i < mRemovedObjects.size(); ++i)
            document->replacePiece(mRemovedObjects[i], mAddedObjects[i], mFabric, mLayer);
        for (int i = mRemovedObjects.size(); i < mAddedObjects.size(); ++i)
            document->addPiece(mAddedObjects[i], mFabric, mLayer);
    }
    document->emitModified();
}

void BaseCmd::undoExchanges()
{
    const boost::shared_ptr<DocumentMak> document = exchangeTarget();
    if (!document)
        return;
    if (!mRemovedObjects.isEmpty() && !mAddedObjects.isEmpty()) {
        for (int i = 0; i < mRemovedObjects.size(); ++i)
            document->replacePiece(mAddedObjects[i], mRemovedObjects[i], mFabric, mLayer);
        for (int i = mRemovedObjects.size(); i < mAddedObjects.size(); ++i)
            document->removePiece(mAddedObjects[i], mFabric, mLayer);
    } else if (!mRemovedObjects.isEmpty()) {
        for (CDbAbstractObject* object : mRemovedObjects)
            document->addPiece(object, mFabric, mLayer);
    } else if (!mAddedObjects.isEmpty()) {
        // Only a layer that holds objects can give the added ones back.
        const CDbFabricLayerObject* layer = mFabric ? mFabric->layer(mLayer) : nullptr;
        if (layer && !layer->objects().isEmpty()) {
            for (CDbAbstractObject* object : mAddedObjects)
                document->removePiece(object, mFabric, mLayer);
            document->deselectAll(false, false);
        }
    }
    document->emitModified();
}

void BaseCmd::runReported(const std::function<void()>& step, const std::function<void()>& log)
{
    try {
        step();
    } catch (const std::exception& e) {
        if (log)
            log();
        VelCoreApplication::instance()->showError(QString::fromUtf8(e.what()), QString(), 0);
    } catch (...) {
        if (log)
            log();
        VelCoreApplication::instance()->showError(
            QCoreApplication::translate("VelSystem::VelApplication", "Unexpected Error"), QString(), 0);
    }
}

} // namespace VelSystem
