#pragma once

#include <QString>
#include <exception>

namespace VelSystem {

// The host's boundary for exceptions leaving a tool or a command: reports the message to
// the user through VelCoreApplication's error report, writes the throw site (when the
// exception carries one) to the log, and returns the text shown.
QString reportCurrentException(const QString& where);

// Runs `f`, reporting any exception it throws; true when it returned normally.
template <class F> bool runGuarded(const QString& where, F&& f)
{
    try {
        f();
        return true;
    } catch (...) {
        reportCurrentException(where);
        return false;
    }
}

} // namespace VelSystem
