#include "ToolCutDown.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolCutDown> registration("cutdown", QStringLiteral(":/images/tool_cutdown.png"));
} // namespace

ToolCutDown::ToolCutDown(const QString& icon) : ToolBase(icon) {}

ToolCutDown::~ToolCutDown() = default;

QString ToolCutDown::name() const
{
    return QCoreApplication::translate("ToolCutDown", "Cut-Down Two Pieces");
}

} // namespace VelSystem
