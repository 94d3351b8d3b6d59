#pragma once

#include "laystore/view/MarkerObjectItem.h"

namespace VelSystem {

class CDbPunchHoleObject;

// Draws a punch hole as a circle of the punch's size with a cross at its centre.
class PunchHoleItem : public MarkerObjectItem
{
public:
    explicit PunchHoleItem(CDbPunchHoleObject* hole);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
};

} // namespace VelSystem
