#include "ToolScale.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolScale> registration("scale", QStringLiteral(":/images/tool_scale.png"));
} // namespace

ToolScale::ToolScale(const QString& icon) : ToolBase(icon) {}

ToolScale::~ToolScale() = default;

QString ToolScale::name() const
{
    return QCoreApplication::translate("Velsystem::ToolScale", "Scale");
}

} // namespace VelSystem
