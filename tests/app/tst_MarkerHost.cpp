#include "app/HostTestMarker.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
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
    void initTestCase();
    void screenshotShowsTheMarker();
    void bundledSamplesOpen();
    void aFileThatFailsToLoadIsReported();
    void aBadCommandLineIsRefused();

private:
    // Checks a screenshot run of `file`; returns the image.
    QImage screenshotOf(const QString& file);
    QTemporaryDir mDir;
};

void tst_MarkerHost::initTestCase()
{
    QVERIFY(mDir.isValid());
    QVERIFY2(QFileInfo::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/markerhost")),
             "build markerhost first");
}

QImage tst_MarkerHost::screenshotOf(const QString& file)
{
    const QString png = mDir.filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".png"));
    const Run run = runHost({QStringLiteral("--screenshot"), png, file});
    if (run.exitCode != 0 || run.out != png) {
        qWarning().noquote() << "markerhost exited with" << run.exitCode << run.err;
        return QImage();
    }
    return QImage(png);
}

void tst_MarkerHost::screenshotShowsTheMarker()
{
    const QString file = HostTest::writeTestMarker(QDir(mDir.path()));
    QVERIFY(!file.isEmpty());
    const QImage image = screenshotOf(file);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() >= 800 && image.height() >= 600);
    // Not blank: the areas, the pieces, the labels and the window's own widgets.
    QVERIFY(colourCount(image) > 30);
    QVERIFY(contains(image, QColor(255, 252, 240))); // fabric area
    QVERIFY(contains(image, QColor(226, 232, 240))); // standby area
}

void tst_MarkerHost::bundledSamplesOpen()
{
    const QDir samples(QStringLiteral(MARKER_SOURCE_DIR "/samples"));
    const QStringList files = samples.entryList({QStringLiteral("*.mak")}, QDir::Files);
    for (const QString& name : files) {
        const QImage image = screenshotOf(samples.filePath(name));
        QVERIFY2(!image.isNull(), qPrintable(name));
        QVERIFY2(colourCount(image) > 30, qPrintable(name));
    }
}

void tst_MarkerHost::aFileThatFailsToLoadIsReported()
{
    const QString broken = mDir.filePath(QStringLiteral("broken.mak"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"marker\", \"version\": ");
    file.close();
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

void tst_MarkerHost::aBadCommandLineIsRefused()
{
    const Run run = runHost({QStringLiteral("--scale"), QStringLiteral("wide"), QStringLiteral("--import"),
                             QStringLiteral("shirts.json")});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("\"wide\"")), qPrintable(run.err));
    const Run lonely = runHost({QStringLiteral("--screenshot"), mDir.filePath(QStringLiteral("x.png"))});
    QCOMPARE(lonely.exitCode, 2);
}

QTEST_MAIN(tst_MarkerHost)
#include "tst_MarkerHost.moc"
