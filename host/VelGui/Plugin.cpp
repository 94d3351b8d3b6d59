#include "VelGui/Plugin.h"

namespace VelSystem {

Plugin::~Plugin() = default;

} // namespace VelSystem
