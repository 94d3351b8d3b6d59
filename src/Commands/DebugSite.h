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

// qDebug() with the current source path, the given line and function in front:
// VEL_DEBUG_SITE(223, BOOST_CURRENT_FUNCTION) << text; the line is fixed like a throw site's,
// and the function is passed so that a line written from a lambda names the function around it.
#define VEL_DEBUG_SITE(line, function)                                                                       \
    ::VelSystem::debugAtSite(                                                                                \
        [] {                                                                                                 \
            static constexpr ::VelSystem::ThrowSite<sizeof(__FILE__)> site(__FILE__);                        \
            return site.path();                                                                              \
        }(),                                                                                                 \
        (line), (function))
