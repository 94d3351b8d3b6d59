#pragma once

#include "VelCore/AbstractCmd.h"
#include "laystore/QListEx.h"

#include <QList>
#include <QVariant>
#include <memory>

namespace VelSystem {

class CDbAbstractObject;
class CDbFabricObject;
class CDbGrPolysObject;
class DocumentMak;
class ReplaceObjectsCmd;

// Base of the commands asked for by name that replace placed groups by new ones on their
// layer (a pair made or taken apart, a piece cut in two): setDocument prepares the new groups
// and changes nothing; redo puts them in place, undo brings the old ones back exactly.
class LayerReplaceCmd : public AbstractCmd
{
    Q_OBJECT
public:
    ~LayerReplaceCmd() override;

    void redo() override;
    void undo() override;

protected:
    explicit LayerReplaceCmd(const QString& text);
    // Records the replacement of `current` (placed in `document`, on the layer of the first)
    // by `replacements`, which the command owns until redo places them.
    void prepare(DocumentMak& document, const QListEx<CDbAbstractObject*>& current,
                 const QListEx<CDbAbstractObject*>& replacements);

    // Parameter `i` as a pointer (a void* variant), null when it is none.
    template <class T> static T* pointerAt(const QList<QVariant>& parameters, int i)
    {
        return i < parameters.size() && parameters[i].userType() == QMetaType::VoidStar
                   ? static_cast<T*>(parameters[i].value<void*>())
                   : nullptr;
    }
    // Parameter `i` as a number of the given type (ints and doubles both taken), false when it
    // is none.
    static bool numberAt(const QList<QVariant>& parameters, int i, double* value);
    // The placed group of `document` that `pointer` names, null when it names none.
    static CDbGrPolysObject* placedGroup(const DocumentMak& document, void* pointer);
    // The width of the layer `group` lies on.
    static double layerWidth(const DocumentMak& document, const CDbGrPolysObject& group);

private:
    std::unique_ptr<ReplaceObjectsCmd> mReplace;
};

} // namespace VelSystem
