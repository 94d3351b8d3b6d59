#include "laystore/view/MarkerScene.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbPunchHoleObject.h"
#include "laystore/CDbTextObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/view/LayerAreaItem.h"
#include "laystore/view/MarkerLineItem.h"
#include "laystore/view/MarkerTextItem.h"
#include "laystore/view/PieceGroupItem.h"
#include "laystore/view/PunchHoleItem.h"

#include <QTimer>

namespace VelSystem {

namespace {

// The widest pen an item draws in pixels (the selection highlight), with room to spare.
constexpr double kPenMarginPixels = 4.0;

} // namespace

MarkerScene::MarkerScene(const boost::shared_ptr<DocumentMak>& document, QObject* parent)
    : DocumentScene(document, parent)
{
    if (!document)
        return;
    const CDbMarkerDrawing* drawing = document->drawing();
    mShownLayer = qMakePair(drawing->currentFabricIndex(), drawing->currentLayer());
    for (short f = 0; f < drawing->fabricCount(); ++f) {
        CDbFabricObject* fabric = drawing->fabric(f);
        for (short layer = 0; fabric->layer(layer); ++layer) {
            for (CDbAbstractObject* object : document->objects(fabric, layer))
                addObjectItem(object);
        }
    }
    updateLayerAreas();

    connect(document.get(), &DocumentMak::objectAdded, this, [this](CDbAbstractObject* object) {
        addObjectItem(object);
        scheduleLayerAreaUpdate();
    });
    connect(document.get(), &DocumentMak::objectRemoved, this, [this](CDbAbstractObject* object) {
        removeObjectItem(object);
        scheduleLayerAreaUpdate();
    });
    connect(document.get(), &DocumentMak::objectChanged, this, &MarkerScene::refreshObjectItem);
    connect(document.get(), &Document::modified, this, &MarkerScene::updateLayerAreas);
}

MarkerScene::~MarkerScene()
{
    // The document may outlive this scene, or report objects while it is destroyed.
    if (const boost::shared_ptr<Document> doc = document())
        doc->disconnect(this);
    // Before the scene deletes its items: each area deletes its own labels.
    qDeleteAll(mAreas);
}

boost::shared_ptr<DocumentMak> MarkerScene::markerDocument() const
{
    return boost::static_pointer_cast<DocumentMak>(document());
}

void MarkerScene::viewScaleChanged(double pixelsPerCm)
{
    if (!(pixelsPerCm > 0.0))
        return;
    // Recomputing every item's bounds is worth it only when the margin is too small for this
    // zoom, or far larger than it needs to be.
    const double needed = kPenMarginPixels / pixelsPerCm;
    if (mPenMargin >= needed && mPenMargin <= 4.0 * needed)
        return;
    mPenMargin = 2.0 * needed;
    for (MarkerObjectItem* item : qAsConst(mItems))
        item->updateBounds();
}

void MarkerScene::applyFilter()
{
    for (MarkerObjectItem* item : qAsConst(mItems))
        item->setVisible(filter().isVisible(item->object()->kind()));
}

void MarkerScene::updateLayerAreas()
{
    mAreaUpdatePending = false;
    const boost::shared_ptr<DocumentMak> doc = markerDocument();
    if (!doc)
        return;
    const CDbMarkerDrawing* drawing = doc->drawing();

    QList<LayerAreaItem*> areas;
    for (short f = 0; f < drawing->fabricCount(); ++f) {
        CDbFabricObject* fabric = drawing->fabric(f);
        for (short layer = 0; fabric->layer(layer); ++layer) {
            LayerAreaItem* area = nullptr;
            for (LayerAreaItem* existing : qAsConst(mAreas)) {
                if (existing->fabricIndex() == f && existing->layerIndex() == layer)
                    area = existing;
            }
            if (!area) {
                area = new LayerAreaItem(f, layer);
                addItem(area);
                for (QGraphicsItem* label : area->labels())
                    addItem(label);
            }
            mAreas.removeOne(area);
            areas << area;

            const double width = fabric->getFabricLayerWidth(layer);
            GeoRectangle used(0.0, 0.0, width, width);
            for (const CDbAbstractObject* object : doc->objects(fabric, layer))
                used.include(object->boundingRect());
            const bool current = drawing->currentFabricIndex() == f && drawing->currentLayer() == layer;
            // Open-ended along x: leave a little fabric beyond the last object.
            area->setArea(width, used.xmin, used.xmax + 0.1 * width, fabric->name(),
                          current ? doc->markerLength() : 0.0);
            area->setPlaid(QPointF(fabric->plaidRepeatX(), fabric->plaidRepeatY()),
                           QPointF(fabric->plaidOffsetX(), fabric->plaidOffsetY()));
            area->setCurrent(current);
        }
    }
    qDeleteAll(mAreas);
    mAreas = areas;

    const QPair<short, short> current(drawing->currentFabricIndex(), drawing->currentLayer());
    if (current != mShownLayer) {
        mShownLayer = current;
        for (MarkerObjectItem* item : qAsConst(mItems))
            item->updateEmphasis();
    }
}

bool MarkerScene::isOnCurrentLayer(const CDbAbstractObject* object) const
{
    return object->fabricIndex() == mShownLayer.first && object->layerIndex() == mShownLayer.second;
}

void MarkerScene::addObjectItem(CDbAbstractObject* object)
{
    if (!object || mItems.contains(object))
        return;
    MarkerObjectItem* item = createItem(object);
    addItem(item);
    mItems.insert(object, item);
    item->refresh();
}

void MarkerScene::removeObjectItem(CDbAbstractObject* object)
{
    delete mItems.take(object);
}

void MarkerScene::refreshObjectItem(CDbAbstractObject* object)
{
    if (MarkerObjectItem* item = mItems.value(object))
        item->refresh();
}

void MarkerScene::scheduleLayerAreaUpdate()
{
    if (mAreaUpdatePending)
        return;
    mAreaUpdatePending = true;
    QTimer::singleShot(0, this, &MarkerScene::updateLayerAreas);
}

MarkerObjectItem* MarkerScene::createItem(CDbAbstractObject* object)
{
    if (auto* group = qobject_cast<CDbGrPolysObject*>(object))
        return new PieceGroupItem(group);
    if (auto* text = qobject_cast<CDbTextObject*>(object))
        return new MarkerTextItem(text);
    if (auto* line = qobject_cast<CDbLineObject*>(object))
        return new MarkerLineItem(line);
    if (auto* hole = qobject_cast<CDbPunchHoleObject*>(object))
        return new PunchHoleItem(hole);
    return new MarkerObjectItem(object);
}

} // namespace VelSystem
