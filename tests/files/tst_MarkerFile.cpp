#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbPunchHoleObject.h"
#include "laystore/CDbTextObject.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/MarkerFile.h"

#include "laystore/ops/CDbAngleCutHelper.h"
#include "laystore/ops/CDbCutDownHelper.h"

#include "TestMain.h"
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>
#include <random>
#include <sys/resource.h>

using namespace VelSystem;

namespace {

CDbVectorsObjectTable outline(const std::vector<GeoPoint2D>& points)
{
    CDbVectorsObjectTable t;
    for (const GeoPoint2D& p : points)
        t.append(CDbMarkerPointObject(p));
    return t;
}

// A marker using every part of the format, with coordinates that print badly in decimal.
boost::shared_ptr<DocumentMak> richDocument()
{
    auto document = boost::shared_ptr<DocumentMak>(new DocumentMak);
    CDbMarkerDrawing& drawing = *document->drawing();
    drawing.setName(QStringLiteral("Trousers – été"));
    drawing.setLockFlags(CDbMarkerDrawing::LockPlacement | CDbMarkerDrawing::LockMatching);

    CDbFabricObject& denim = drawing.addFabric();
    denim.setName(QStringLiteral("Denim"));
    denim.setColour(QColor(59, 91, 146));
    denim.setPlaidRepeat(12.5, 1.0 / 3.0);
    denim.setPlaidOffset(-0.1, 4.0);
    CDbPieceObject front;
    front.info().setPatternNo(QStringLiteral("T-01"));
    front.info().setName(QStringLiteral("Front"));
    front.info().setDescription(QStringLiteral("left \"and\" right"));
    front.info().setPieceCode(QStringLiteral("F"));
    front.info().setReferenceCode(QStringLiteral("R7"));
    front.info().setMarkerId(QStringLiteral("M1"));
    front.info().setFabricId(QStringLiteral("D"));
    front.setVELPieceQuantity(2);
    front.setVELPieceSingle(false);
    front.setAllowedRotations({0.0, 90.0, 180.0, 359.5});
    CDbVectorsObjectTable frontOutline =
        outline({{0, 0}, {0.1 + 0.2, 1.0 / 3.0}, {100.0 / 7.0, 20}, {1e-7, 30}});
    frontOutline[1].setType(CDbMarkerPointObject::Notch);
    frontOutline[1].setNotchState(CDbMarkerPointObject::NotchConverted);
    frontOutline[2].setType(CDbMarkerPointObject::Curve);
    frontOutline[2].setFeatures(PointFeature::MatchPoint | PointFeature::LiftPlunge |
                                PointFeature::InternalStart);
    frontOutline[3].setType(CDbMarkerPointObject::Corner);
    frontOutline[3].setNotchState(CDbMarkerPointObject::NotchCut);
    frontOutline[3].setFeatures(PointFeature::LinkVector | PointFeature::StartPoint |
                                PointFeature::SymmetricalCut);
    for (const char* name : {"S", "M"}) {
        CDbPieceSizeObject size;
        size.setName(QLatin1String(name));
        size.setOutline(frontOutline);
        size.setGrainLine({2, M_PI}, {12, M_PI});
        front.addSize(size);
        frontOutline.translate({0.5, 0.25});
    }
    denim.addPiece(front);
    CDbPieceObject pocket;
    CDbPieceSizeObject pocketSize;
    pocketSize.setOutline(outline({{0, 0}, {20, 0}, {20, 15}, {0, 15}}));
    pocketSize.addInternalSegment(
        CDbInternalSegment(CDbInternalSegment::DrillLine, outline({{5, 7.5}, {10, 7.5}, {15, 7.5}})));
    pocket.addSize(pocketSize);
    denim.addPiece(pocket);

    denim.addLayer(150.0);
    denim.addLayer(1.0 / 7.0);

    // Laid: a turned, mirrored, ranked piece with a blocking contour over its outline.
    auto* laid = new CDbGrPolysObject;
    CDbPolygon polygon;
    polygon.setPieceIndex(0);
    polygon.setSizeIndex(1);
    CDbVectorsObjectTable placed = front.getPieceSize(1)->outline();
    placed.translate({10.0 / 3.0, 40.1});
    polygon.contours().addContour(placed);
    polygon.contours().addContour(outline({{3, 39}, {30, 39}, {30, 80}, {3, 80}}),
                                  CDbContourObject::Blocking);
    polygon.setGrainLine({5, 50}, {15, 50.000000000000007});
    polygon.setOrientation(37.25, true, false);
    polygon.setPolygonCutRank(3);
    polygon.blocking().setBlockingKind(CDbBlockingObject::Single);
    polygon.blocking().setBlockingStatus(CDbBlockingObject::ByHand);
    polygon.blocking().setManualEditMark(true);
    polygon.blocking().setEdgeSnap(true, 150.0);
    CDbVectorsObjectTable dart = outline({{6, 45}, {8, 55}, {10, 45}});
    dart[1].setFeatures(PointFeature::InternalStart);
    polygon.addInternalSegment(CDbInternalSegment(CDbInternalSegment::Dart, dart));
    polygon.addInternalSegment(
        CDbInternalSegment(CDbInternalSegment::PocketMark, outline({{5, 60}, {9, 60}})));
    polygon.contours().lastContour()[1].setFeatures(PointFeature::SymmetricalEnd);
    laid->addPolygon(polygon);
    CDbPolygon block;
    block.setBlocking(true);
    block.contours().addContour(outline({{40, 10}, {60, 10}, {60, 30}}), CDbContourObject::Blocking);
    block.blocking().setBlockingKind(CDbBlockingObject::Fusion);
    block.blocking().setFusionState(2);
    laid->addPolygon(block);
    laid->setBlockingFusionIndex(1);
    laid->setContourEditFlag(true);
    laid->setManualEditMark(true);
    document->addPiece(laid, &denim, 0);

    auto* text = new CDbTextObject;
    text->setLines({QStringLiteral("Trousers"), QStringLiteral("S – M")});
    text->setLetterSize(25);
    text->setAlignment(Qt::AlignRight);
    text->setAngle(-270.0);
    text->setWorkSection(2);
    text->setCenter({300.123456789, 200.5});
    document->addPiece(text, &denim, 0);

    // Waiting: a mirrored pocket.
    auto* waiting = new CDbGrPolysObject;
    CDbPolygon pocketPolygon;
    pocketPolygon.setPieceIndex(1);
    pocketPolygon.contours().addContour(outline({{0, 160}, {20, 160}, {20, 175}, {0, 175}}));
    pocketPolygon.setOrientation(0.0, false, true);
    waiting->addPolygon(pocketPolygon);
    document->addPiece(waiting, &denim, 0);

    // A cut-down pair of pockets, and a pocket cut in two at an angle.
    const auto pocketAt = [](double x) {
        auto* group = new CDbGrPolysObject;
        CDbPolygon p;
        p.setPieceIndex(1);
        p.contours().addContour(outline({{x, 60}, {x + 20, 60}, {x + 20, 75}, {x, 75}}));
        group->addPolygon(p);
        return group;
    };
    CDbGrPolysObject* first = pocketAt(100.0);
    CDbGrPolysObject* second = pocketAt(130.0);
    document->addPiece(first, &denim, 0);
    document->addPiece(second, &denim, 0);
    CDbCutDownHelper::Code code = CDbCutDownHelper::Success;
    document->addPiece(
        CDbCutDownHelper::makePair(*first, *second, CDbCutDownObject(2, 1.0 / 3.0, 0, -2.5), 150.0, &code)
            .release(),
        &denim, 0);
    document->removePiece(first, &denim, 0);
    document->removePiece(second, &denim, 0);
    delete first;
    delete second;
    CDbAngleCutHelper::Code cutCode = CDbAngleCutHelper::Success;
    std::unique_ptr<CDbGrPolysObject> whole(pocketAt(200.0));
    auto parts = CDbAngleCutHelper::cutWithAngle(*whole, {210.0, 65.0}, 30.0, 0.5, &cutCode);
    document->addPiece(parts.second.release(), &denim, 0);

    auto* line = new CDbLineObject;
    line->setPoints({0, 0.05}, {-12.5, 0.075});
    line->setText(QStringLiteral("end"));
    document->addPiece(line, &denim, 1);
    document->addPiece(new CDbPunchHoleObject({70.5, 0.0625}), &denim, 1);

    // The size plan: the denim's sizes as columns, M's two garments paired with each other; the
    // lining's two pieces paired in the chart.
    CDbDisplaySizeObject small;
    small.quantity = 1;
    CDbDisplaySizeObject medium;
    medium.columnIndex = 1;
    medium.partnerIndex = 1;
    medium.quantity = 2;
    medium.sizeId = 1;
    medium.position = CDbCutDownObject(0, 0.0, 2, 0.0);
    denim.sizePlan().setColumns({small, medium});
    CDbFabricObject& lining = drawing.addFabric();
    lining.setName(QStringLiteral("Lining"));
    lining.addLayer(140.0);
    lining.addPiece(pocket);
    lining.addPiece(pocket);
    lining.sizePlan().setPiecePairs({{1, 0, CDbCutDownObject(2, -1.5, 1, 1.0 / 3.0)}});
    drawing.setCurrentFabricAndLayer(1, 0);

    // A link with every rule the link dialogs set, from a point of the front to the pocket's last,
    // and one from the front's first notch with no rule at all.
    CDbTwainLinkPiecesObject link;
    link.setEnds({0, 3, true}, {1, 4, true});
    link.setRules(CDbTwainLinkPiecesObject::IdenticalX | CDbTwainLinkPiecesObject::SymmetricalY |
                  CDbTwainLinkPiecesObject::OnLineY);
    link.setMatchPoint(true);
    link.setOffsets(1.5, -1.0 / 3.0);
    link.setMaxSwatchDistances(3.0, CDbTwainLinkPiecesObject::kNoSwatchLimit);
    CDbTwainLinkPiecesObjectTable* links = drawing.getLinkDoc()->links(0);
    links->add(link);
    link = CDbTwainLinkPiecesObject();
    link.setEnds({0, 1, false}, {1, 2, true});
    links->add(link);
    return document;
}

// The drawings of both documents hold the same data, object by object.
void compareDrawings(const DocumentMak& a, const DocumentMak& b)
{
    const CDbMarkerDrawing& da = *a.drawing();
    const CDbMarkerDrawing& db = *b.drawing();
    QCOMPARE(db.name(), da.name());
    QCOMPARE(db.lockFlags(), da.lockFlags());
    QCOMPARE(db.currentFabricIndex(), da.currentFabricIndex());
    QCOMPARE(db.currentLayer(), da.currentLayer());
    QCOMPARE(db.fabricCount(), da.fabricCount());
    for (short f = 0; f < da.fabricCount(); ++f) {
        const CDbFabricObject& fa = *da.fabric(f);
        const CDbFabricObject& fb = *db.fabric(f);
        QCOMPARE(fb.name(), fa.name());
        QCOMPARE(fb.colour(), fa.colour());
        QCOMPARE(fb.plaidRepeatX(), fa.plaidRepeatX());
        QCOMPARE(fb.plaidRepeatY(), fa.plaidRepeatY());
        QCOMPARE(fb.plaidOffsetX(), fa.plaidOffsetX());
        QCOMPARE(fb.plaidOffsetY(), fa.plaidOffsetY());
        const CDbTwainLinkPiecesObjectTable& linksA = *da.getLinkDoc()->links(f);
        const CDbTwainLinkPiecesObjectTable& linksB = *db.getLinkDoc()->links(f);
        QCOMPARE(linksB.size(), linksA.size());
        for (int n = 1; n <= linksA.size(); ++n)
            QVERIFY2(*linksB.link(n) == *linksA.link(n), qPrintable(QStringLiteral("link %1").arg(n)));
        QCOMPARE(fb.pieceCount(), fa.pieceCount());
        for (short p = 0; p < fa.pieceCount(); ++p)
            QVERIFY2(*fb.piece(p) == *fa.piece(p), qPrintable(QStringLiteral("piece %1").arg(p)));
        QCOMPARE(fb.layers()->size(), fa.layers()->size());
        for (short l = 0; l < fa.layers()->size(); ++l) {
            const CDbFabricLayerObject& la = (*fa.layers())[l];
            const CDbFabricLayerObject& lb = (*fb.layers())[l];
            QCOMPARE(lb.width(), la.width());
            QCOMPARE(lb.objects().size(), la.objects().size());
            for (int o = 0; o < la.objects().size(); ++o)
                QVERIFY2(lb.objects()[o]->sameContent(*la.objects()[o]),
                         qPrintable(QStringLiteral("fabric %1 layer %2 object %3").arg(f).arg(l).arg(o)));
        }
    }
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The smallest useful marker: one piece waiting in the standby area; every optional key omitted.
const QByteArray kMinimal = R"({
  "format": "marker", "version": 1,
  "fabrics": [{
    "pieces": [{"sizes": [{"outline": [{"x": 0, "y": 0}, {"x": 10, "y": 0}, {"x": 0, "y": 10}]}]}],
    "layers": [{"width": 150, "objects": [
      {"type": "group", "polygons": [{"piece": 0, "contours": [[{"x": 0, "y": 200}, {"x": 10, "y": 200}, {"x": 0, "y": 210}]]}]}
    ]}]
  }]
})";

QByteArray minimalWith(const char* from, const char* to)
{
    QByteArray bytes = kMinimal;
    const int at = bytes.indexOf(from);
    Q_ASSERT(at >= 0);
    return bytes.replace(at, int(qstrlen(from)), to);
}

// The minimal marker with a text before its group; `keys` follow the text's lines and centre.
QByteArray minimalWithText(const char* keys)
{
    return minimalWith("{\"type\": \"group\"",
                       QByteArray("{\"type\": \"text\", \"lines\": [\"A\"], \"centre\": {\"x\": 1, \"y\": 1}")
                           .append(keys)
                           .append("}, {\"type\": \"group\"")
                           .constData());
}

} // namespace

class tst_MarkerFile : public QObject
{
    Q_OBJECT
private slots:
    void savedAndLoadedExactlyAndClean()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rich.mak"));
        QString error;
        const auto original = richDocument();
        QVERIFY2(MarkerFile::save(*original, path, &error), qPrintable(error));
        QCOMPARE(readAll(path), MarkerFile::toJson(*original));
        const auto loaded = MarkerFile::load(path, &error);
        QVERIFY2(loaded, qPrintable(error));
        QCOMPARE(loaded->fileName(), path);
        QCOMPARE(loaded->undoStack()->count(), 0);
        QVERIFY(!loaded->isModified());
        compareDrawings(*original, *loaded);
        if (!QTest::currentTestFailed())
            QCOMPARE(MarkerFile::toJson(*loaded), readAll(path));
    }

    void doublesReadBackBitIdentical()
    {
        auto document = richDocument();
        CDbFabricObject* fabric = document->drawing()->fabric(0);
        std::mt19937_64 random(7);
        std::uniform_real_distribution<double> any(-1e6, 1e6);
        std::uniform_int_distribution<int> exponent(-60, 0);
        CDbVectorsObjectTable points;
        for (int i = 0; i < 2000; ++i)
            points.append(CDbMarkerPointObject(any(random), std::ldexp(any(random), exponent(random))));
        points.append(CDbMarkerPointObject(std::numeric_limits<double>::denorm_min(), 1e6));
        points.append(CDbMarkerPointObject(-1e6, std::nextafter(1.0, 2.0)));
        auto* group = new CDbGrPolysObject;
        CDbPolygon polygon;
        polygon.setPieceIndex(1);
        polygon.contours().addContour(points);
        group->addPolygon(polygon);
        document->addPiece(group, fabric, 0);

        QString error;
        const auto loaded =
            MarkerFile::fromJson(MarkerFile::toJson(*document), QStringLiteral("random.mak"), &error);
        QVERIFY2(loaded, qPrintable(error));
        const auto* back = qobject_cast<const CDbGrPolysObject*>(
            (*loaded->drawing()->fabric(0)->layers())[0].objects().last());
        QVERIFY(back);
        const CDbVectorsObjectTable& read = back->polygon(0).pieceOutline();
        QCOMPARE(read.size(), points.size());
        for (int i = 0; i < points.size(); ++i) {
            QVERIFY2(std::memcmp(&read[i].x, &points[i].x, sizeof(double)) == 0 &&
                         std::memcmp(&read[i].y, &points[i].y, sizeof(double)) == 0,
                     qPrintable(QStringLiteral("point %1").arg(i)));
        }
    }

    void handWrittenMinimalFileTakesDefaults()
    {
        QString error;
        const auto document = MarkerFile::fromJson(kMinimal, QStringLiteral("minimal.mak"), &error);
        QVERIFY2(document, qPrintable(error));
        const CDbFabricObject& fabric = *document->drawing()->fabric(0);
        const CDbPieceObject& piece = *fabric.piece(0);
        QCOMPARE(piece.getVELPieceQuantity(), short(1));
        QVERIFY(piece.getVELPieceSingle());
        QCOMPARE(piece.allowedRotations(), (std::vector<double>{0.0, 180.0}));
        QVERIFY(!piece.getPieceSize(0)->hasGrainLine());
        QVERIFY(!fabric.colour().isValid());
        const auto groups = fabric.layers()->operator[](0).groups();
        QCOMPARE(groups.size(), 1);
        QCOMPARE(groups[0]->section(), short(CDbGrPolysObject::SectionStandby));
        const CDbPolygon& polygon = groups[0]->polygon(0);
        QCOMPARE(polygon.sizeIndex(), short(0));
        QCOMPARE(polygon.pieceOutline()[0].type(), CDbMarkerPointObject::Normal);
        QCOMPARE(polygon.pieceOutline()[0].notchState(), CDbMarkerPointObject::NotchNone);
        QCOMPARE(polygon.pieceOutline()[0].features(), 0);
        QCOMPARE(document->drawing()->currentFabricIndex(), short(0));
        QCOMPARE(document->drawing()->lockFlags(), int(CDbMarkerDrawing::LockNone));
    }

    // A version-1 file keeps its rules (contours after the first were laid over the piece) and,
    // saved, becomes version 2 holding the same marker.
    void versionOneSavedAsVersionTwoKeepsEverything()
    {
        const QByteArray v1 = minimalWith(
            "]]}]}", "], [{\"x\": -1, \"y\": 199}, {\"x\": 12, \"y\": 199}, {\"x\": -1, \"y\": 212}]]}]}");
        QString error;
        const auto fromV1 = MarkerFile::fromJson(v1, QStringLiteral("v1.mak"), &error);
        QVERIFY2(fromV1, qPrintable(error));
        const CDbPolygon& polygon = fromV1->groups(fromV1->drawing()->fabric(0), 0).first()->polygon(0);
        QCOMPARE(polygon.contours().origin(1), CDbContourObject::Blocking);
        QCOMPARE(polygon.pieceOutline()[0], CDbMarkerPointObject(0, 200));
        QCOMPARE(fromV1->drawing()->getLinkDoc()->links(0)->size(), 0);

        const QByteArray v2 = MarkerFile::toJson(*fromV1);
        const QJsonObject root = QJsonDocument::fromJson(v2).object();
        QCOMPARE(root.value("version").toInt(), 2);
        const auto fromV2 = MarkerFile::fromJson(v2, QStringLiteral("v2.mak"), &error);
        QVERIFY2(fromV2, qPrintable(error));
        compareDrawings(*fromV1, *fromV2);
        QCOMPARE(MarkerFile::toJson(*fromV2), v2);
    }

    void dragPreviewsAreNotSaved()
    {
        auto document = richDocument();
        CDbFabricObject* fabric = document->drawing()->fabric(0);
        const QByteArray before = MarkerFile::toJson(*document);
        auto* source = document->groups(fabric, 0).first();
        document->addPiece(source->clone(document->drawing(), true), fabric, 0);
        QCOMPARE(MarkerFile::toJson(*document), before);
    }

    void textKeepsMillimetresAlignmentAndAngle_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<short>("letterSize");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("alignmentName");
        QTest::addColumn<double>("angle");
        QTest::newRow("defaults") << QByteArray() << short(10) << int(Qt::AlignHCenter) << "center" << 0.0;
        QTest::newRow("left") << QByteArray(R"(, "letterSize": 6, "alignment": "left", "angle": -360)")
                              << short(6) << int(Qt::AlignLeft) << "left" << -360.0;
        QTest::newRow("right") << QByteArray(R"(, "letterSize": 36, "alignment": "right", "angle": 360)")
                               << short(36) << int(Qt::AlignRight) << "right" << 360.0;
        QTest::newRow("center") << QByteArray(R"(, "letterSize": 32767.0, "alignment": "center")")
                                << short(32767) << int(Qt::AlignHCenter) << "center" << 0.0;
    }

    void textKeepsMillimetresAlignmentAndAngle()
    {
        QFETCH(QByteArray, keys);
        QFETCH(short, letterSize);
        QFETCH(int, alignment);
        QFETCH(QString, alignmentName);
        QFETCH(double, angle);
        QString error;
        const auto document = MarkerFile::fromJson(minimalWithText(keys.constData()), "text.mak", &error);
        QVERIFY2(document, qPrintable(error));
        const auto* text = qobject_cast<const CDbTextObject*>(
            (*document->drawing()->fabric(0)->layers())[0].objects().first());
        QVERIFY(text);
        QCOMPARE(text->letterSize(), letterSize);
        QCOMPARE(text->alignment(), alignment);
        QCOMPARE(text->angle(), angle);

        const QByteArray written = MarkerFile::toJson(*document);
        QVERIFY(written.contains(QStringLiteral("\"letterSize\": %1,").arg(letterSize).toUtf8()));
        QVERIFY(written.contains(QStringLiteral("\"alignment\": \"%1\",").arg(alignmentName).toUtf8()));
    }

    void sampleLoads()
    {
        const QString path = QStringLiteral(MARKER_SOURCE_DIR "/samples/trousers-sample.mak");
        QString error;
        const auto document = MarkerFile::load(path, &error);
        QVERIFY2(document, qPrintable(error));
        // The committed file is exactly what the writer writes.
        QCOMPARE(MarkerFile::toJson(*document), readAll(path));

        // Laid without overlaps, as the scripted sessions expect.
        QCOMPARE(const_cast<DocumentMak&>(*document).findOverlaps(), 0);
    }

    void documentedExampleLoads()
    {
        const QByteArray doc = readAll(QStringLiteral(MARKER_SOURCE_DIR "/docs/marker-format.md"));
        const int start = doc.indexOf("```json\n") + 8;
        QVERIFY(start > 8);
        QString error;
        const auto document =
            MarkerFile::fromJson(doc.mid(start, doc.indexOf("```", start) - start), "doc", &error);
        QVERIFY2(document, qPrintable(error));
        QCOMPARE(document->groups(document->drawing()->fabric(0), 0).size(), 1);
    }

    void badFileIsReportedWithItsPlace_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString layer = QStringLiteral("fabrics[0].layers[0]");
        const QString polygon = layer + QStringLiteral(".objects[0].polygons[0]");

        QTest::newRow("syntax error") << QByteArray("{\n  \"format\": \"marker\",\n  \"version\": 1,,\n}")
                                      << "line 3, column 16: unterminated object";
        // Columns count characters, not the bytes of the UTF-8 text before the error.
        QTest::newRow("syntax error after accents")
            << QByteArray("{\"name\": \"ééé\" x}") << "line 1, column 16: unterminated object";
        QTest::newRow("NaN") << QByteArray("{\"x\": NaN}") << "line 1, column 7: illegal number";
        QTest::newRow("number out of range") << QByteArray("{\"format\": \"marker\", \"version\": 1e400}")
                                             << "line 1, column 37: illegal number";
        QTest::newRow("too deep") << QByteArray(100000, '[')
                                  << "line 1, column 1025: too deeply nested document";
        QTest::newRow("empty") << QByteArray() << "the file is empty";
        QTest::newRow("blank") << QByteArray(" \n\t\n") << "the file is empty";
        QTest::newRow("array at the top") << QByteArray("[1, 2]") << "expected an object";
        QTest::newRow("wrong format")
            << minimalWith("\"marker\"", "\"drawing\"") << "format: expected \"marker\"";
        QTest::newRow("no format") << minimalWith("\"format\": \"marker\",", "")
                                   << "format: missing (expected a string)";
        QTest::newRow("newer version") << minimalWith("\"version\": 1", "\"version\": 3")
                                       << "version: version 3 is not supported; this program reads version 2";
        QTest::newRow("key of version 2 in version 1")
            << minimalWith("\"piece\": 0", "\"piece\": 0, \"contourOrigins\": [\"piece\"]")
            << polygon + ".contourOrigins: unknown key";
        QTest::newRow("origins not one per contour")
            << minimalWith("\"version\": 1", "\"version\": 2")
                   .replace("\"piece\": 0", "\"piece\": 0, \"contourOrigins\": [\"piece\", \"blocking\"]")
            << polygon + ".contourOrigins: expected one origin per contour (1)";
        QTest::newRow("unknown origin")
            << minimalWith("\"version\": 1", "\"version\": 2")
                   .replace("\"piece\": 0", "\"piece\": 0, \"contourOrigins\": [\"seam\"]")
            << polygon + ".contourOrigins[0]: expected one of \"piece\", \"blocking\", \"cutDownUnion\", "
                         "\"angleCutSeam\"";
        const auto v2With = [](const char* keys) {
            return minimalWith("\"version\": 1", "\"version\": 2")
                .replace("\"piece\": 0", QByteArray("\"piece\": 0, ") + keys);
        };
        QTest::newRow("cut-down partner naming itself")
            << v2With("\"cutDownPartner\": 0")
            << polygon + ".cutDownPartner: expected the index of another "
                         "polygon of the group that names this one as its partner";
        QTest::newRow("cut-down axis unknown")
            << v2With("\"cutDownPosition\": {\"verticalAxis\": \"middle\", \"offsetX\": 0, "
                      "\"horizontalAxis\": \"top\", \"offsetY\": 0}")
            << polygon + ".cutDownPosition.verticalAxis: expected one of \"left\", \"center\", \"right\"";
        QTest::newRow("angle-cut part out of range")
            << v2With("\"angleCutPart\": 3") << polygon + ".angleCutPart: expected an integer from 0 to 2";
        const QByteArray withSegment =
            minimalWith("\"version\": 1", "\"version\": 2")
                .replace("\"piece\": 0", "\"piece\": 0, \"internalSegments\": [SEGMENT]");
        QTest::newRow("internal segment of one point")
            << QByteArray(withSegment)
                   .replace("SEGMENT", "{\"kind\": \"dart\", \"points\": [{\"x\": 1, \"y\": 2}]}")
            << polygon + ".internalSegments[0].points: too few points: expected at least 2";
        QTest::newRow("unknown internal segment")
            << QByteArray(withSegment).replace("SEGMENT", "{\"kind\": \"slit\", \"points\": []}")
            << polygon + ".internalSegments[0].kind: expected one of \"drillLine\", \"dart\", \"pocketMark\"";
        QTest::newRow("punch hole in version 1")
            << minimalWith(
                   "{\"type\": \"group\"",
                   "{\"type\": \"punchHole\", \"centre\": {\"x\": 1, \"y\": 1}}, {\"type\": \"group\"")
            << layer + ".objects[0].type: punch holes came with version 2";
        QTest::newRow("version as text") << minimalWith("\"version\": 1", "\"version\": \"1\"")
                                         << "version: expected an integer from 1 to 2147483647";
        QTest::newRow("unknown top-level key")
            << minimalWith("\"version\": 1", "\"version\": 1, \"colour\": 3") << "colour: unknown key";
        QTest::newRow("other units") << minimalWith("\"version\": 1", "\"version\": 1, \"units\": \"mm\"")
                                     << "units: expected \"cm\"";
        QTest::newRow("width as text") << minimalWith("\"width\": 150", "\"width\": \"150\"")
                                       << layer + ".width: expected a positive number";
        QTest::newRow("negative width") << minimalWith("\"width\": 150", "\"width\": -150")
                                        << layer + ".width: expected a positive number";
        QTest::newRow("no width") << minimalWith("\"width\": 150, ", "")
                                  << layer + ".width: missing (expected a positive number)";
        QTest::newRow("huge width") << minimalWith("\"width\": 150", "\"width\": 1e300")
                                    << layer + ".width: expected a positive number not above 1000000";
        QTest::newRow("huge coordinate")
            << minimalWith("{\"x\": 10, \"y\": 200}", "{\"x\": 10, \"y\": -2e6}")
            << polygon + ".contours[0][1].y: expected a number from -1000000 to 1000000";
        QTest::newRow("null coordinate")
            << minimalWith("{\"x\": 10, \"y\": 200}", "{\"x\": null, \"y\": 200}")
            << polygon + ".contours[0][1].x: expected a number";
        QTest::newRow("point as pair") << minimalWith("{\"x\": 10, \"y\": 200}", "[10, 200]")
                                       << polygon + ".contours[0][1]: expected an object";
        QTest::newRow("unknown point type")
            << minimalWith("{\"x\": 10, \"y\": 200}", "{\"x\": 10, \"y\": 200, \"type\": \"star\"}")
            << polygon + ".contours[0][1].type: expected one of \"normal\", \"corner\", \"notch\", \"curve\"";
        QTest::newRow("unknown feature")
            << minimalWith("{\"x\": 10, \"y\": 200}",
                           "{\"x\": 10, \"y\": 200, \"features\": [\"startPoint\", \"x\"]}")
            << polygon + ".contours[0][1].features[1]: expected one of \"matchPoint\", \"linkEnd\", "
                         "\"startPoint\", "
                         "\"liftPlunge\", \"symmetricalCut\", \"internalStart\", \"symmetricalEnd\"";
        QTest::newRow("outline of two points")
            << minimalWith(", {\"x\": 0, \"y\": 10}]}]", "]}]")
            << "fabrics[0].pieces[0].sizes[0].outline: too few points: expected at least 3";
        QTest::newRow("contour of two points")
            << minimalWith(", {\"x\": 0, \"y\": 210}", "")
            << polygon + ".contours[0]: too few points: expected at least 3";
        QTest::newRow("no contour")
            << minimalWith("[[{\"x\": 0, \"y\": 200}, {\"x\": 10, \"y\": 200}, {\"x\": 0, \"y\": 210}]]",
                           "[]")
            << polygon + ".contours: too few contours: expected at least 1";
        const auto version2With = [](const char* from, const char* to) {
            return minimalWith("\"version\": 1", "\"version\": 2").replace(from, to);
        };
        QTest::newRow("piece blocked without its block")
            << version2With("\"piece\": 0", "\"piece\": 0, \"blockingKind\": \"single\"")
            << polygon + ".blockingKind: a piece's own blocking needs a last contour of origin \"blocking\"";
        QTest::newRow("fusion that is a piece")
            << version2With("\"piece\": 0", "\"piece\": 0, \"blockingKind\": \"fusion\"")
            << polygon + ".blockingKind: a fusion is a blocking polygon";
        QTest::newRow("unknown blocking kind")
            << version2With("\"piece\": 0", "\"piece\": 0, \"blockingKind\": \"round\"")
            << polygon + ".blockingKind: expected one of \"none\", \"single\", \"fusion\", \"fixed\"";
        QTest::newRow("fusion naming a piece")
            << version2With("\"type\": \"group\"", "\"type\": \"group\", \"blockingFusion\": 0")
            << layer + ".objects[0].blockingFusion: polygon 0 is not a fusion";
        QTest::newRow("block margin of 0") << version2With("\"layers\"", "\"blockMargin\": 0, \"layers\"")
                                           << "fabrics[0].blockMargin: expected a positive number";
        QTest::newRow("size column of a size no piece has")
            << version2With("\"layers\"", "\"sizeColumns\": [{\"size\": 1, \"quantity\": 1}], \"layers\"")
            << "fabrics[0].sizeColumns[0].size: expected an integer from 0 to 0";
        QTest::newRow("size column's partner not naming it back")
            << version2With("\"layers\"", "\"sizeColumns\": [{\"size\": 0, \"quantity\": 1, \"partner\": 1}, "
                                          "{\"size\": 0, \"quantity\": 1}], \"layers\"")
            << "fabrics[0].sizeColumns[0].partner: the partner column is not of this size, at this position "
               "and naming this column back";
        QTest::newRow("piece cut down with itself in the chart")
            << version2With("\"layers\"",
                            "\"chartCutDowns\": [{\"first\": 0, \"second\": 0, \"cutDownPosition\": "
                            "{\"verticalAxis\": \"left\", \"offsetX\": 0, \"horizontalAxis\": "
                            "\"top\", \"offsetY\": 0}}], \"layers\"")
            << "fabrics[0].chartCutDowns[0].second: a piece is cut down with one other piece at most";
        QTest::newRow("piece index out of range") << minimalWith("\"piece\": 0", "\"piece\": 1")
                                                  << polygon + ".piece: expected an integer from 0 to 0";
        QTest::newRow("fractional piece index") << minimalWith("\"piece\": 0", "\"piece\": 0.5")
                                                << polygon + ".piece: expected an integer from 0 to 0";
        QTest::newRow("size index out of range") << minimalWith("\"piece\": 0", "\"piece\": 0, \"size\": 1")
                                                 << polygon + ".size: expected an integer from 0 to 0";
        QTest::newRow("no piece for a piece polygon") << minimalWith("\"piece\": 0", "\"piece\": -1")
                                                      << polygon + ".piece: expected an integer from 0 to 0";
        QTest::newRow("rotation of a full turn")
            << minimalWith("\"piece\": 0", "\"piece\": 0, \"rotation\": 360")
            << polygon + ".rotation: expected an angle from 0 to below 360";
        QTest::newRow("unknown object type")
            << minimalWith("\"type\": \"group\"", "\"type\": \"circle\"")
            << layer + ".objects[0].type: expected one of \"group\", \"text\", \"line\", \"punchHole\"";
        QTest::newRow("section where the group does not lie")
            << minimalWith("\"type\": \"group\"", "\"type\": \"group\", \"section\": \"fabric\"")
            << layer + ".objects[0].section: the group lies in the standby area";
        QTest::newRow("text without lines")
            << minimalWith("{\"type\": \"group\"", "{\"type\": \"text\", \"lines\": [], \"centre\": {\"x\": "
                                                   "1, \"y\": 1}}, {\"type\": \"group\"")
            << layer + ".objects[0].lines: too few lines: expected at least 1";
        QTest::newRow("line without its end")
            << minimalWith("{\"type\": \"group\"",
                           "{\"type\": \"line\", \"start\": {\"x\": 0, \"y\": 0}}, {\"type\": \"group\"")
            << layer + ".objects[0].end: missing (expected an object)";
        const QString text = layer + QStringLiteral(".objects[0].");
        QTest::newRow("letter size in centimetres")
            << minimalWithText(R"(, "letterSize": 2.5)")
            << text + "letterSize: expected an integer from 1 to 32767";
        QTest::newRow("letter size 0") << minimalWithText(R"(, "letterSize": 0)")
                                       << text + "letterSize: expected an integer from 1 to 32767";
        QTest::newRow("alignment as flags")
            << minimalWithText(R"(, "alignment": 4)")
            << text + "alignment: expected one of \"left\", \"center\", \"right\"";
        QTest::newRow("text turned beyond a full turn")
            << minimalWithText(R"(, "angle": 400)") << text + "angle: expected a number from -360 to 360";
        QTest::newRow("nested arrays as an object")
            << minimalWith(
                   "{\"type\": \"group\"",
                   (QByteArray(500, '[') + QByteArray(500, ']') + ", {\"type\": \"group\"").constData())
            << layer + ".objects[0]: expected an object";
        QTest::newRow("bad colour") << minimalWith("\"pieces\"", "\"colour\": \"#zz\", \"pieces\"")
                                    << "fabrics[0].colour: expected a colour such as \"#3b5b92\"";
        QTest::newRow("fabric without layers")
            << QByteArray(R"({"format": "marker", "version": 1, "fabrics": [{"layers": []}]})")
            << "fabrics[0].layers: too few layers: expected at least 1";
        QTest::newRow("plaid in version 1")
            << minimalWith("\"pieces\"", "\"plaid\": {}, \"pieces\"") << "fabrics[0].plaid: unknown key";
        QTest::newRow("negative plaid repeat")
            << minimalWith("\"version\": 1", "\"version\": 2")
                   .replace("\"pieces\"", "\"plaid\": {\"repeatX\": -2}, \"pieces\"")
            << "fabrics[0].plaid.repeatX: expected a number from 0 to 1000000";
        QTest::newRow("links in version 1")
            << minimalWith("\"version\": 1", "\"version\": 1, \"links\": []") << "links: unknown key";
        const QByteArray end = R"({"fabric": 0, "piece": 0, "point": 0})";
        const auto withLink = [&end](const QByteArray& second) {
            return minimalWith(
                "\"version\": 1",
                ("\"version\": 2, \"links\": [{\"ends\": [" + end + ", " + second + "]}]").constData());
        };
        QTest::newRow("link to a point the piece lacks")
            << withLink(R"({"fabric": 0, "piece": 0, "point": 3})")
            << "links[0].ends[1].point: expected an integer from 0 to 2";
        QTest::newRow("link to a notch the piece lacks")
            << withLink(R"({"fabric": 0, "piece": 0, "point": 0, "onContour": false})")
            << "links[0].ends[1].point: there are no notches to refer to";
        QTest::newRow("link to a missing fabric")
            << withLink(R"({"fabric": 1, "piece": 0, "point": 0})")
            << "links[0].ends[1].fabric: expected an integer from 0 to 0";
        QTest::newRow("link with one end")
            << minimalWith("\"version\": 1",
                           ("\"version\": 2, \"links\": [{\"ends\": [" + end + "]}]").constData())
            << "links[0].ends: too few ends: expected at least 2";
        QTest::newRow("unknown link rule")
            << minimalWith("\"version\": 1", ("\"version\": 2, \"links\": [{\"ends\": [" + end + ", " + end +
                                              "], \"rules\": [\"diagonal\"]}]")
                                                 .constData())
            << "links[0].rules[0]: expected one of \"identicalX\", \"identicalY\", \"symmetricalX\", "
               "\"symmetricalY\", \"halfWayX\", \"halfWayY\", \"centerX\", \"centerY\", \"onLineX\", "
               "\"onLineY\"";
        QTest::newRow("current fabric out of range")
            << minimalWith("\"version\": 1", "\"version\": 1, \"current\": {\"fabric\": 1, \"layer\": 0}")
            << "current.fabric: expected an integer from 0 to 0";
    }

    void badFileIsReportedWithItsPlace()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.mak"));
        QVERIFY(writeFile(path, bytes));
        QString error;
        QVERIFY(!MarkerFile::load(path, &error));
        QCOMPARE(error, QStringLiteral("bad.mak: ") + message);
    }

    // Cut short anywhere or with bytes changed, a file gives a message or a document, never a crash.
    void mangledFilesNeverCrash()
    {
        const QByteArray bytes = MarkerFile::toJson(*richDocument());
        QString error;
        // Only the trailing line feed may go without harm.
        for (int length = 0; length < bytes.trimmed().size(); length += 7) {
            error.clear();
            QVERIFY(!MarkerFile::fromJson(bytes.left(length), "cut.mak", &error));
            QVERIFY2(error.startsWith(QStringLiteral("cut.mak: ")), qPrintable(error));
        }
        std::mt19937 random(11);
        const char replacements[] = "-0123456789e.,:[]{}\"ntf \x80\xff";
        for (int round = 0; round < 300; ++round) {
            QByteArray mangled = bytes;
            for (int i = 0; i < 3; ++i)
                mangled[int(random() % unsigned(mangled.size()))] =
                    replacements[random() % (sizeof(replacements) - 1)];
            error.clear();
            if (!MarkerFile::fromJson(mangled, "mangled.mak", &error))
                QVERIFY2(error.startsWith(QStringLiteral("mangled.mak: ")), qPrintable(error));
        }
    }

    void failedSaveKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        const auto document = richDocument();
        QString error;
        // The target is a directory: nothing may replace it.
        const QString folder = dir.filePath(QStringLiteral("folder.mak"));
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(writeFile(folder + QStringLiteral("/inside"), "kept"));
        QVERIFY(!MarkerFile::save(*document, folder, &error));
        QVERIFY2(error.startsWith(QStringLiteral("folder.mak was not saved: ")), qPrintable(error));
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(readAll(folder + QStringLiteral("/inside")), QByteArray("kept"));
        // A folder that does not exist.
        error.clear();
        QVERIFY(!MarkerFile::save(*document, dir.filePath(QStringLiteral("missing/new.mak")), &error));
        QVERIFY2(error.startsWith(QStringLiteral("new.mak was not saved: ")), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }

    // A write that stops half way, as on a full disk, keeps the previous file and leaves no
    // temporary file behind. A file size limit stops every user, root included.
    void saveThatFailsHalfWayKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.mak"));
        QVERIFY(writeFile(path, "previous contents"));
        const auto document = richDocument();
        QVERIFY(MarkerFile::toJson(*document).size() > 4096);
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit unlimited = limit;
        limit.rlim_cur = 4096;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        QString error;
        const bool saved = MarkerFile::save(*document, path, &error);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!saved);
        QVERIFY2(error.startsWith(QStringLiteral("old.mak was not saved: ")), qPrintable(error));
        QCOMPARE(readAll(path), QByteArray("previous contents"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"old.mak"});
    }

    void unloadableDocumentIsNotSaved()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.mak"));
        QVERIFY(writeFile(path, "previous contents"));
        auto document = richDocument();
        // A group naming a piece the fabric does not have: the file would not load.
        auto* group = new CDbGrPolysObject;
        CDbPolygon polygon;
        polygon.setPieceIndex(7);
        polygon.contours().addContour(outline({{0, 160}, {20, 160}, {20, 175}}));
        group->addPolygon(polygon);
        document->addPiece(group, document->drawing()->fabric(0), 0);
        QString error;
        QVERIFY(!MarkerFile::save(*document, path, &error));
        QCOMPARE(error, QStringLiteral("old.mak was not saved: the marker cannot be written as it is "
                                       "(old.mak: fabrics[0].layers[0].objects[5].polygons[0].piece: "
                                       "expected an integer from 0 to 1)"));
        QCOMPARE(readAll(path), QByteArray("previous contents"));
    }
};

MARKER_TEST(tst_MarkerFile)
#include "tst_MarkerFile.moc"
