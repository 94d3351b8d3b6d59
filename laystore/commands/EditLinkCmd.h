#pragma once

#include "VelCore/AbstractCmd.h"
#include "laystore/CDbTwainLinkPiecesObject.h"

namespace VelSystem {

class DocumentMak;

// Undoable change of a link's matching rules, offsets, swatch limits and match flag, applied
// on push: redo writes `edited` into link `number` (1-based) of fabric `fabric`, undo writes
// back what the link held before. The ends stay as they are.
class EditLinkCmd : public AbstractCmd
{
    Q_OBJECT
public:
    EditLinkCmd(DocumentMak* document, short fabric, int number, const CDbTwainLinkPiecesObject& edited);

    // False when the link does not exist or `edited` changes nothing: then there is nothing to
    // push.
    bool changes() const;

    void redo() override;
    void undo() override;

private:
    void write(const CDbTwainLinkPiecesObject& properties) const;

    DocumentMak* mDocument;
    short mFabric;
    int mNumber;
    CDbTwainLinkPiecesObject mBefore;
    CDbTwainLinkPiecesObject mEdited;
};

} // namespace VelSystem
