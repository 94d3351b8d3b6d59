#include "CLineItem.h"

#include <QGraphicsScene>
#include <QPainter>

namespace VelSystem {

CLineItem::CLineItem(const QPainterPath& clipPath, QGraphicsScene* scene) : mClipPath(clipPath)
{
    if (scene)
        scene->addItem(this);
}

CLineItem::~CLineItem() = default;

void CLineItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const QPainterPath savedPath = painter->clipPath();
    const bool savedClipping = painter->hasClipping();
    painter->setClipping(true);
    painter->setClipPath(mClipPath, Qt::ReplaceClip);
    QGraphicsLineItem::paint(painter, option, widget);
    painter->setClipPath(savedPath, Qt::ReplaceClip);
    painter->setClipping(savedClipping);
}

} // namespace VelSystem
