#pragma once

#include "VelCore/AbstractCmd.h"

#include <memory>

namespace VelSystem {

// "AddPunchHole": adds a punch hole at a point of the current layer's fabric area between the
// pieces, or removes the one there. Parameters: the point (void* to a CDbMarkerPointObject),
// add (bool). A hole off the fabric, on or too near a laid piece or on another hole is refused,
// as is a removal where there is no hole; the user is told why.
class AddPunchHoleCmd : public AbstractCmd
{
    Q_OBJECT
public:
    enum Code
    {
        BadParameters = 1,
        Refused = 2
    };

    AddPunchHoleCmd();
    ~AddPunchHoleCmd() override;

    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
    void redo() override;
    void undo() override;

private:
    // The addition or removal, made by the library's add or replace command.
    std::unique_ptr<QUndoCommand> mChange;
};

} // namespace VelSystem
