#pragma once

#include "VelCore/AbstractCmd.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

#include <boost/weak_ptr.hpp>

namespace VelSystem {

class DocumentMak;

// "LinkPiece": adds a link of the current fabric or removes one. Parameters, four:
// - (piece index, point index (1-based), contour flag, true): links the link document's
//   pending first end to that point; the pending end is used up and the next click starts a
//   new link;
// - (link number n (1-based), 0, false, false): removes link n.
// Both ends must name existing points of two different pieces, and neither point may end
// another link already.
class LinkPieceCmd : public AbstractCmd
{
    Q_OBJECT
public:
    enum Refusal : short
    {
        BadParameters = 1,
        NoFirstEnd = 2,
        NoSuchPoint = 3,
        SamePiece = 4,
        AlreadyLinked = 5,
        NoSuchLink = 6
    };

    LinkPieceCmd();

    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
    void redo() override;
    void undo() override;

private:
    short prepareAdd(DocumentMak& document, const CDbTwainLinkPiecesObject::End& second);
    short prepareRemove(DocumentMak& document, int number);
    void insertLink() const;
    void removeLink() const;

    boost::weak_ptr<DocumentMak> mDocument;
    bool mAdding = true;
    // The link added or removed, and its number in its fabric's table.
    CDbTwainLinkPiecesObject mLink;
    int mNumber = 0;
};

} // namespace VelSystem
