#include "ToolLink.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolLink> registration("link", QStringLiteral(":/images/tool_link.png"));
} // namespace

ToolLink::ToolLink(const QString& icon) : ToolBase(icon) {}

ToolLink::~ToolLink() = default;

QString ToolLink::name() const
{
    return QCoreApplication::translate("ToolLink", "Link");
}

} // namespace VelSystem
