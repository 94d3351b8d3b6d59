// Saving under injected faults: missing permissions, and the process killed while it writes or
// between the write and the rename (a disk that fills up is tst_MarkerFile's). Every fault is
// real: the save runs in a child process that meets it, and the previous file must come out
// intact.

#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/MarkerFile.h"

#include "TestMain.h"
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace VelSystem;

namespace {

const char* const kSample = MARKER_SOURCE_DIR "/samples/trousers-sample.mak";

// Set in the child that is to die at the rename that would put the saved file in place.
volatile bool killAtRename = false;

} // namespace

// Every rename of this process passes here: the save's rename of its finished temporary file
// over the target is where a process killed "between write and rename" dies.
extern "C" int rename(const char* from, const char* to)
{
    if (killAtRename)
        raise(SIGKILL);
    using Rename = int (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

namespace {

enum class Fault
{
    FolderNotWritable,
    FileNotWritable,
    KilledWhileWriting,
    KilledBeforeRename
};

// A user other than root, for whom file permissions hold.
constexpr uid_t kNobody = 65534;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// The fault takes effect in the child process, before it saves.
void inject(Fault fault, const QString& folder, const QString& target, qint64 bytes)
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    switch (fault) {
    case Fault::KilledWhileWriting: {
        // No file may grow past half the marker: the kernel kills the process with SIGXFSZ
        // halfway through the write.
        const rlimit half{rlim_t(bytes / 2), rlim_t(bytes / 2)};
        setrlimit(RLIMIT_FSIZE, &half);
        break;
    }
    case Fault::FolderNotWritable:
    case Fault::FileNotWritable:
        QFile::setPermissions(folder,
                              fault == Fault::FolderNotWritable
                                  ? QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                                  : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
        if (fault == Fault::FileNotWritable)
            QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadOther);
        // Root writes anywhere: the child gives that up for good.
        if (geteuid() == 0 && setresuid(kNobody, kNobody, kNobody) != 0)
            _exit(3);
        break;
    case Fault::KilledBeforeRename:
        killAtRename = true;
        break;
    }
}

struct ChildSave
{
    bool saved = false;
    QString error;
    // The signal that ended the child, 0 if it exited.
    int signal = 0;
};

// Saves `document` to `target` in a child process that first meets `fault`.
ChildSave saveInChild(const DocumentMak& document, const QString& target, Fault fault)
{
    const qint64 bytes = MarkerFile::toJson(document).size();
    const QString folder = QFileInfo(target).path();
    int channel[2];
    if (pipe(channel) != 0)
        qFatal("no pipe");
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        inject(fault, folder, target, bytes);
        QString error;
        const QByteArray report =
            MarkerFile::save(document, target, &error) ? QByteArray("saved") : error.toUtf8();
        [[maybe_unused]] const ssize_t written = write(channel[1], report.constData(), size_t(report.size()));
        _exit(0);
    }
    close(channel[1]);
    QByteArray report;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, int(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    ChildSave result;
    result.saved = report == "saved";
    result.error = result.saved ? QString() : QString::fromUtf8(report);
    result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return result;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class tst_SaveFaults : public QObject
{
    Q_OBJECT
private slots:
    void interruptedSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("signal");
        QTest::newRow("folder not writable") << Fault::FolderNotWritable << 0;
        QTest::newRow("file not writable") << Fault::FileNotWritable << 0;
        QTest::newRow("killed while writing") << Fault::KilledWhileWriting << int(SIGXFSZ);
        QTest::newRow("killed between write and rename") << Fault::KilledBeforeRename << int(SIGKILL);
    }

    void interruptedSaveKeepsThePreviousFile()
    {
        QFETCH(Fault, fault);
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("old.mak"));
        QVERIFY(QFile::copy(QString::fromUtf8(kSample), target));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        const QByteArray previous = readAll(target);
        QString error;
        const boost::shared_ptr<DocumentMak> document = MarkerFile::load(target, &error);
        QVERIFY2(document, qPrintable(error));
        document->drawing()->setName(QStringLiteral("renamed before the save"));

        const ChildSave interrupted = saveInChild(*document, target, fault);
        QCOMPARE(interrupted.signal, signal);
        QVERIFY(!interrupted.saved);
        if (signal == 0)
            QVERIFY2(interrupted.error.startsWith(QStringLiteral("old.mak was not saved: ")),
                     qPrintable(interrupted.error));
        QVERIFY(readAll(target) == previous);
        // Only a killed process leaves its temporary file behind, and that stops no later save.
        if (signal == 0)
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.mak")});
        QVERIFY2(MarkerFile::save(*document, target, &error), qPrintable(error));
        const boost::shared_ptr<DocumentMak> saved = MarkerFile::load(target, &error);
        QVERIFY2(saved, qPrintable(error));
        QCOMPARE(saved->drawing()->name(), QStringLiteral("renamed before the save"));
    }
};

MARKER_TEST(tst_SaveFaults)
#include "tst_SaveFaults.moc"
