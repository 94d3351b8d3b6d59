#include "ToolSymmetricalCut.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolSymmetricalCut> registration("SymmetricalCut",
                                                        QStringLiteral(":/images/tool_SymmetricalCut.png"));
} // namespace

ToolSymmetricalCut::ToolSymmetricalCut(const QString& icon) : ToolBase(icon) {}

ToolSymmetricalCut::~ToolSymmetricalCut() = default;

QString ToolSymmetricalCut::name() const
{
    return QCoreApplication::translate("ToolSymmetricalCut", "Symmetrical Cut");
}

} // namespace VelSystem
