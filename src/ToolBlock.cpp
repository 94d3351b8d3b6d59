#include "ToolBlock.h"

#include "ToolRegistration.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const ToolRegistration<ToolBlock> registration("block", QStringLiteral(":/images/tool_block.png"));
} // namespace

ToolBlock::ToolBlock(const QString& icon) : ToolBase(icon) {}

ToolBlock::~ToolBlock() = default;

QString ToolBlock::name() const
{
    return QCoreApplication::translate("ToolBlock", "Block a Piece");
}

} // namespace VelSystem
