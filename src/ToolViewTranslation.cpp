#include "ToolViewTranslation.h"

#include "ToolRegistration.h"

namespace VelSystem {

namespace {
// The hand grip has no icon: it is reached through its shortcut key.
const ToolRegistration<ToolViewTranslation> registration("handgrip", QString());
} // namespace

ToolViewTranslation::ToolViewTranslation(const QString& icon) : ToolBase(icon) {}

ToolViewTranslation::~ToolViewTranslation() = default;

std::vector<int> ToolViewTranslation::shortcutKeys() const
{
    return {Qt::Key_Space};
}

} // namespace VelSystem
