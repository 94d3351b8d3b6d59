#include "ToolFillHole.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolFillHole> registration("fillhole", QStringLiteral(":/images/tool_fillhole.png"));
} // namespace

ToolFillHole::ToolFillHole(const QString& icon) : ToolBase(icon) {}

ToolFillHole::~ToolFillHole() = default;

QString ToolFillHole::name() const
{
    return QCoreApplication::translate("ToolFillHole", "Fill a Hole");
}

} // namespace VelSystem
