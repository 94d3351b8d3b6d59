#include "laystore/view/PunchHoleItem.h"

#include "laystore/CDbPunchHoleObject.h"
#include "laystore/view/SceneDrawing.h"

#include <QPainter>

namespace VelSystem {

namespace {

const QColor kHoleColour(150, 40, 140);

} // namespace

PunchHoleItem::PunchHoleItem(CDbPunchHoleObject* hole) : MarkerObjectItem(hole) {}

void PunchHoleItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/, QWidget* /*widget*/)
{
    const auto* hole = static_cast<const CDbPunchHoleObject*>(object());
    const QPointF centre = toQPointF(hole->centre());
    const double r = CDbPunchHoleObject::kDiameter / 2.0;
    QPen pen(hole->isSelected() ? kSelectionColour : kHoleColour, 1.5);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(centre, r, r);
    painter->drawLine(centre - QPointF(r, 0.0), centre + QPointF(r, 0.0));
    painter->drawLine(centre - QPointF(0.0, r), centre + QPointF(0.0, r));
}

} // namespace VelSystem
