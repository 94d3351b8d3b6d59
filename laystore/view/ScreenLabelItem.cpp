#include "laystore/view/ScreenLabelItem.h"

namespace VelSystem {

ScreenLabelItem::ScreenLabelItem(Qt::Alignment alignment, const ScreenLabelStyle& style,
                                 const QPointF& pixelOffset)
    : mAlignment(alignment), mStyle(style), mPixelOffset(pixelOffset)
{
    // Its own coordinates are pixels, unscaled and not flipped.
    setFlag(ItemIgnoresTransformations);
    setZValue(kZ);
}

void ScreenLabelItem::setText(const QString& text)
{
    if (text == mText)
        return;
    prepareGeometryChange();
    mText = text;
}

QRectF ScreenLabelItem::boundingRect() const
{
    return screenLabelRect(mText, mAlignment, mStyle).translated(mPixelOffset);
}

void ScreenLabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/,
                            QWidget* /*widget*/)
{
    paintScreenLabel(painter, mPixelOffset, mText, mAlignment, mStyle);
}

} // namespace VelSystem
