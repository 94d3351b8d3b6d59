#include "app/HostTestMarker.h"

#include "laystore/CDbPunchHoleObject.h"
#include "laystore/file/HpglExport.h"

#include "TestMain.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace VelSystem;

namespace {

// What hp2xx, a reader we did not write, makes of a cutter's file: its log's coordinate range
// (plotter units) and the pens used; empty when it failed.
QString hp2xxLog(const QString& path, const QTemporaryDir& dir)
{
    QProcess hp2xx;
    hp2xx.start(QStringLiteral("hp2xx"), {QStringLiteral("-m"), QStringLiteral("hpgl"), QStringLiteral("-f"),
                                          dir.filePath(QStringLiteral("out.hpgl")), QStringLiteral("-l"),
                                          dir.filePath(QStringLiteral("log.txt")), path});
    if (!hp2xx.waitForFinished(30000) || hp2xx.exitCode() != 0)
        return QString();
    QFile log(dir.filePath(QStringLiteral("log.txt")));
    return log.open(QIODevice::ReadOnly) ? QString::fromLatin1(log.readAll()) : QString();
}

} // namespace

class tst_HpglExport : public QObject
{
    Q_OBJECT

private slots:
    // The drawn extent of the test marker's cutter's file, as hp2xx reads it, is the marker's:
    // from the fabric's edge to the marker's length, in 40 units a millimetre; knife, punch
    // and notch pens all used.
    void hp2xxDrawsTheMarkersExtent()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("hp2xx")).isEmpty())
            QSKIP("hp2xx is not installed (scripts/bootstrap installs it)");
        LaystoreTest::Marker marker;
        HostTest::fillTestMarker(marker);
        marker.document->addPiece(new CDbPunchHoleObject({45, 60}), marker.fabric, 0);
        marker.document->groups(marker.fabric, 0).first()->setConvertNotch(true);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("marker.plt"));
        QString error;
        QVERIFY2(HpglExport::save(*marker.document, path, &error), qPrintable(error));
        const QString log = hp2xxLog(path, dir);
        const QRegularExpressionMatch range =
            QRegularExpression(
                QStringLiteral("Coordinate range: \\((\\S+), (\\S+)\\) \\.\\.\\. \\((\\S+), (\\S+)\\)"))
                .match(log);
        QVERIFY2(range.hasMatch(), qPrintable(log));
        QCOMPARE(range.captured(3).toDouble(), HostTest::kMarkerLength * HpglExport::kUnitsPerCm);
        QVERIFY(range.captured(2).toDouble() >= 0.0);
        QVERIFY(range.captured(4).toDouble() <= LaystoreTest::kLayerWidth * HpglExport::kUnitsPerCm);
        QVERIFY2(log.contains(QStringLiteral("Pens used: 1 2 3")), qPrintable(log));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readLine(), QByteArray("CO\"Marker length 53.00 cm\";\n"));
    }

    // An empty marker gives a file with its header and nothing to cut; a file that cannot be
    // written is reported and leaves nothing behind.
    void emptyMarkerAndUnwritableFile()
    {
        LaystoreTest::Marker marker;
        QCOMPARE(HpglExport::toHpgl(*marker.document),
                 QByteArray("CO\"Marker length 0.00 cm\";\nIN;\nPU;\nSP0;\n"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/marker.plt"));
        QString error;
        QVERIFY(!HpglExport::save(*marker.document, path, &error));
        QVERIFY2(error.startsWith(QStringLiteral("marker.plt was not exported: ")), qPrintable(error));
        QVERIFY(!QFile::exists(path));
    }
};

MARKER_TEST(tst_HpglExport)
#include "tst_HpglExport.moc"
