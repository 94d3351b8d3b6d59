#include "ToolMagnetic.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolMagnetic> registration("magnetic", QStringLiteral(":/images/tool_magnetic.png"));
} // namespace

ToolMagnetic::ToolMagnetic(const QString& icon) : ToolBase(icon) {}

ToolMagnetic::~ToolMagnetic() = default;

QString ToolMagnetic::name() const
{
    return QCoreApplication::translate("ToolMagnetic", "Magnetic Cursor");
}

} // namespace VelSystem
