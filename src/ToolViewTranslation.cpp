#include "ToolViewTranslation.h"

#include "ToolRegistration.h"

#include "VelGui/DocumentView.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <cstdlib>

namespace VelSystem {

namespace {

// The hand grip has no icon: it is reached through its shortcut key.
const ToolRegistration<ToolViewTranslation> registration("handgrip", QString());

constexpr int kNotch = 120;
// One notch out scales by kNotchOut; one notch in by its inverse, so that in and out cancel.
constexpr double kNotchOut = 0.8911;
constexpr double kNotchIn = 1.122208506340478;

// The wheel's delta along its main axis, as one number for either wheel.
int wheelDelta(const QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    return std::abs(delta.x()) > std::abs(delta.y()) ? delta.x() : delta.y();
}

} // namespace

ToolViewTranslation::ToolViewTranslation(const QString& icon) : ToolBase(icon) {}

ToolViewTranslation::~ToolViewTranslation() = default;

std::vector<int> ToolViewTranslation::shortcutKeys() const
{
    return {Qt::Key_Space};
}

void ToolViewTranslation::start()
{
    mWheelRemainder = 0;
}

void ToolViewTranslation::stop()
{
    mDragging = false;
}

void ToolViewTranslation::mousePressEvent(DocumentView* /*view*/, QMouseEvent* event)
{
    mLastPos = event->pos();
    mDragging = true;
    event->accept();
}

void ToolViewTranslation::mouseReleaseEvent(DocumentView* /*view*/, QMouseEvent* event)
{
    if (!mDragging)
        return;
    mDragging = false;
    event->accept();
}

void ToolViewTranslation::mouseMoveEvent(DocumentView* view, QMouseEvent* event)
{
    if (!mDragging)
        return;
    // The content follows the mouse: dragging right scrolls the view left.
    const QPoint position = event->pos();
    QScrollBar* horizontal = view->horizontalScrollBar();
    QScrollBar* vertical = view->verticalScrollBar();
    horizontal->setValue(horizontal->value() + mLastPos.x() - position.x());
    vertical->setValue(vertical->value() + mLastPos.y() - position.y());
    mLastPos = position;
    event->accept();
}

void ToolViewTranslation::cursor(QCursor& cursor) const
{
    cursor.setShape(mDragging ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
}

bool ToolViewTranslation::wheelEvent(DocumentView* view, QWheelEvent* event)
{
    const int total = mWheelRemainder + wheelDelta(event);
    const int steps = total / kNotch;
    mWheelRemainder = total - steps * kNotch;
    if (steps != 0) {
        const double factor = steps > 0 ? std::pow(kNotchIn, steps) : std::pow(kNotchOut, -steps);
        view->scale(factor, event->position().toPoint());
    }
    return true;
}

} // namespace VelSystem
