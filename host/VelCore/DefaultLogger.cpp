#include "VelCore/DefaultLogger.h"

#include <QtDebug>
#include <algorithm>

namespace VelSystem {

namespace {

DefaultLogger::Sink& installedSink()
{
    static DefaultLogger::Sink sink;
    return sink;
}

const char* levelName(int level)
{
    static const char* const names[] = {"DEBUG", "INFO", "WARNING", "ERROR"};
    return names[level];
}

} // namespace

DefaultLogger::DefaultLogger(int level) : mLevel(std::clamp(level, 0, 3)) {}

DefaultLogger::~DefaultLogger()
{
    const QString line =
        QString::fromLatin1(levelName(mLevel)) + QLatin1Char(' ') + mParts.join(QLatin1Char(' '));
    if (const Sink& sink = installedSink()) {
        sink(mLevel, line);
        return;
    }
    switch (mLevel) {
    case 0:
        qDebug().noquote() << line;
        break;
    case 1:
        qInfo().noquote() << line;
        break;
    case 2:
        qWarning().noquote() << line;
        break;
    default:
        qCritical().noquote() << line;
        break;
    }
}

DefaultLogger& DefaultLogger::operator<<(const QString& text)
{
    mParts << text;
    return *this;
}

DefaultLogger& DefaultLogger::operator<<(const char* text)
{
    return *this << QString::fromUtf8(text);
}

DefaultLogger& DefaultLogger::operator<<(const std::string& text)
{
    return *this << QString::fromStdString(text);
}

DefaultLogger& DefaultLogger::operator<<(long long value)
{
    return *this << QString::number(value);
}

DefaultLogger& DefaultLogger::operator<<(double value)
{
    return *this << QString::number(value, 'g', 12);
}

DefaultLogger::Sink DefaultLogger::setSink(Sink sink)
{
    std::swap(installedSink(), sink);
    return sink;
}

} // namespace VelSystem
