#include "ToolPaletteButton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace VelSystem {

void ToolPaletteButton::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    if (isDown())
        option.state |= QStyle::State_On;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}

} // namespace VelSystem
