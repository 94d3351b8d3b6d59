#include "ToolZoom.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolZoom> registration("zoom", QStringLiteral(":/images/tool_zoom.png"));
} // namespace

ToolZoom::ToolZoom(const QString& icon) : ToolBase(icon) {}

ToolZoom::~ToolZoom() = default;

QString ToolZoom::name() const
{
    return QCoreApplication::translate("ToolZoom", "Zoom In/Out");
}

std::vector<int> ToolZoom::shortcutKeys() const
{
    return {Qt::Key_Control, Qt::Key_Space};
}

} // namespace VelSystem
