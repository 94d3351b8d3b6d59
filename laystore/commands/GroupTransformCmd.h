#pragma once

#include "VelCore/AbstractCmd.h"

#include <QList>
#include <boost/weak_ptr.hpp>
#include <memory>

namespace VelSystem {

class CDbGrPolysObject;
class DocumentMak;

// Base of the commands that turn or mirror one piece group about its centre, asked for by
// name with the parameters (mode, group, flag, flag[, flag]):
// - mode, an int: 0 turns the group at once, inside setDocument, outside the undo history:
//   for a drag's previews and copies, which are not part of the marker yet (such a command
//   is deleted, not pushed; its redo and undo do nothing). 1 only checks; redo turns the
//   group and undo gives it back its exact former placement.
// - the group, a CDbGrPolysObject as a QObject* variant;
// - the flags, bools, which each command documents.
// setDocument answers 0, or one of the codes below and changes nothing.
class GroupTransformCmd : public AbstractCmd
{
    Q_OBJECT
public:
    enum Code
    {
        // Not a marker document, or the list is not (mode, group, flags) as above.
        BadParameters = 1,
        // The group lies in another document, or an undoable turn names one not placed here.
        NotInDocument = 2
    };
    enum Mode
    {
        ApplyNow = 0,
        Undoable = 1
    };

    ~GroupTransformCmd() override;

    short setDocument(const boost::shared_ptr<Document>& document,
                      const QList<QVariant>& parameters) override;
    void redo() override;
    void undo() override;

protected:
    GroupTransformCmd(int flagCount, const QString& text);
    // Turns or mirrors `group` as `flags` say.
    virtual void transform(CDbGrPolysObject& group, const QList<bool>& flags) const = 0;

private:
    const int mFlagCount;
    int mMode = ApplyNow;
    boost::weak_ptr<DocumentMak> mDocument;
    CDbGrPolysObject* mGroup = nullptr;
    QList<bool> mFlags;
    // The placement the group does not have now: before the turn once redo ran, after it once
    // undo ran.
    std::unique_ptr<CDbGrPolysObject> mOther;
};

} // namespace VelSystem
