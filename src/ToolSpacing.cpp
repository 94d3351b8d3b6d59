#include "ToolSpacing.h"

#include "ToolRegistration.h"

namespace VelSystem {

namespace {
// No image exists for this icon path; the tool is never enabled.
const ToolRegistration<ToolSpacing> registration("spacing", QStringLiteral(":/images/tool_spacing.png"));
} // namespace

ToolSpacing::ToolSpacing(const QString& icon) : ToolBase(icon) {}

ToolSpacing::~ToolSpacing() = default;

bool ToolSpacing::isEnabled() const
{
    return false;
}

} // namespace VelSystem
