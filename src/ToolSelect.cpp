#include "ToolSelect.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolSelect> registration("select", QStringLiteral(":/images/tool_arrow.png"));
} // namespace

ToolSelect::ToolSelect(const QString& icon) : ToolBase(icon) {}

ToolSelect::~ToolSelect() = default;

QString ToolSelect::name() const
{
    return QCoreApplication::translate("ToolSelect", "Pointer");
}

std::vector<int> ToolSelect::shortcutKeys() const
{
    return {Qt::Key_Control};
}

} // namespace VelSystem
