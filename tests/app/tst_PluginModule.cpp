#include "PluginModule.h"
#include "app/HostTestMarker.h"

#include "VelGui/ToolFactory.h"

#include "TestMain.h"
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace VelSystem;

class tst_PluginModule : public QObject
{
    Q_OBJECT

private slots:
    void loadsTheModuleBesideTheProgram()
    {
        // The tests are built into the same folder as the host and its plug-in.
        PluginModule module;
        QString error;
        QVERIFY2(module.load(PluginModule::defaultPath(), &error), qPrintable(error));
        QVERIFY(module.factory());
        module.unload();
        QVERIFY(!module.factory());
    }

    void aMissingModuleIsRefused()
    {
        PluginModule module;
        QString error;
        QVERIFY(!module.load(QStringLiteral("/nowhere/markerplugin.so"), &error));
        QVERIFY2(error.contains(QStringLiteral("/nowhere/markerplugin.so")) &&
                     error.contains(QStringLiteral("not found")),
                 qPrintable(error));
        QVERIFY(!module.factory());
    }

    void aFileThatIsNoModuleIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("markerplugin.so"));
        QVERIFY(HostTest::writeFile(path, "not a module"));
        PluginModule module;
        QString error;
        QVERIFY(!module.load(path, &error));
        QVERIFY2(error.contains(QStringLiteral("could not be loaded")), qPrintable(error));
        QVERIFY(!module.factory());
    }

    void aLibraryWithoutTheEntryIsRefused()
    {
        // Any of the host's own libraries loads, but exports no markerplugin.
        const QString library = QCoreApplication::applicationDirPath() + QStringLiteral("/libVelGeo.so");
        QVERIFY(QFile::exists(library));
        PluginModule module;
        QString error;
        QVERIFY(!module.load(library, &error));
        QVERIFY2(error.contains(QStringLiteral("does not export markerplugin")), qPrintable(error));
        QVERIFY(!module.factory());
    }
};

MARKER_TEST(tst_PluginModule)
#include "tst_PluginModule.moc"
