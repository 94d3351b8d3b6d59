#pragma once

#include "ToolBase.h"

#include "VelGui/ToolFactory.h"

#include <QString>
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <map>
#include <string>
#include <vector>

namespace VelSystem {

// The plug-in's single tool factory: the tools that registered themselves, by identifier,
// and the instruction pages the host shows for them.
class VelToolFactory : public ToolFactory
{
    Q_OBJECT
public:
    using Creator = boost::function<boost::shared_ptr<AbstractTool>(const std::string&)>;

    // Creates a T with the icon it holds and gives it the identifier it is called with.
    template <class T> class Constructor0
    {
    public:
        explicit Constructor0(const QString& icon) : mIcon(icon) {}

        boost::shared_ptr<AbstractTool> operator()(const std::string& id) const
        {
            T* tool = new T(mIcon);
            boost::shared_ptr<AbstractTool> owner(tool);
            tool->setId(id);
            return owner;
        }

    private:
        QString mIcon;
    };

    // Created on first use (the first tool registration), destroyed at unload.
    static VelToolFactory& instance();

    // Makes `id` create a T with `icon`, replacing an earlier registration of `id`.
    template <class T> void registerTool(const std::string& id, const QString& icon)
    {
        creators[id] = Constructor0<T>(icon);
    }

    // Every registered identifier, in byte order.
    std::vector<std::string> toolIds() const override;
    // A new tool, or an empty pointer (and a log line) for an unknown identifier.
    boost::shared_ptr<AbstractTool> createTool(const std::string& id) override;

private:
    VelToolFactory();

    std::map<std::string, Creator> creators;
};

} // namespace VelSystem
