#include "laystore/commands/LinkPieceCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/PiecePointFeature.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {

const CmdRegistration<LinkPieceCmd> registration(QStringLiteral("LinkPiece"));

bool isIntOrShort(const QVariant& v)
{
    return v.userType() == QMetaType::Int || v.userType() == QMetaType::Short;
}

} // namespace

LinkPieceCmd::LinkPieceCmd() = default;

short LinkPieceCmd::setDocument(const boost::shared_ptr<Document>& document,
                                const QList<QVariant>& parameters)
{
    const auto marker = boost::dynamic_pointer_cast<DocumentMak>(document);
    if (!marker || parameters.size() != 4 || !isIntOrShort(parameters[0]) || !isIntOrShort(parameters[1]) ||
        parameters[2].userType() != QMetaType::Bool || parameters[3].userType() != QMetaType::Bool)
        return BadParameters;
    const short code =
        parameters[3].toBool()
            ? prepareAdd(*marker, {static_cast<short>(parameters[0].toInt()),
                                   static_cast<short>(parameters[1].toInt()), parameters[2].toBool(),
                                   marker->drawing()->currentFabricIndex()})
            : prepareRemove(*marker, parameters[0].toInt());
    if (code == 0)
        mDocument = marker;
    return code;
}

short LinkPieceCmd::prepareAdd(DocumentMak& document, const CDbTwainLinkPiecesObject::End& second)
{
    CDbMarkerDrawing& drawing = *document.drawing();
    CDbDocumentLinkObject& linkDoc = *drawing.getLinkDoc();
    if (!linkDoc.hasPendingEnd()) {
        // Nothing to link to: the next click on a point starts the link.
        drawing.setFirstClick(true);
        return NoFirstEnd;
    }
    const CDbTwainLinkPiecesObject::End first = linkDoc.pendingEnd();
    if (!PiecePointFeature::exists(drawing, first) || !PiecePointFeature::exists(drawing, second))
        return NoSuchPoint;
    // A link matches two pieces; within one piece there is nothing to match. The user starts
    // over with a new first end.
    if (first.pieceIndex == second.pieceIndex || first.fabricIndex != second.fabricIndex) {
        linkDoc.clearPendingEnd();
        drawing.setFirstClick(true);
        return SamePiece;
    }
    const CDbTwainLinkPiecesObjectTable* links = linkDoc.links(first.fabricIndex);
    if (!links || links->linkAt(first) != 0 || links->linkAt(second) != 0)
        return AlreadyLinked;
    mAdding = true;
    mLink = CDbTwainLinkPiecesObject();
    mLink.setEnds(first, second);
    mNumber = links->size() + 1;
    setText(QCoreApplication::translate("VelSystem::LinkPieceCmd", "Link"));
    return 0;
}

short LinkPieceCmd::prepareRemove(DocumentMak& document, int number)
{
    const CDbTwainLinkPiecesObjectTable* links =
        document.drawing()->getLinkDoc()->getCurrentPiecesLinkListDocumentLink();
    const CDbTwainLinkPiecesObject* link = links->link(number);
    if (!link)
        return NoSuchLink;
    mAdding = false;
    mLink = *link;
    mNumber = number;
    setText(QCoreApplication::translate("VelSystem::LinkPieceCmd", "Remove Link"));
    return 0;
}

void LinkPieceCmd::insertLink() const
{
    const boost::shared_ptr<DocumentMak> document = mDocument.lock();
    if (!document)
        return;
    CDbMarkerDrawing& drawing = *document->drawing();
    CDbTwainLinkPiecesObjectTable& links = *drawing.getLinkDoc()->links(mLink.firstEnd().fabricIndex);
    links.insert(mNumber, mLink);
    PiecePointFeature::followLinks(drawing, links, mLink.firstEnd());
    PiecePointFeature::followLinks(drawing, links, mLink.secondEnd());
    document->emitModified();
}

void LinkPieceCmd::removeLink() const
{
    const boost::shared_ptr<DocumentMak> document = mDocument.lock();
    if (!document)
        return;
    CDbMarkerDrawing& drawing = *document->drawing();
    CDbTwainLinkPiecesObjectTable& links = *drawing.getLinkDoc()->links(mLink.firstEnd().fabricIndex);
    links.remove(mNumber);
    PiecePointFeature::followLinks(drawing, links, mLink.firstEnd());
    PiecePointFeature::followLinks(drawing, links, mLink.secondEnd());
    document->emitModified();
}

void LinkPieceCmd::redo()
{
    if (mAdding) {
        insertLink();
        // The first end is used up; the next click on a point starts a new link.
        if (const boost::shared_ptr<DocumentMak> document = mDocument.lock()) {
            document->drawing()->getLinkDoc()->clearPendingEnd();
            document->drawing()->setFirstClick(true);
        }
    } else {
        removeLink();
    }
}

void LinkPieceCmd::undo()
{
    if (mAdding)
        removeLink();
    else
        insertLink();
}

} // namespace VelSystem
