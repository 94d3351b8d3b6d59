#include "SelectRubberBand.h"

namespace VelSystem {

SelectRubberBand::SelectRubberBand(QWidget* view) : QRubberBand(QRubberBand::Rectangle, view) {}

SelectRubberBand::~SelectRubberBand() = default;

} // namespace VelSystem
