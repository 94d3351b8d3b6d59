#pragma once

#include "VelCore/AbstractCmd.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

#include <boost/weak_ptr.hpp>

namespace VelSystem {

class DocumentMak;

// "AddMatchPoint": turns the point of a piece nearest a click (within 5 pixels) into a plaid
// match point, or back. Parameters: the clicked position (a CDbMarkerPointObject* in a void*
// variant, read during setDocument only) and add (bool: true makes a match point, false
// removes one). The click hits the link view's pieces while the document shows the link view,
// else the pieces placed on the current layer. The change reaches every size and every placed
// copy of the piece.
class AddMatchPointCmd : public AbstractCmd
{
    Q_OBJECT
public:
    enum Refusal : short
    {
        BadParameters = 1,
        NoPointHere = 2,
        AlreadySo = 3 // the point already is (or is not) a match point
    };

    AddMatchPointCmd();

    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
    void redo() override;
    void undo() override;

private:
    void apply(bool on) const;

    boost::weak_ptr<DocumentMak> mDocument;
    CDbTwainLinkPiecesObject::End mPoint;
    bool mAdd = true;
};

} // namespace VelSystem
