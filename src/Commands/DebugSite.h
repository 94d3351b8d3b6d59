#pragma once

#include "ThrowSite.h"

#include <QDebug>
#include <boost/current_function.hpp>

namespace VelSystem {

// A line on Qt's debug stream that starts with where it was written: the source path as
// the throw sites show it ("src\Commands\TransformCommand"), the line and the function.
inline QDebug debugAtSite(const char* path, int line, const char* function)
{
    QDebug stream = qDebug().noquote();
    stream << path << line << function;
    return stream;
}

} // namespace VelSystem

// qDebug() with the current source path, line and function in front: VEL_DEBUG_SITE() << text;
#define VEL_DEBUG_SITE()                                                                                     \
    ::VelSystem::debugAtSite(                                                                                \
        [] {                                                                                                 \
            static constexpr ::VelSystem::ThrowSite<sizeof(__FILE__)> site(__FILE__);                        \
            return site.path();                                                                              \
        }(),                                                                                                 \
        __LINE__, BOOST_CURRENT_FUNCTION)
