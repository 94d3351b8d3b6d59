#include "laystore/view/MarkerLineItem.h"

#include "laystore/CDbLineObject.h"
#include "laystore/view/SceneDrawing.h"

#include <QPainter>

namespace VelSystem {

namespace {

const QColor kLineColour(20, 110, 60);

} // namespace

MarkerLineItem::MarkerLineItem(CDbLineObject* line) : MarkerObjectItem(line) {}

CDbLineObject* MarkerLineItem::line() const
{
    return static_cast<CDbLineObject*>(object());
}

void MarkerLineItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/, QWidget* /*widget*/)
{
    const CDbLineObject& l = *line();
    const QLineF segment(toQPointF(l.start()), toQPointF(l.end()));
    if (l.isSelected()) {
        QPen highlight(kSelectionColour, 4.0, Qt::SolidLine, Qt::RoundCap);
        highlight.setCosmetic(true);
        painter->setPen(highlight);
        painter->drawLine(segment);
    }
    QPen pen(kLineColour, 1.5, l.isDragged() ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->drawLine(segment);
    if (!l.getText().isEmpty()) {
        ScreenLabelStyle style;
        style.colour = kLineColour;
        style.pointSize = 8;
        drawScreenLabel(painter, segment.center(), l.getText(), Qt::AlignHCenter | Qt::AlignBottom, style);
    }
}

} // namespace VelSystem
