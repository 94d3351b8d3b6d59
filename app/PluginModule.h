#pragma once

#include <QCoreApplication>
#include <QLibrary>

namespace VelSystem {

class ToolFactory;

// The tool plug-in: a module loaded with QLibrary whose exported markerplugin() hands out
// its tool factory. Every tool the factory made must be released before the module is
// unloaded: their code, and the strings they return, live in the module.
class PluginModule
{
    Q_DECLARE_TR_FUNCTIONS(PluginModule)

public:
    PluginModule() = default;
    // Unloads the module.
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    // The module installed beside the executable.
    static QString defaultPath();

    // Loads the module at `path` and asks it for its factory. On failure (no file, not a
    // loadable module, no entry, no factory) returns false with `error` saying which, and
    // leaves nothing loaded.
    bool load(const QString& path, QString* error);
    // The module's factory; null while nothing is loaded.
    ToolFactory* factory() const { return mFactory; }
    void unload();

private:
    QLibrary mLibrary;
    ToolFactory* mFactory = nullptr;
};

} // namespace VelSystem
