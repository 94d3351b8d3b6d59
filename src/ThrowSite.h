#pragma once

#include "AssertionError.h"

#include <boost/current_function.hpp>
#include <boost/exception/exception.hpp>
#include <boost/exception/info.hpp>
#include <cstddef>

namespace VelSystem {

// The source path of a throw site as the host's reports show it: from the last "src"
// folder of __FILE__, without the extension, with backslashes ("src\ToolBlock"). Built at
// compile time, so the text lives as long as the module.
template <std::size_t N> class ThrowSite
{
public:
    constexpr explicit ThrowSite(const char (&file)[N]) : mPath{}
    {
        std::size_t begin = 0;
        for (std::size_t i = 0; i + 3 < N - 1; ++i) {
            const bool folderStart = i == 0 || isSeparator(file[i - 1]);
            if (folderStart && file[i] == 's' && file[i + 1] == 'r' && file[i + 2] == 'c' &&
                isSeparator(file[i + 3]))
                begin = i;
        }
        std::size_t end = N - 1;
        for (std::size_t i = begin; i < N - 1; ++i) {
            if (file[i] == '.')
                end = i;
            else if (isSeparator(file[i]))
                end = N - 1;
        }
        std::size_t length = 0;
        for (std::size_t i = begin; i < end; ++i)
            mPath[length++] = isSeparator(file[i]) ? '\\' : file[i];
    }

    constexpr const char* path() const { return mPath; }

private:
    static constexpr bool isSeparator(char c) { return c == '/' || c == '\\'; }

    char mPath[N];
};

// Records the throw site in `exception` and throws it by value.
template <class E>
[[noreturn]] void throwWithSite(E exception, const char* function, const char* file, int line)
{
    exception << boost::throw_function(function) << boost::throw_file(file) << boost::throw_line(line);
    throw exception;
}

} // namespace VelSystem

// Throws `exception` (a FatalError or AssertionError) with the current function and source
// path. The line is given, not taken from __LINE__: the host's reports name fixed lines that
// must not move when the file is edited.
#define VEL_THROW(line, exception)                                                                           \
    do {                                                                                                     \
        static constexpr ::VelSystem::ThrowSite<sizeof(__FILE__)> velThrowSite(__FILE__);                    \
        ::VelSystem::throwWithSite((exception), BOOST_CURRENT_FUNCTION, velThrowSite.path(), (line));        \
    } while (false)

// A state the tool's own logic excludes: throws AssertionError "Invalid Operation".
#define VEL_ASSERT(line, condition)                                                                          \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            VEL_THROW((line), ::VelSystem::AssertionError::invalidOperation());                              \
    } while (false)
