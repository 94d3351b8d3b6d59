#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace VelSystem {

class AbstractCmd;

// The registry of commands that tools ask for by name. One instance per process.
class CmdsManager
{
public:
    using Factory = std::function<AbstractCmd*()>;

    static CmdsManager* instance();

    // Registers (or replaces) the factory for `name`.
    void registerCommand(const QString& name, Factory factory);
    void unregisterCommand(const QString& name);
    bool hasCommand(const QString& name) const;
    std::vector<QString> commandNames() const;
    // A new command owned by the caller, or null when no command has that name.
    std::unique_ptr<AbstractCmd> createCommand(const QString& name) const;

private:
    CmdsManager() = default;
    std::map<QString, Factory> mFactories;
};

// Registers a command class under a name at library load.
template <class T> struct CmdRegistration
{
    explicit CmdRegistration(const QString& name)
    {
        CmdsManager::instance()->registerCommand(name, [] { return new T(); });
    }
};

} // namespace VelSystem
