#include "markerplugin.h"

#include "VelToolFactory.h"

namespace VelSystem {

ToolFactory* markerplugin()
{
    return &VelToolFactory::instance();
}

} // namespace VelSystem
