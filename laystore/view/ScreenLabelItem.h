#pragma once

#include "laystore/view/SceneDrawing.h"

#include <QGraphicsItem>
#include <QString>

namespace VelSystem {

// A label of fixed pixel size at a scene point, upright whatever the zoom, drawn above the
// objects so that nothing hides it.
class ScreenLabelItem : public QGraphicsItem
{
public:
    static constexpr double kZ = 900.0;

    ScreenLabelItem(Qt::Alignment alignment, const ScreenLabelStyle& style,
                    const QPointF& pixelOffset = QPointF());

    QString text() const { return mText; }
    void setText(const QString& text);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString mText;
    Qt::Alignment mAlignment;
    ScreenLabelStyle mStyle;
    QPointF mPixelOffset;
};

} // namespace VelSystem
