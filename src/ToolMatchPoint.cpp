#include "ToolMatchPoint.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolMatchPoint> registration("matchPoint",
                                                    QStringLiteral(":/images/tool_match_point.png"));
} // namespace

ToolMatchPoint::ToolMatchPoint(const QString& icon) : ToolBase(icon) {}

ToolMatchPoint::~ToolMatchPoint() = default;

QString ToolMatchPoint::name() const
{
    return QCoreApplication::translate("ToolMatchPoint", "Match Point");
}

} // namespace VelSystem
