#include "laystore/LaystoreTestMarker.h"

#include "laystore/file/EsicupImport.h"
#include "laystore/file/MarkerFile.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(std::vector<CDbPolygon>)

namespace {

CDbPolygon polygonOf(short piece, short size, const GeoPoint2D& corner, bool blocking = false)
{
    std::unique_ptr<CDbGrPolysObject> group(makePiece(pocketBag(), corner, piece));
    CDbPolygon polygon = group->polygon(0);
    polygon.setSizeIndex(size);
    polygon.setBlocking(blocking);
    return polygon;
}

CDbPieceObject pieceWithSizes(const QString& name, int sizes)
{
    CDbPieceObject piece;
    piece.info().setName(name);
    const std::unique_ptr<CDbGrPolysObject> shape(makePiece(pocketBag(), {0, 0}));
    for (int i = 0; i < sizes; ++i) {
        CDbPieceSizeObject size;
        size.setName(QString::number(36 + 2 * i));
        size.setOutline(shape->polygon(0).pieceOutline());
        piece.addSize(size);
    }
    return piece;
}

std::vector<short> pieceIndexes(const CDbGrPolysObject& group)
{
    std::vector<short> indexes;
    for (const CDbPolygon& p : group.polygons())
        indexes.push_back(p.pieceIndex());
    return indexes;
}

} // namespace

// Groups whose polygons name pieces or sizes their fabric no longer has: dropping those
// polygons, and which groups are marked for the check.
class tst_GroupIdCheck : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        // Piece 0 comes in two sizes, piece 1 in one.
        m->fabric->addPiece(pieceWithSizes(QStringLiteral("Front"), 2));
        m->fabric->addPiece(pieceWithSizes(QStringLiteral("Back"), 1));
    }

    void cleanup() { m.reset(); }

    void dropsPolygonsNamingWhatTheFabricLacks()
    {
        CDbGrPolysObject* group = place({polygonOf(0, 1, {0, 0}), polygonOf(1, 1, {30, 0}),
                                         polygonOf(1, 0, {60, 0}), polygonOf(-1, 0, {0, 30}, true),
                                         polygonOf(2, 0, {120, 0}), polygonOf(7, 0, {0, 60}, true)});
        QSignalSpy changed(group, &CDbAbstractObject::changed);
        // Without a code to write the check still runs; run again, it finds nothing more.
        group->removeInvalidGrPolysID(m->document->drawing(), m->fabric, nullptr);
        short code = -1;
        group->removeInvalidGrPolysID(m->document->drawing(), m->fabric, &code);

        QCOMPARE(code, short(0));
        QVERIFY(!group->needsIdCheck());
        // Size 1 of piece 1, piece 2 and the block naming piece 7 are gone; the block naming no
        // piece stays.
        QCOMPARE(pieceIndexes(*group), (std::vector<short>{0, 1, -1}));
        QCOMPARE(group->polygon(1).boundingRect().leftBottom(), GeoPoint2D(60, 0));
        QCOMPARE(changed.count(), 1);
        // The document follows: nothing of the group is found where the dropped piece lay.
        QVERIFY(!m->document->objectsIn(GeoRectangle(110, 0, 140, 10), m->fabric, 0).contains(group));
        QCOMPARE(group->boundingRect(), GeoRectangle(0, 0, 78, 54));
    }

    void contentIsKeptWhenNothingOrAllWouldGo_data()
    {
        QTest::addColumn<std::vector<CDbPolygon>>("polygons");
        QTest::addColumn<QString>("fabric");
        QTest::addColumn<short>("code");
        const std::vector<CDbPolygon> valid{polygonOf(0, 0, {0, 0}), polygonOf(1, 0, {30, 0})};
        const std::vector<CDbPolygon> partly{polygonOf(0, 0, {0, 0}), polygonOf(4, 0, {30, 0})};
        QTest::newRow("all valid") << valid << "own" << short(0);
        QTest::newRow("pieces gone") << std::vector<CDbPolygon>{polygonOf(2, 0, {0, 0}),
                                                                polygonOf(5, 0, {30, 0})}
                                     << "own" << short(1);
        QTest::newRow("size gone") << std::vector<CDbPolygon>{polygonOf(1, 1, {0, 0})} << "own" << short(1);
        QTest::newRow("negative size")
            << std::vector<CDbPolygon>{polygonOf(0, -1, {0, 0})} << "own" << short(1);
        QTest::newRow("only a block left")
            << std::vector<CDbPolygon>{polygonOf(-1, 0, {0, 0}, true), polygonOf(3, 0, {30, 0})} << "own"
            << short(1);
        QTest::newRow("no drawing") << partly << "no drawing" << short(1);
        QTest::newRow("no fabric") << partly << "none" << short(1);
        QTest::newRow("another marker's fabric") << partly << "other" << short(1);
    }

    void contentIsKeptWhenNothingOrAllWouldGo()
    {
        QFETCH(std::vector<CDbPolygon>, polygons);
        QFETCH(QString, fabric);
        QFETCH(short, code);
        CDbGrPolysObject* group = place(polygons);
        const std::unique_ptr<CDbAbstractObject> before(group->clone());
        QSignalSpy changed(group, &CDbAbstractObject::changed);
        Marker other;
        other.fabric->addPiece(pieceWithSizes(QStringLiteral("Front"), 1));
        CDbFabricObject* target = fabric == "none" ? nullptr : fabric == "other" ? other.fabric : m->fabric;
        short result = -1;
        group->removeInvalidGrPolysID(fabric == "no drawing" ? nullptr : m->document->drawing(), target,
                                      &result);
        QCOMPARE(result, code);
        QVERIFY(group->sameContent(*before));
        QCOMPARE(changed.count(), 0);
        // Only a completed check clears the flag.
        QCOMPARE(group->needsIdCheck(), code != 0);
    }

    void groupsFromOutsideDataNeedTheCheck()
    {
        // Groups made here do not; copies keep the flag, and it goes with the polygons.
        CDbGrPolysObject* made = m->add(pocketBag(), {0, 0});
        QVERIFY(!made->needsIdCheck());
        CDbGrPolysObject* marked = place({polygonOf(0, 0, {40, 0})});
        const std::unique_ptr<CDbGrPolysObject> copy(static_cast<CDbGrPolysObject*>(marked->clone()));
        QVERIFY(copy->needsIdCheck());
        made->exchangeInfos(marked);
        QVERIFY(made->needsIdCheck() && !marked->needsIdCheck());

        QString error;
        const auto loaded =
            MarkerFile::fromJson(MarkerFile::toJson(*m->document), QStringLiteral("m.mak"), &error);
        QVERIFY2(loaded, qPrintable(error));
        const QListEx<CDbGrPolysObject*> loadedGroups = loaded->groups(loaded->drawing()->fabric(0), 0);
        QCOMPARE(loadedGroups.size(), 2);
        for (const CDbGrPolysObject* group : loadedGroups)
            QVERIFY(group->needsIdCheck());

        const QByteArray instance = R"({"name": "tiny", "strip_height": 10, "items": [
            {"id": 1, "demand": 2, "allowed_orientations": [0], "shape": {"type": "simple_polygon", "data": [[0, 0], [4, 0], [0, 3]]}}]})";
        const auto imported = EsicupImport::fromJson(instance, QStringLiteral("tiny.json"), 1.0, &error);
        QVERIFY2(imported, qPrintable(error));
        const QListEx<CDbGrPolysObject*> importedGroups = imported->groups(imported->drawing()->fabric(0), 0);
        QCOMPARE(importedGroups.size(), 2);
        for (const CDbGrPolysObject* group : importedGroups)
            QVERIFY(group->needsIdCheck());
    }

private:
    // A group placed on layer 0 holding `polygons`, marked for the check.
    CDbGrPolysObject* place(const std::vector<CDbPolygon>& polygons)
    {
        auto* group = new CDbGrPolysObject();
        for (const CDbPolygon& p : polygons)
            group->addPolygon(p);
        group->setNeedsIdCheck(true);
        m->document->addPiece(group, m->fabric, 0);
        return group;
    }

    std::unique_ptr<Marker> m;
};

MARKER_TEST(tst_GroupIdCheck)
#include "tst_GroupIdCheck.moc"
