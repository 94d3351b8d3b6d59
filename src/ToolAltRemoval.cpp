#include "ToolAltRemoval.h"

#include "VelCore/KeyboardMonitor.h"

namespace VelSystem {

ToolAltRemoval::ToolAltRemoval(const QString& icon) : ToolBase(icon) {}

ToolAltRemoval::~ToolAltRemoval() = default;

void ToolAltRemoval::start()
{
    mAltDown = KeyboardMonitor::instance().keyPressed(Qt::Key_Alt);
}

bool ToolAltRemoval::keyStateChanged(bool pressed, int key)
{
    if (key != Qt::Key_Alt)
        return false;
    mAltDown = pressed;
    return true;
}

} // namespace VelSystem
