#include "ToolText.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolText> registration("text", QStringLiteral(":/images/tool_text.png"));
} // namespace

ToolText::ToolText(const QString& icon) : ToolBase(icon) {}

ToolText::~ToolText() = default;

QString ToolText::name() const
{
    return QCoreApplication::translate("ToolText", "Text");
}

} // namespace VelSystem
