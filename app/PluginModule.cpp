#include "PluginModule.h"

#include "VelGui/ToolFactory.h"

#include <QDir>
#include <QFileInfo>

namespace VelSystem {

namespace {

// The module's file name has no "lib" prefix, so QLibrary is given the whole name.
#ifdef Q_OS_WIN
const char* const kModuleFile = "markerplugin.dll";
#else
const char* const kModuleFile = "markerplugin.so";
#endif

} // namespace

PluginModule::~PluginModule()
{
    unload();
}

QString PluginModule::defaultPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kModuleFile));
}

bool PluginModule::load(const QString& path, QString* error)
{
    unload();
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        *error =
            tr("The tool plug-in %1 was not found; the markers can be viewed but not edited.").arg(shown);
        return false;
    }
    mLibrary.setFileName(QFileInfo(path).absoluteFilePath());
    if (!mLibrary.load()) {
        *error = tr("The tool plug-in %1 could not be loaded: %2").arg(shown, mLibrary.errorString());
        return false;
    }
    const auto entry = reinterpret_cast<PluginEntry>(mLibrary.resolve("markerplugin"));
    ToolFactory* factory = entry ? entry() : nullptr;
    if (!factory) {
        *error = entry ? tr("The tool plug-in %1 has no tools to offer.").arg(shown)
                       : tr("%1 is not a tool plug-in: it does not export markerplugin.").arg(shown);
        mLibrary.unload();
        return false;
    }
    mFactory = factory;
    return true;
}

void PluginModule::unload()
{
    mFactory = nullptr;
    if (mLibrary.isLoaded())
        mLibrary.unload();
}

} // namespace VelSystem
