#pragma once

// The offscreen platform warns about every top-level window it shows (the main window, each
// dialog); there is nothing to see in that. Tests that show windows call
// HostTest::silencePlatformNoise() in initTestCase; later calls change nothing.

#include <QString>
#include <QtGlobal>

namespace VelSystem {
namespace HostTest {

inline QtMessageHandler& previousMessageHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support propagateSizeHints")))
        previousMessageHandler()(type, context, message);
}

inline void silencePlatformNoise()
{
    if (!previousMessageHandler())
        previousMessageHandler() = qInstallMessageHandler(dropPlatformNoise);
}

} // namespace HostTest
} // namespace VelSystem
