#pragma once

#include "laystore/view/MarkerObjectItem.h"

#include <QPainterPath>

namespace VelSystem {

class CDbTextObject;

// Draws a text written on the marker at its letter size, alignment and angle.
class MarkerTextItem : public MarkerObjectItem
{
public:
    explicit MarkerTextItem(CDbTextObject* text);

    CDbTextObject* text() const;
    // The glyphs in scene coordinates.
    const QPainterPath& glyphs() const { return mGlyphs; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void rebuild() override;
    QRectF contentRect() const override;

private:
    QPainterPath mGlyphs;
};

} // namespace VelSystem
