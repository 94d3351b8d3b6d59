#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <type_traits>

namespace VelSystem {

// Writes one log line when it goes out of scope: DefaultLogger(2) << text << more;
// Levels: 0 debug, 1 info, 2 warning, 3 error (others are clamped into that range). The
// line is the level's name (DEBUG, INFO, WARNING, ERROR) and the parts, separated by
// spaces. Lines go to the Qt message stream at the matching level unless a test installed
// a sink.
class DefaultLogger
{
public:
    using Sink = std::function<void(int level, const QString& line)>;

    explicit DefaultLogger(int level);
    ~DefaultLogger();
    DefaultLogger(const DefaultLogger&) = delete;
    DefaultLogger& operator=(const DefaultLogger&) = delete;

    DefaultLogger& operator<<(const QString& text);
    DefaultLogger& operator<<(const char* text);
    DefaultLogger& operator<<(const std::string& text);
    DefaultLogger& operator<<(long long value);
    DefaultLogger& operator<<(double value);
    // Any other integer (int, short, size_t, ...) without an ambiguous conversion.
    template <class T, std::enable_if_t<std::is_integral<T>::value, int> = 0>
    DefaultLogger& operator<<(T value)
    {
        return *this << static_cast<long long>(value);
    }

    // Replaces the sink for every logger and returns the previous one (empty: Qt stream).
    static Sink setSink(Sink sink);

private:
    int mLevel;
    QStringList mParts;
};

} // namespace VelSystem
