#pragma once

#include "laystore/view/MarkerObjectItem.h"

namespace VelSystem {

class CDbLineObject;

// Draws a line on the marker, with its text at the middle.
class MarkerLineItem : public MarkerObjectItem
{
public:
    explicit MarkerLineItem(CDbLineObject* line);

    CDbLineObject* line() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
};

} // namespace VelSystem
