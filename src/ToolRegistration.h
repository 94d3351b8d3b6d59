#pragma once

#include "VelToolFactory.h"

#include <QString>
#include <string>

namespace VelSystem {

// A tool's source file defines one of these as a static object, so that loading the
// plug-in registers the tool with the factory.
template <class T> class ToolRegistration
{
public:
    ToolRegistration(const std::string& id, const QString& icon)
    {
        VelToolFactory::instance().registerTool<T>(id, icon);
    }
};

} // namespace VelSystem
