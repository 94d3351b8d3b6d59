#include "ToolSequence.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolSequence> registration("Sequence", QStringLiteral(":/images/tool_Sequence.png"));
} // namespace

ToolSequence::ToolSequence(const QString& icon) : ToolBase(icon) {}

ToolSequence::~ToolSequence() = default;

QString ToolSequence::name() const
{
    return QCoreApplication::translate("ToolSequence", "Sequence");
}

} // namespace VelSystem
