#pragma once

#include "ToolBase.h"

#include <QPoint>

namespace VelSystem {

// The hand grip: pans the view by dragging it with any button and zooms it with the wheel
// around the mouse.
class ToolViewTranslation : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolViewTranslation(const QString& icon);
    ~ToolViewTranslation() override;

    std::vector<int> shortcutKeys() const override;
    void start() override;
    // Ends a drag in progress, so that a later move without a press does not pan.
    void stop() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
    // Zooms by whole notches; partial ones are kept until they add up to a notch.
    bool wheelEvent(DocumentView* view, QWheelEvent* event) override;

private:
    bool mDragging = false;
    // View pixels: where the mouse was at the press or the last pan.
    QPoint mLastPos;
    // Wheel units (120 a notch) not yet turned into a zoom step.
    int mWheelRemainder = 0;
};

} // namespace VelSystem
