#include "ToolEditBlock.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolEditBlock> registration("editblock",
                                                   QStringLiteral(":/images/tool_editblock.png"));
} // namespace

ToolEditBlock::ToolEditBlock(const QString& icon) : ToolBase(icon) {}

ToolEditBlock::~ToolEditBlock() = default;

QString ToolEditBlock::name() const
{
    return QCoreApplication::translate("ToolEditBlock", "Edit Blocking Contour");
}

} // namespace VelSystem
