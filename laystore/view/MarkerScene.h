#pragma once

#include "VelGui/DocumentScene.h"

#include <QHash>
#include <QList>
#include <QPair>

namespace VelSystem {

class CDbAbstractObject;
class DocumentMak;
class LayerAreaItem;
class MarkerObjectItem;

// The scene of a marker document: the fabric and standby areas of every layer, and one
// item per placed object, created, updated and removed as the document reports its objects
// added, changed and removed. Only the changed object's item is touched. All layers share
// the same coordinates: the objects of the layers not being edited are drawn faded.
class MarkerScene : public DocumentScene
{
    Q_OBJECT
public:
    explicit MarkerScene(const boost::shared_ptr<DocumentMak>& document, QObject* parent = nullptr);
    ~MarkerScene() override;

    boost::shared_ptr<DocumentMak> markerDocument() const;

    // The item showing `object` (null when it has none).
    MarkerObjectItem* itemFor(const CDbAbstractObject* object) const { return mItems.value(object); }
    int objectItemCount() const { return mItems.size(); }
    const QList<LayerAreaItem*>& layerAreas() const { return mAreas; }

    // Room items leave around their outlines for pens drawn in pixels, in centimetres.
    double penMargin() const { return mPenMargin; }
    void viewScaleChanged(double pixelsPerCm) override;
    // True when `object` lies on the layer being edited; the others' items are drawn faded.
    bool isOnCurrentLayer(const CDbAbstractObject* object) const;
    // Shows and hides the object items as the view filter now says.
    void applyFilter();

public slots:
    // Fits the layer backgrounds to the objects and marks the marker's end again.
    void updateLayerAreas();

private:
    void addObjectItem(CDbAbstractObject* object);
    void removeObjectItem(CDbAbstractObject* object);
    void refreshObjectItem(CDbAbstractObject* object);
    // Coalesces the area updates of a burst of additions and removals into one.
    void scheduleLayerAreaUpdate();
    static MarkerObjectItem* createItem(CDbAbstractObject* object);

    QHash<const CDbAbstractObject*, MarkerObjectItem*> mItems;
    QList<LayerAreaItem*> mAreas;
    double mPenMargin = 0.5;
    bool mAreaUpdatePending = false;
    // The fabric and layer being edited when the scene last looked.
    QPair<short, short> mShownLayer;
};

} // namespace VelSystem
