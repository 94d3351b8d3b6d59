#include "laystore/commands/GroupTransformCmd.h"

#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"

namespace VelSystem {

GroupTransformCmd::GroupTransformCmd(int flagCount, const QString& text) : mFlagCount(flagCount)
{
    setText(text);
}

GroupTransformCmd::~GroupTransformCmd() = default;

short GroupTransformCmd::setDocument(const boost::shared_ptr<Document>& document,
                                     const QList<QVariant>& parameters)
{
    const auto marker = boost::dynamic_pointer_cast<DocumentMak>(document);
    if (!marker || parameters.size() != 2 + mFlagCount || parameters[0].userType() != QMetaType::Int)
        return BadParameters;
    const int mode = parameters[0].toInt();
    auto* group = qobject_cast<CDbGrPolysObject*>(parameters[1].value<QObject*>());
    if ((mode != ApplyNow && mode != Undoable) || !group)
        return BadParameters;
    QList<bool> flags;
    for (int i = 2; i < parameters.size(); ++i) {
        if (parameters[i].userType() != QMetaType::Bool)
            return BadParameters;
        flags.append(parameters[i].toBool());
    }
    const bool placedHere = marker->contains(group);
    if ((group->isPlaced() && !placedHere) || (mode == Undoable && !placedHere))
        return NotInDocument;

    mMode = mode;
    mDocument = marker;
    mGroup = group;
    mFlags = flags;
    if (mode == ApplyNow)
        transform(*group, flags);
    return 0;
}

void GroupTransformCmd::redo()
{
    const boost::shared_ptr<DocumentMak> document = mDocument.lock();
    if (mMode != Undoable || !document)
        return;
    if (mOther) {
        mGroup->exchangeInfos(mOther.get());
    } else {
        mOther.reset(mGroup->clone(nullptr, false));
        transform(*mGroup, mFlags);
    }
    document->emitModified();
}

void GroupTransformCmd::undo()
{
    const boost::shared_ptr<DocumentMak> document = mDocument.lock();
    if (mMode != Undoable || !document || !mOther)
        return;
    mGroup->exchangeInfos(mOther.get());
    document->emitModified();
}

} // namespace VelSystem
