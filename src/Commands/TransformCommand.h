#pragma once

#include "Commands/BaseCmd.h"
#include "VelGeo/GeoPoint2D.h"

#include <QSet>

namespace VelSystem {

// The undoable record of a move of marker objects (piece groups, texts, ...) on one fabric
// and layer: each source object is paired with its moved copy; redo puts the copies in the
// sources' places, undo puts the sources back. The command owns whichever of the two is out
// of the document.
class TransformCommand : public BaseCmd
{
    Q_OBJECT
public:
    TransformCommand(const boost::shared_ptr<DocumentMak>& document, CDbFabricObject* fabric, short layer);
    ~TransformCommand() override;

    // A command that moves `copies[i]` by `offset` into the place of `sources[i]`, or null
    // when nothing is left to record. Each copy is moved as its source would move in the
    // document, so `offset` comes back as the objects last adjusted it (a piece keeps within
    // its areas while CDbAbstractObject::mAdjustOffset is set). A copy whose geometry breaks
    // is deleted and its source taken out of the document. Lists of different lengths throw
    // AssertionError.
    static TransformCommand* create(const boost::shared_ptr<DocumentMak>& document, CDbFabricObject* fabric,
                                    short layer, const QListEx<CDbAbstractObject*>& sources,
                                    const QListEx<CDbAbstractObject*>& copies, GeoPoint2D& offset);

    // Applies the transformation of `key` to `object` through the commands registered by
    // name: "+" and "-" turn by the fine step ("FineRotate"), "5" by a half turn (a quarter
    // turn while 0 is held, "Rotate"), "7" and "9" mirror ("Symmetry"). True unless `object`
    // is not a piece group or the command refused; any other key changes nothing.
    static bool runKeyTransform(QObject* object, int key, const boost::shared_ptr<DocumentMak>& document);

    boost::shared_ptr<DocumentMak> markerDocument() const override;
    void redo() override;
    void undo() override;

private:
    // Takes over the listed objects that are out of the document now.
    void updateOwnership(const DocumentMak& document);

    boost::weak_ptr<DocumentMak> mOwnerDocument;
    QSet<CDbAbstractObject*> mOwned;
};

} // namespace VelSystem
