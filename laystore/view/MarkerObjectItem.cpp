#include "laystore/view/MarkerObjectItem.h"

#include "laystore/CDbAbstractObject.h"
#include "laystore/view/MarkerScene.h"
#include "laystore/view/SceneDrawing.h"

#include <QPainter>

namespace VelSystem {

MarkerObjectItem::MarkerObjectItem(CDbAbstractObject* object) : mObject(object) {}

MarkerObjectItem::~MarkerObjectItem() = default;

void MarkerObjectItem::refresh()
{
    rebuild();
    updateBounds();
    setZValue(baseZ() + mObject->zHint());
    const MarkerScene* scene = markerScene();
    setVisible(!scene || scene->filter().isVisible(mObject->kind()));
    updateEmphasis();
    update();
}

void MarkerObjectItem::updateEmphasis()
{
    // Other plies lie in the same place: seen through, they do not hide the one edited.
    constexpr double kOtherLayerOpacity = 0.3;
    const MarkerScene* scene = markerScene();
    setOpacity(!scene || scene->isOnCurrentLayer(mObject) ? 1.0 : kOtherLayerOpacity);
}

void MarkerObjectItem::updateBounds()
{
    const MarkerScene* scene = markerScene();
    const double margin = scene ? scene->penMargin() : 0.0;
    prepareGeometryChange();
    mBounds = contentRect().adjusted(-margin, -margin, margin, margin);
}

void MarkerObjectItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                             QWidget* /*widget*/)
{
    QPen pen(mObject->isSelected() ? kSelectionColour : QColor(90, 90, 90), 1.0, Qt::DashLine);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(contentRect());
}

void MarkerObjectItem::rebuild() {}

QRectF MarkerObjectItem::contentRect() const
{
    return toQRectF(mObject->boundingRect());
}

MarkerScene* MarkerObjectItem::markerScene() const
{
    return static_cast<MarkerScene*>(scene());
}

} // namespace VelSystem
