#include "VelToolFactory.h"

#include "VelGui/AbstractTool.h"
#include "VelGui/ToolFactory.h"

#include "TestMain.h"
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace VelSystem;

// The test links the plug-in's objects, and so its own copy of the images: these take that
// copy out of the resource system and put it back, so that what the module brings shows.
static void unregisterLinkedImages()
{
    Q_CLEANUP_RESOURCE(images);
}

static void registerLinkedImages()
{
    Q_INIT_RESOURCE(images);
}

namespace {

const QString kModule = QStringLiteral(MARKERPLUGIN_MODULE);
const QString kIcon = QStringLiteral(":/images/tool_arrow.png");

} // namespace

class tst_markerplugin : public QObject
{
    Q_OBJECT

private slots:
    void loadsWithItsImagesAndOneFactory()
    {
        unregisterLinkedImages();
        const auto restore = qScopeGuard([] { registerLinkedImages(); });
        QVERIFY(!QFile::exists(kIcon));

        QLibrary module(kModule);
        QVERIFY2(module.load(), qPrintable(module.errorString()));
        QVERIFY(QFile::exists(kIcon));
        QVERIFY(!QImage(kIcon).isNull());

        const auto entry = reinterpret_cast<PluginEntry>(module.resolve("markerplugin"));
        QVERIFY(entry);
        ToolFactory* factory = entry();
        QVERIFY(factory);
        QCOMPARE(entry(), factory);
        // Hidden symbols: the module keeps its own factory, not the one linked into this test.
        QVERIFY(factory != &VelToolFactory::instance());
        QCOMPARE(factory->toolIds().size(), size_t(22));
        QVERIFY(factory->createTool("select"));

        QVERIFY(module.unload());
        QVERIFY(!QFile::exists(kIcon));
    }

    void exportsOnlyTheEntry()
    {
        const QString nm = QStandardPaths::findExecutable(QStringLiteral("nm"));
        if (nm.isEmpty())
            QSKIP("nm is not installed");
        QProcess process;
        process.start(nm, {QStringLiteral("-D"), QStringLiteral("--defined-only"), kModule});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);

        QStringList symbols;
        const QStringList lines =
            QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            if (!line.isEmpty())
                symbols << line.section(QLatin1Char(' '), 1);
        }
        QCOMPARE(symbols, QStringList{QStringLiteral("T markerplugin")});
    }
};

MARKER_TEST(tst_markerplugin)
#include "tst_markerplugin.moc"
