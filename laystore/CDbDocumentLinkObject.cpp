#include "laystore/CDbDocumentLinkObject.h"

#include "laystore/CDbTwainLinkPiecesObjectTable.h"

namespace VelSystem {

CDbDocumentLinkObject::CDbDocumentLinkObject() : mLinks(std::make_unique<CDbTwainLinkPiecesObjectTable>()) {}

CDbDocumentLinkObject::~CDbDocumentLinkObject() = default;

void CDbDocumentLinkObject::setPendingEnd(short pieceIndex, short pointIndex, bool onContour)
{
    mPending = {pieceIndex, pointIndex, onContour};
}

} // namespace VelSystem
