#include "ToolStartPoint.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolStartPoint> registration("StartPoint",
                                                    QStringLiteral(":/images/tool_StartPoint.png"));
} // namespace

ToolStartPoint::ToolStartPoint(const QString& icon) : ToolBase(icon) {}

ToolStartPoint::~ToolStartPoint() = default;

QString ToolStartPoint::name() const
{
    return QCoreApplication::translate("ToolStartPoint", "Knife Starting Point");
}

} // namespace VelSystem
