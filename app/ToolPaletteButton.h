#pragma once

#include <QToolButton>

namespace VelSystem {

// A tool button that shows its icon's "on" image (the tool's "_down" art) while it is
// pressed as well as while its tool is current; a plain tool button would show it only
// once the click is over.
class ToolPaletteButton : public QToolButton
{
    Q_OBJECT
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace VelSystem
