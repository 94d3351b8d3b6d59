#include "Commands/TransformCommand.h"

#include "AssertionError.h"
#include "Commands/DebugSite.h"
#include "ThrowSite.h"
#include "VelCore/CmdsManager.h"
#include "VelCore/KeyboardMonitor.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QtAlgorithms>
#include <memory>

namespace VelSystem {

TransformCommand::TransformCommand(const boost::shared_ptr<DocumentMak>& document, CDbFabricObject* fabric,
                                   short layer)
    : mOwnerDocument(document)
{
    mFabric = fabric;
    mLayer = layer;
    setText(QCoreApplication::translate("Velsystem::TransformCommand", "Move"));
}

TransformCommand::~TransformCommand()
{
    qDeleteAll(mOwned);
}

TransformCommand* TransformCommand::create(const boost::shared_ptr<DocumentMak>& document,
                                           CDbFabricObject* fabric, short layer,
                                           const QListEx<CDbAbstractObject*>& sources,
                                           const QListEx<CDbAbstractObject*>& copies, GeoPoint2D& offset)
{
    if (!document)
        return nullptr;
    if (sources.size() != copies.size())
        VEL_THROW(99, AssertionError::invalidOperation());
    auto command = std::make_unique<TransformCommand>(document, fabric, layer);
    for (int i = 0; i < sources.size(); ++i) {
        CDbAbstractObject* source = sources[i];
        CDbAbstractObject* copy = copies[i];
        // The copy is moved in its source's place, where the document's rules apply to it,
        // and its source gets its own data back.
        source->exchangeInfos(copy);
        GeoPoint2D point = offset;
        source->translate(point);
        offset = point;
        source->exchangeInfos(copy);
        if (copy->isValid()) {
            // From now on the copy stands for its source: no longer a preview.
            copy->setCloned(source->isCloned());
            copy->setDragged(source->isDragged());
            copy->setZHint(source->zHint());
            command->mAddedObjects.append(copy);
            command->mRemovedObjects.append(source);
            command->mOwned.insert(copy);
        } else {
            document->removePiece(source, fabric, layer);
            // Older commands may still name the source: the document keeps it alive until
            // one of them takes it back, or until the document goes.
            source->setParent(document.get());
            delete copy;
        }
    }
    if (command->mAddedObjects.isEmpty())
        return nullptr;
    return command.release();
}

bool TransformCommand::runKeyTransform(QObject* object, int key,
                                       const boost::shared_ptr<DocumentMak>& document)
{
    auto* group = qobject_cast<CDbGrPolysObject*>(object);
    if (!group)
        return false;
    const KeyboardMonitor& keyboard = KeyboardMonitor::instance();
    const bool zeroHeld = keyboard.keyPressed(Qt::Key_0);
    const bool shiftHeld = keyboard.keyPressed(Qt::Key_Shift);
    const QVariant target = QVariant::fromValue<QObject*>(group);
    // The argument lists of the commands, as their headers in laystore/commands explain.
    QString name;
    QList<QVariant> arguments;
    switch (key) {
    case Qt::Key_Plus:
        name = QStringLiteral("FineRotate");
        arguments = {0, target, false, zeroHeld, false};
        break;
    case Qt::Key_Minus:
        name = QStringLiteral("FineRotate");
        arguments = {0, target, true, zeroHeld, false};
        break;
    case Qt::Key_5:
        name = QStringLiteral("Rotate");
        arguments = {0, target, zeroHeld, shiftHeld};
        break;
    case Qt::Key_7:
        name = QStringLiteral("Symmetry");
        arguments = {0, target, true, false};
        break;
    case Qt::Key_9:
        name = QStringLiteral("Symmetry");
        arguments = {0, target, false, zeroHeld};
        break;
    default:
        break;
    }
    short code = 0;
    if (!name.isEmpty()) {
        if (const std::unique_ptr<AbstractCmd> command = CmdsManager::instance()->createCommand(name))
            code = command->setDocument(document, arguments);
    }
    group->emitChanged();
    return code == 0;
}

boost::shared_ptr<DocumentMak> TransformCommand::markerDocument() const
{
    return mOwnerDocument.lock();
}

void TransformCommand::redo()
{
    const boost::shared_ptr<DocumentMak> document = markerDocument();
    if (!document)
        return;
    // Each copy carries the section create gave it where it now lies, and the overlaps of
    // a move of several objects are searched once at the end rather than at each exchange.
    const bool checkOverlaps = DocumentMak::msCheckOverlaps;
    const bool modifyPolysTable = document->getModifyPolysTable();
    DocumentMak::msCheckOverlaps = false;
    document->setModifyPolysTable(false);
    const char* function = BOOST_CURRENT_FUNCTION;
    runReported([this] { redoExchanges(); },
                [function] { VEL_DEBUG_SITE(223, function) << "Occur some unexpected error."; });
    DocumentMak::msCheckOverlaps = checkOverlaps;
    document->setModifyPolysTable(modifyPolysTable);
    updateOwnership(*document);
    if (mAddedObjects.size() > 1)
        document->findOverlaps();
}

void TransformCommand::undo()
{
    const boost::shared_ptr<DocumentMak> document = markerDocument();
    if (!document)
        return;
    const bool modifyPolysTable = document->getModifyPolysTable();
    document->setModifyPolysTable(false);
    const char* function = BOOST_CURRENT_FUNCTION;
    runReported([this] { undoExchanges(); },
                [function] { VEL_DEBUG_SITE(214, function) << "Occur some unexpected error."; });
    document->setModifyPolysTable(modifyPolysTable);
    updateOwnership(*document);
}

void TransformCommand::updateOwnership(const DocumentMak& document)
{
    mOwned.clear();
    for (CDbAbstractObject* object : mRemovedObjects + mAddedObjects) {
        if (!document.contains(object))
            mOwned.insert(object);
    }
}

} // namespace VelSystem
