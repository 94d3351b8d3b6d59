#include "ToolCutAngle.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolCutAngle> registration("cutangle", QStringLiteral(":/images/tool_cutangle.png"));
} // namespace

ToolCutAngle::ToolCutAngle(const QString& icon) : ToolBase(icon) {}

ToolCutAngle::~ToolCutAngle() = default;

QString ToolCutAngle::name() const
{
    return QCoreApplication::translate("ToolCutAngle", "Cut with Angle");
}

} // namespace VelSystem
