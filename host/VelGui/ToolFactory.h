#pragma once

#include "VelGui/Plugin.h"

#include <QMap>
#include <QStringList>
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

namespace VelSystem {

class AbstractTool;

// A plug-in's source of tools: their identifiers, new tools, and their instruction pages.
class ToolFactory : public Plugin
{
    Q_OBJECT
public:
    using InstructionFunction = boost::function<QStringList()>;

    ToolFactory();
    ~ToolFactory() override;

    virtual std::vector<std::string> toolIds() const = 0;
    // A new tool, or an empty pointer for an unknown identifier.
    virtual boost::shared_ptr<AbstractTool> createTool(const std::string& id) = 0;
    // The instruction pages registered for `id` (empty when none is).
    QStringList instructions(const std::string& id) const;

protected:
    QMap<std::string, InstructionFunction> mInstructions;
};

// The signature of a plug-in module's exported entry.
extern "C" {
typedef ToolFactory* (*PluginEntry)();
}

} // namespace VelSystem
