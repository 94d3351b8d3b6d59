#include "laystore/commands/EditLinkCmd.h"

#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {

CDbTwainLinkPiecesObject* linkOf(const DocumentMak* document, short fabric, int number)
{
    const CDbTwainLinkPiecesObjectTable* links = document->drawing()->getLinkDoc()->links(fabric);
    return links ? links->link(number) : nullptr;
}

} // namespace

EditLinkCmd::EditLinkCmd(DocumentMak* document, short fabric, int number,
                         const CDbTwainLinkPiecesObject& edited)
    : mDocument(document), mFabric(fabric), mNumber(number), mEdited(edited)
{
    setText(QCoreApplication::translate("VelSystem::EditLinkCmd", "Link Properties"));
    if (const CDbTwainLinkPiecesObject* link = linkOf(document, fabric, number)) {
        mBefore = *link;
        mEdited.setEnds(link->firstEnd(), link->secondEnd());
    }
}

bool EditLinkCmd::changes() const
{
    return linkOf(mDocument, mFabric, mNumber) && mBefore != mEdited;
}

void EditLinkCmd::write(const CDbTwainLinkPiecesObject& properties) const
{
    if (CDbTwainLinkPiecesObject* link = linkOf(mDocument, mFabric, mNumber)) {
        *link = properties;
        mDocument->emitModified();
    }
}

void EditLinkCmd::redo()
{
    write(mEdited);
}

void EditLinkCmd::undo()
{
    write(mBefore);
}

} // namespace VelSystem
