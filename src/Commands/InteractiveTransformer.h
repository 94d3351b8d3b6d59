#pragma once

#include "VelGeo/GeoPoint2D.h"
#include "VelGeo/GeoRectangle.h"

#include <QList>
#include <QObject>
#include <memory>

namespace VelSystem {

class AbstractCmd;
class CDbAbstractObject;
class DocumentScene;

// Drags and key-transforms the selected objects of a marker through previews: while the
// drag runs, a preview of each selected object is shown in the document and an undisplayed
// copy follows its turns; end() takes the previews out and records the whole drag as one
// TransformCommand. A single piece group dropped onto another snaps to the nearest free
// position found near it. Dropping the transformer before end() abandons the drag.
class InteractiveTransformer : public QObject
{
    Q_OBJECT
public:
    // Starts the drag of the current selection of `scene`'s marker document on the drawing's
    // current layer; inactive without a marker document, a current layer or a selection.
    explicit InteractiveTransformer(DocumentScene* scene);
    ~InteractiveTransformer() override;

    bool isActive() const;
    // Moves the previews by `delta` (document units), as far as every one of them may go.
    void translate(const GeoPoint2D& delta);
    // Turns or mirrors every previewed piece group and its copy by `key` (see
    // TransformCommand::runKeyTransform); false when nothing was transformed.
    bool transformByKey(int key);
    // Ends the drag: the command to push, or null when the objects were neither moved nor
    // turned (or the transformer was inactive). The transformer is inactive afterwards.
    AbstractCmd* end();
    // The free positions found by the last search, left-bottom corners for the piece.
    QList<GeoPoint2D> availablePositions() const;

signals:
    // A dragged piece's copy changed its orientation: for the piece information panel.
    void pieceInfoChanged(VelSystem::CDbAbstractObject* object);

public slots:
    void finishedSearchAvailablePosition();
    // Searches for free positions within `region` when a single piece group is dragged and
    // overlaps another piece group now.
    void beginSearchAvailablePosition(const VelSystem::GeoRectangle& region);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace VelSystem
