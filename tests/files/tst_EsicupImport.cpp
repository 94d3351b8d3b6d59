#include "geo/GeoTestPrint.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/EsicupImport.h"
#include "laystore/file/MarkerFile.h"

#include "TestMain.h"
#include <QFile>
#include <QUndoStack>
#include <QtTest>
#include <cmath>
#include <limits>

using namespace VelSystem;

namespace {

const QString kTrousers = QStringLiteral(MARKER_DATASETS_DIR "/esicup/trousers.json");

const CDbFabricLayerObject& firstLayer(const DocumentMak& document)
{
    return (*document.drawing()->fabric(0)->layers())[0];
}

// Two items: a triangle written closed (its first point repeated) and an open square.
const QByteArray kSmall = R"({
  "name": "small", "strip_height": 10,
  "items": [
    {"id": 4, "demand": 2, "allowed_orientations": [0, -90, 540],
     "shape": {"type": "simple_polygon", "data": [[5, 5], [9, 5], [5, 8], [5, 5]]}},
    {"id": 7, "demand": 1, "allowed_orientations": [0],
     "shape": {"type": "simple_polygon", "data": [[-1, -1], [1, -1], [1, 1], [-1, 1]]}}
  ]
})";

QByteArray smallWith(const char* from, const char* to)
{
    QByteArray bytes = kSmall;
    const int at = bytes.indexOf(from);
    Q_ASSERT(at >= 0);
    return bytes.replace(at, int(qstrlen(from)), to);
}

} // namespace

class tst_EsicupImport : public QObject
{
    Q_OBJECT
private slots:
    void trousersWaitInTheStandbyAreaAtAnyScale()
    {
        if (!QFile::exists(kTrousers))
            QSKIP(qPrintable(QStringLiteral("the nesting instances are not at %1").arg(kTrousers)));
        QString error;
        const auto document = EsicupImport::load(kTrousers, 1.0, &error);
        QVERIFY2(document, qPrintable(error));
        QCOMPARE(document->undoStack()->count(), 0);
        QVERIFY(!document->isModified());
        const CDbMarkerDrawing& drawing = *document->drawing();
        QCOMPARE(drawing.fabricCount(), short(1));
        QCOMPARE(drawing.fabric(0)->name(), QStringLiteral("trousers"));
        QCOMPARE(drawing.fabric(0)->pieceCount(), short(17));
        const CDbFabricLayerObject& layer = firstLayer(*document);
        QCOMPARE(layer.width(), 79.0);
        const auto groups = layer.groups();
        QCOMPARE(groups.size(), 64);
        for (int i = 0; i < groups.size(); ++i) {
            const GeoRectangle box = groups[i]->boundingRect();
            QCOMPARE(groups[i]->section(), short(CDbGrPolysObject::SectionStandby));
            QVERIFY2(box.xmin >= 0.0 && box.ymin >= 79.0 && box.ymax <= 158.0,
                     qPrintable(QString::number(i)));
            for (int j = 0; j < i; ++j) {
                const GeoRectangle other = groups[j]->boundingRect();
                const bool apart = box.xmin >= other.xmax || other.xmin >= box.xmax ||
                                   box.ymin >= other.ymax || other.ymin >= box.ymax;
                QVERIFY2(apart, qPrintable(QStringLiteral("groups %1 and %2 overlap").arg(j).arg(i)));
            }
        }

        // Doubled, every coordinate doubles.
        const auto doubled = EsicupImport::load(kTrousers, 2.0, &error);
        QVERIFY2(doubled, qPrintable(error));
        QCOMPARE(firstLayer(*doubled).width(), 158.0);
        const auto twice = firstLayer(*doubled).groups();
        QCOMPARE(twice.size(), groups.size());
        for (int g = 0; g < groups.size(); ++g) {
            const CDbVectorsObjectTable& pa = groups[g]->polygon(0).pieceOutline();
            const CDbVectorsObjectTable& pb = twice[g]->polygon(0).pieceOutline();
            QCOMPARE(pb.size(), pa.size());
            for (int i = 0; i < pa.size(); ++i)
                QVERIFY2(GeoPoint2D(pb[i]) == pa[i] * 2.0,
                         qPrintable(QStringLiteral("group %1 point %2").arg(g).arg(i)));
        }
    }

    void piecesKeepTheirShapeAndDemand()
    {
        QString error;
        const auto document = EsicupImport::fromJson(kSmall, QStringLiteral("small.json"), 3.0, &error);
        QVERIFY2(document, qPrintable(error));
        const CDbFabricObject& fabric = *document->drawing()->fabric(0);
        QCOMPARE(fabric.pieceCount(), short(2));
        const CDbPieceObject& triangle = *fabric.piece(0);
        QCOMPARE(triangle.info().pieceCode(), QStringLiteral("4"));
        QCOMPARE(triangle.allowedRotations(), (std::vector<double>{0.0, 270.0, 180.0}));
        QCOMPARE(triangle.getNumberOfSizes(), short(1));
        // Closing point dropped, scaled, min corner at the origin.
        const CDbVectorsObjectTable& outline = triangle.getPieceSize(0)->outline();
        QCOMPARE(outline.size(), 3);
        QCOMPARE(GeoPoint2D(outline[0]), GeoPoint2D(0, 0));
        QCOMPARE(GeoPoint2D(outline[1]), GeoPoint2D(12, 0));
        QCOMPARE(GeoPoint2D(outline[2]), GeoPoint2D(0, 9));
        QCOMPARE(fabric.piece(1)->getPieceSize(0)->outline().size(), 4);

        const auto groups = firstLayer(*document).groups();
        QCOMPARE(groups.size(), 3);
        QCOMPARE(groups[0]->polygon(0).pieceIndex(), short(0));
        QCOMPARE(groups[1]->polygon(0).pieceIndex(), short(0));
        QCOMPARE(groups[2]->polygon(0).pieceIndex(), short(1));
        // Each group is its piece's outline moved to its place.
        for (const CDbGrPolysObject* group : groups) {
            const CDbVectorsObjectTable& placed = group->polygon(0).pieceOutline();
            const CDbVectorsObjectTable& own =
                fabric.piece(group->polygon(0).pieceIndex())->getPieceSize(0)->outline();
            const GeoPoint2D offset = placed.boundingRect().leftBottom();
            for (int i = 0; i < own.size(); ++i)
                QCOMPARE(GeoPoint2D(placed[i]), GeoPoint2D(own[i]) + offset);
        }
    }

    void importedMarkerSavesAndLoads()
    {
        QString error;
        const auto imported = EsicupImport::fromJson(kSmall, QStringLiteral("small.json"), 1.0, &error);
        QVERIFY2(imported, qPrintable(error));
        const QByteArray bytes = MarkerFile::toJson(*imported);
        const auto loaded = MarkerFile::fromJson(bytes, QStringLiteral("small.mak"), &error);
        QVERIFY2(loaded, qPrintable(error));
        QCOMPARE(MarkerFile::toJson(*loaded), bytes);
    }

    void badInstanceIsReportedWithItsPlace_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << QByteArray("name: small") << "line 1, column 1: illegal value";
        QTest::newRow("no name") << smallWith("\"name\": \"small\",", "")
                                 << "name: missing (expected a string)";
        QTest::newRow("negative strip") << smallWith("\"strip_height\": 10", "\"strip_height\": -10")
                                        << "strip_height: expected a positive number";
        QTest::newRow("no items") << smallWith("\"items\": [", "\"items\": [], \"x\": [")
                                  << "items: too few items: expected at least 1";
        QTest::newRow("point of one number")
            << smallWith("[9, 5]", "[9]") << "items[0].shape.data[1]: expected [x, y]";
        QTest::newRow("point as text")
            << smallWith("[9, 5]", "[9, \"5\"]") << "items[0].shape.data[1]: expected [x, y]";
        QTest::newRow("point as object")
            << smallWith("[1, 1]", "{\"x\": 1, \"y\": 1}") << "items[1].shape.data[2]: expected [x, y]";
        QTest::newRow("two points and the closing one")
            << smallWith("[9, 5], [5, 8], [5, 5]", "[9, 5], [5, 5]")
            << "items[0].shape.data: expected a polygon of at least 3 points";
        QTest::newRow("other shape") << smallWith("\"simple_polygon\", \"data\": [[-1",
                                                  "\"circle\", \"data\": [[-1")
                                     << "items[1].shape.type: expected \"simple_polygon\"";
        QTest::newRow("negative demand") << smallWith("\"demand\": 1", "\"demand\": -1")
                                         << "items[1].demand: expected an integer from 0 to 100000";
        QTest::newRow("too many pieces in all") << smallWith("\"demand\": 1", "\"demand\": 99999")
                                                << "items[1].demand: more than 100000 pieces in all";
        QTest::newRow("no orientation")
            << smallWith("[0],", "[],")
            << "items[1].allowed_orientations: too few orientations: expected at least 1";
        QTest::newRow("higher than the standby area")
            << smallWith("[5, 8]", "[5, 15]")
            << "items[0].shape: the piece is 10 high; the standby area holds "
               "pieces up to 9.8 high";
        QTest::newRow("beyond the coordinate limit")
            << smallWith("[9, 5]", "[1e7, 5]")
            << "items[0].shape.data[1][0]: expected a number within 1000000 cm "
               "of 0 once scaled by 1";
        // Found by fuzzing: imported, neither could be saved.
        const char* const square = "[[-1, -1], [1, -1], [1, 1], [-1, 1]]";
        QTest::newRow("wider than a marker holds")
            << smallWith(square, "[[-900000, -1], [900000, -1], [900000, 1], [-900000, 1]]")
            << "items[1].shape.data: the shape is 1800000 cm across once scaled by 1; a marker holds up to "
               "1000000 cm";
        QTest::newRow("laid out beyond what a marker holds")
            << smallWith(square, "[[0, 0], [600000, 0], [600000, 5], [0, 5]]")
                   .replace("\"id\": 7, \"demand\": 1", "\"id\": 7, \"demand\": 2")
            << "items: laid out in the standby area, the pieces reach 1200008 cm; a marker holds up to "
               "1000000 cm";
    }

    void badInstanceIsReportedWithItsPlace()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QString error;
        QVERIFY(!EsicupImport::fromJson(bytes, QStringLiteral("small.json"), 1.0, &error));
        QCOMPARE(error, QStringLiteral("small.json: ") + message);
    }

    void badScaleIsRefused()
    {
        QString error;
        for (double scale : {0.0, -2.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
            error.clear();
            QVERIFY(!EsicupImport::fromJson(kSmall, QStringLiteral("small.json"), scale, &error));
            QVERIFY2(
                error.startsWith(QStringLiteral("small.json: the scale must be a positive number, not ")),
                qPrintable(error));
        }
        // A scale that throws the strip beyond the largest marker.
        QVERIFY(!EsicupImport::fromJson(kSmall, QStringLiteral("small.json"), 1e6, &error));
        QCOMPARE(error,
                 QStringLiteral("small.json: strip_height: expected a number within 1000000 cm of 0 once "
                                "scaled by 1e+06"));
    }
};

MARKER_TEST(tst_EsicupImport)
#include "tst_EsicupImport.moc"
