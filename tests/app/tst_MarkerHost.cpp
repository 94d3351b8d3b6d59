#include "app/HostTestMarker.h"

#include "TestMain.h"
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace VelSystem;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the built host beside this test, offscreen.
Run runHost(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/markerhost"), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

bool contains(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class tst_MarkerHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        QVERIFY2(QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/markerhost")),
                 "build markerhost first");
    }

    void screenshotsShowTheBundledSamples()
    {
        const QDir samples(QStringLiteral(MARKER_SOURCE_DIR "/samples"));
        const QStringList files = samples.entryList({QStringLiteral("*.mak")}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            const QImage image = screenshotOf(samples.filePath(name));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QVERIFY(image.width() >= 800 && image.height() >= 600);
            // Not blank: the areas, the pieces, the labels and the window's own widgets.
            QVERIFY2(colourCount(image) > 30, qPrintable(name));
            QVERIFY(contains(image, QColor(255, 252, 240))); // fabric area
            QVERIFY(contains(image, QColor(226, 232, 240))); // standby area
        }
    }

    void aFileThatFailsToLoadIsReported()
    {
        const QString broken = mDir.filePath(QStringLiteral("broken.mak"));
        QVERIFY(HostTest::writeFile(broken, "{\"format\": \"marker\", \"version\": "));
        const QString png = mDir.filePath(QStringLiteral("broken.png"));
        const Run run = runHost({QStringLiteral("--screenshot"), png, broken});
        QVERIFY(run.exitCode > 0);
        QVERIFY2(run.err.contains(QStringLiteral("broken.mak")), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(png));

        const Run missing =
            runHost({QStringLiteral("--screenshot"), png, mDir.filePath(QStringLiteral("none.mak"))});
        QVERIFY(missing.exitCode > 0);
        QVERIFY2(missing.err.contains(QStringLiteral("none.mak")), qPrintable(missing.err));
    }

    void aBadCommandLineIsRefused()
    {
        const Run run = runHost({QStringLiteral("--scale"), QStringLiteral("wide"),
                                 QStringLiteral("--import"), QStringLiteral("shirts.json")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("\"wide\"")), qPrintable(run.err));
        const Run lonely = runHost({QStringLiteral("--screenshot"), mDir.filePath(QStringLiteral("x.png"))});
        QCOMPARE(lonely.exitCode, 2);
        const Run both = runHost({QStringLiteral("--screenshot"), mDir.filePath(QStringLiteral("x.png")),
                                  QStringLiteral("--script"), mDir.filePath(QStringLiteral("x.txt")),
                                  mDir.filePath(QStringLiteral("x.mak"))});
        QCOMPARE(both.exitCode, 2);
        const QString marker = mDir.filePath(QStringLiteral("x.mak"));
        for (const QStringList& bad :
             {QStringList{QStringLiteral("--lay")},
              QStringList{QStringLiteral("--lay"), QStringLiteral("--seconds"), QStringLiteral("0"), marker},
              QStringList{QStringLiteral("--save"), marker, QStringLiteral("--script"), marker, marker}})
            QCOMPARE(runHost(bad).exitCode, 2);
    }

    // The batch command line lays the waiting waistband, saves and tells the new figures.
    void batchLayingSavesTheLaidMarker()
    {
        const QString marker = HostTest::writeTestMarker(QDir(mDir.path()));
        const QString laid = mDir.filePath(QStringLiteral("laid.mak"));
        const Run run = runHost({QStringLiteral("--lay"), QStringLiteral("--seconds"), QStringLiteral("1"),
                                 QStringLiteral("--save"), laid, marker});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(QRegularExpression(QStringLiteral("^Length: 53\\.00 cm, Utilization: \\d+\\.\\d\\d %$"))
                     .match(run.out)
                     .hasMatch(),
                 qPrintable(run.out));
        QString error;
        const boost::shared_ptr<DocumentMak> saved = MarkerFile::load(laid, &error);
        QVERIFY2(saved, qPrintable(error));
        const QListEx<CDbGrPolysObject*> groups = saved->groups(saved->drawing()->getCurrentFabric(), 0);
        QCOMPARE(groups.size(), 4);
        for (const CDbGrPolysObject* group : groups)
            QCOMPARE(group->section(), short(CDbGrPolysObject::SectionFabric));
    }

    void aScriptedSessionSwitchesToolsWithShortcutKeys()
    {
        const QString marker = HostTest::writeTestMarker(QDir(mDir.path()));
        const QString png = mDir.filePath(QStringLiteral("session.png"));
        const QString script =
            writeScript(QStringLiteral("keys.txt"), QStringLiteral("# the pointer to start with\n"
                                                                   "expect tool select\n"
                                                                   "tool ruler\n"
                                                                   "key-press Control\n"
                                                                   "expect tool select\n"
                                                                   "key-press Space\n"
                                                                   "expect tool zoom\n"
                                                                   "expect instructions Zoom In:\n"
                                                                   "key-release Space\n"
                                                                   "key-release Control\n"
                                                                   "expect tool ruler\n"
                                                                   "key-press Space\n"
                                                                   "expect tool handgrip\n"
                                                                   "key-release Space\n"
                                                                   "expect tool ruler\n"
                                                                   "screenshot ") +
                                                        png + QLatin1Char('\n'));
        // The script's own checks name the tool each key selects.
        const Run run = runHost({QStringLiteral("--script"), script, marker});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(!QImage(png).isNull());
    }

    void theDocumentedExampleRuns()
    {
        QFile doc(QStringLiteral(MARKER_SOURCE_DIR "/docs/scripting.md"));
        QVERIFY(doc.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(doc.readAll());
        const int start = text.indexOf(QStringLiteral("## Example"));
        QVERIFY(start >= 0);
        QStringList steps;
        for (const QString& line : text.mid(start).split(QLatin1Char('\n'))) {
            if (line.startsWith(QStringLiteral("    ")))
                steps << line.mid(4).replace(QStringLiteral("/tmp/"), mDir.path() + QLatin1Char('/'));
        }
        QVERIFY(steps.size() > 5);
        const QString script = writeScript(QStringLiteral("example.txt"), steps.join(QLatin1Char('\n')));
        const Run run = runHost({QStringLiteral("--script"), script,
                                 QStringLiteral(MARKER_SOURCE_DIR "/samples/trousers-sample.mak")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QVERIFY(QFileInfo::exists(mDir.filePath(QStringLiteral("pockets.png"))));
    }

    // What each outcome means to a caller; the messages are the parser's and the runner's.
    void aScriptThatCannotRunExitsWithItsCode()
    {
        const QString marker = HostTest::writeTestMarker(QDir(mDir.path()));
        const QString unreadable =
            writeScript(QStringLiteral("unreadable.txt"), QStringLiteral("tool zoom\n\npress 10 ten\n"));
        const Run bad = runHost({QStringLiteral("--script"), unreadable, marker});
        QCOMPARE(bad.exitCode, 2);
        QVERIFY2(bad.err.contains(unreadable + QStringLiteral(":3: ")), qPrintable(bad.err));
        QVERIFY(bad.out.isEmpty());

        const QString failing = writeScript(QStringLiteral("failing.txt"),
                                            QStringLiteral("tool zoom\nexpect tool ruler\ntool ruler\n"));
        const Run failed = runHost({QStringLiteral("--script"), failing, marker});
        QCOMPARE(failed.exitCode, 1);
        QVERIFY2(failed.err.contains(failing + QStringLiteral(":2: ")), qPrintable(failed.err));

        const Run missing =
            runHost({QStringLiteral("--script"), mDir.filePath(QStringLiteral("none.txt")), marker});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY2(missing.err.contains(QStringLiteral("none.txt")), qPrintable(missing.err));
    }

    void aMissingPluginIsReportedAndTheViewerStillWorks()
    {
        const QString marker = HostTest::writeTestMarker(QDir(mDir.path()));
        const QString nowhere = mDir.filePath(QStringLiteral("gone/markerplugin.so"));
        const QString png = mDir.filePath(QStringLiteral("no-tools.png"));
        const Run run =
            runHost({QStringLiteral("--plugin"), nowhere, QStringLiteral("--screenshot"), png, marker});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.err.contains(nowhere), qPrintable(run.err));
        const QImage image(png);
        QVERIFY(!image.isNull());
        QVERIFY(contains(image, QColor(255, 252, 240))); // the marker is shown all the same

        const QString script =
            writeScript(QStringLiteral("no-tools.txt"), QStringLiteral("wheel 120 10 10\ntool select\n"));
        const Run scripted =
            runHost({QStringLiteral("--plugin"), nowhere, QStringLiteral("--script"), script, marker});
        QCOMPARE(scripted.exitCode, 1);
        QVERIFY2(scripted.err.contains(script + QStringLiteral(":2: no tool plug-in is loaded")),
                 qPrintable(scripted.err));
    }

private:
    // Checks a screenshot run of `file`; returns the image.
    QImage screenshotOf(const QString& file)
    {
        const QString png = mDir.filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".png"));
        const Run run = runHost({QStringLiteral("--screenshot"), png, file});
        if (run.exitCode != 0 || run.out != png) {
            qWarning().noquote() << "markerhost exited with" << run.exitCode << run.err;
            return QImage();
        }
        return QImage(png);
    }

    // Writes `steps` to a script file in the temporary folder and returns its path.
    QString writeScript(const QString& name, const QString& steps)
    {
        const QString path = mDir.filePath(name);
        return HostTest::writeFile(path, steps.toUtf8()) ? path : QString();
    }

    QTemporaryDir mDir;
};

MARKER_TEST(tst_MarkerHost)
#include "tst_MarkerHost.moc"
