#include "VelCore/AbstractCmd.h"

namespace VelSystem {

AbstractCmd::AbstractCmd(QUndoCommand* parent) : QUndoCommand(parent) {}

AbstractCmd::~AbstractCmd() = default;

short AbstractCmd::setDocument(const boost::shared_ptr<Document>&, const QList<QVariant>&)
{
    return 0;
}

} // namespace VelSystem
