#include "VelGui/ToolFactory.h"

namespace VelSystem {

ToolFactory::ToolFactory() = default;

ToolFactory::~ToolFactory() = default;

QStringList ToolFactory::instructions(const std::string& id) const
{
    const auto it = mInstructions.constFind(id);
    if (it == mInstructions.constEnd() || !it.value())
        return {};
    return it.value()();
}

} // namespace VelSystem
