#include "SelectRubberBand.h"

namespace VelSystem {

SelectRubberBand::SelectRubberBand(QWidget* view) : QRubberBand(QRubberBand::Rectangle, view) {}

SelectRubberBand::~SelectRubberBand() = default;

void SelectRubberBand::paintEvent(QPaintEvent* event)
{
    QRubberBand::paintEvent(event);
}

} // namespace VelSystem
