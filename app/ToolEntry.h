#pragma once

#include <QString>
#include <string>
#include <vector>

namespace VelSystem {

// What the host knows of one of the plug-in's tools without holding it: read once from a
// created tool, and copied so that nothing here points into the plug-in's module.
struct ToolEntry
{
    std::string id;
    QString name;
    // Resource path of the icon; empty for the hand grip, which has none.
    QString icon;
    // Qt key codes that, held together, select the tool temporarily.
    std::vector<int> shortcutKeys;
    bool enabled = true;
};

} // namespace VelSystem
