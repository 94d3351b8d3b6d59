#pragma once

#include <QtGlobal>

namespace VelSystem {

class ToolFactory;

// The module's one exported entry: the plug-in's tool factory, the same object at every
// call. The host never deletes it.
extern "C" Q_DECL_EXPORT ToolFactory* markerplugin();

} // namespace VelSystem
