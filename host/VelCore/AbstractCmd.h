#pragma once

#include <QList>
#include <QObject>
#include <QUndoCommand>
#include <QVariant>
#include <boost/shared_ptr.hpp>

namespace VelSystem {

class Document;

// An undoable change that can be asked for by name. The caller gives it its document and
// parameters through setDocument; only a command that answered 0 is pushed on the stack.
class AbstractCmd : public QObject, public QUndoCommand
{
    Q_OBJECT
public:
    explicit AbstractCmd(QUndoCommand* parent = nullptr);
    ~AbstractCmd() override;

    // The text the undo stack shows.
    virtual QString description() const { return text(); }
    // Checks every parameter and prepares the change; returns 0 when the command can be
    // pushed, another code (and changes nothing) when a parameter is wrong or the change
    // is impossible. Pointers arrive as void* variants, 16-bit values as ints. The base
    // accepts anything: it is the base of commands that need no parameters.
    virtual short setDocument(const boost::shared_ptr<Document>& document, const QList<QVariant>& parameters);
};

} // namespace VelSystem
