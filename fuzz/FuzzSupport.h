#pragma once

// What every fuzz target (one source each) shares: a Qt application on the offscreen platform
// made at the fuzzer's start (texts are measured with fonts), a scratch folder for the readers
// that take a path, and the way a broken promise stops the run.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Added to the suppression file's entries. Qt 5.15's JSON parser leaks the earlier value of a
// key given twice when that value is an object or an array, which fuzzed input does all the
// time. Debian's Qt has no frame pointers, so the leak's stack stops inside Qt's internals:
// only the library can be named.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libQt5Core.so\n";
}

namespace VelSystem {
namespace Fuzz {

// A folder for the files of one run, in memory where the system offers one, as every input
// is written and read again.
inline const QTemporaryDir& scratch()
{
    static const QTemporaryDir* dir = new QTemporaryDir(
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/markerfuzz-XXXXXX") : QString());
    return *dir;
}

// The input written to the scratch file `name`, for the readers that take a path; returns its path.
inline QString writeInput(const char* name, const uint8_t* data, size_t size)
{
    const QString path = scratch().filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

// Stops the run on a broken promise, which libFuzzer then reports with the input.
[[noreturn]] inline void fail(const QString& what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::abort();
}

} // namespace Fuzz
} // namespace VelSystem

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps the argument count by reference; libFuzzer's own options are not Qt's.
    static int argc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    // Never destroyed: the fuzzer leaves through exit() while Qt's statics go away.
    new QApplication(argc, qtArgv);
    return 0;
}
