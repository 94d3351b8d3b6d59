#include "ToolRuler.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolRuler> registration("ruler", QStringLiteral(":/images/tool_ruler.png"));
} // namespace

ToolRuler::ToolRuler(const QString& icon) : ToolBase(icon) {}

ToolRuler::~ToolRuler() = default;

QString ToolRuler::name() const
{
    return QCoreApplication::translate("ToolRuler", "Ruler");
}

} // namespace VelSystem
