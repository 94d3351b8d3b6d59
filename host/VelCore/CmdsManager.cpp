#include "VelCore/CmdsManager.h"

#include "VelCore/AbstractCmd.h"

#include <QtGlobal>

namespace VelSystem {

CmdsManager* CmdsManager::instance()
{
    static CmdsManager manager;
    return &manager;
}

void CmdsManager::registerCommand(const QString& name, Factory factory)
{
    if (name.isEmpty() || !factory) {
        qWarning("CmdsManager: refused to register a command without a name or a factory ('%s')",
                 qPrintable(name));
        return;
    }
    mFactories[name] = std::move(factory);
}

void CmdsManager::unregisterCommand(const QString& name)
{
    mFactories.erase(name);
}

bool CmdsManager::hasCommand(const QString& name) const
{
    return mFactories.count(name) != 0;
}

std::vector<QString> CmdsManager::commandNames() const
{
    std::vector<QString> names;
    names.reserve(mFactories.size());
    for (const auto& entry : mFactories)
        names.push_back(entry.first);
    return names;
}

std::unique_ptr<AbstractCmd> CmdsManager::createCommand(const QString& name) const
{
    const auto found = mFactories.find(name);
    if (found == mFactories.end())
        return nullptr;
    return std::unique_ptr<AbstractCmd>(found->second());
}

} // namespace VelSystem
