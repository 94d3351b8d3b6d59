#include "ToolExternalHole.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolExternalHole> registration("ExternalHole",
                                                      QStringLiteral(":/images/tool_externalhole.png"));
} // namespace

ToolExternalHole::ToolExternalHole(const QString& icon) : ToolBase(icon) {}

ToolExternalHole::~ToolExternalHole() = default;

QString ToolExternalHole::name() const
{
    return QCoreApplication::translate("ToolExternalHole", "Add External Punch Hole");
}

} // namespace VelSystem
