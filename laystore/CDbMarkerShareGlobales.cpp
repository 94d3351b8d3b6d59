#include "laystore/CDbMarkerShareGlobales.h"

namespace VelSystem {

CDbMarkerShareGlobales* CDbMarkerShareGlobales::instance()
{
    static CDbMarkerShareGlobales globals;
    return &globals;
}

} // namespace VelSystem
