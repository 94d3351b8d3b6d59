#include "laystore/LaystoreTestMarker.h"

#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(CDbTwainLinkPiecesObject::End)

namespace {

using End = CDbTwainLinkPiecesObject::End;

CDbTwainLinkPiecesObject linkBetween(const End& first, const End& second, quint32 rules = 0)
{
    CDbTwainLinkPiecesObject link;
    link.setEnds(first, second);
    link.setRules(rules);
    return link;
}

// A pocket bag of piece 3 at the origin and a waistband of piece 5 at (50, 0), as the link
// view shows them. Each outline has a notch as its second point, halfway along its bottom.
QList<CDbPolygon> viewPolygons()
{
    const std::unique_ptr<CDbGrPolysObject> pocket(makePiece(pocketBag(), {0, 0}, 3));
    const std::unique_ptr<CDbGrPolysObject> band(makePiece(waistband(), {50, 0}, 5));
    return {pocket->polygon(0), band->polygon(0)};
}

CDbPieceObject pieceOf(const std::vector<GeoPoint2D>& shape)
{
    CDbVectorsObjectTable outline;
    for (const GeoPoint2D& p : shape)
        outline.append(CDbMarkerPointObject(p));
    CDbPieceSizeObject size;
    size.setOutline(outline);
    CDbPieceObject piece;
    piece.addSize(size);
    return piece;
}

} // namespace

// The link view's data: links between points of pieces, numbered from 1, and the points
// their ends name in the view's polygons.
class tst_LinkPieces : public QObject
{
    Q_OBJECT

private slots:
    void linksAreNumberedFromOneAndKeepTheirAddress()
    {
        CDbTwainLinkPiecesObjectTable table;
        QCOMPARE(table.size(), 0);
        QVERIFY(!table.link(1));
        CDbTwainLinkPiecesObject* first = table.add(linkBetween({3, 1, true}, {5, 1, true}, 0x1));
        CDbTwainLinkPiecesObject* second = table.add(linkBetween({3, 2, true}, {5, 2, true}, 0x2));
        CDbTwainLinkPiecesObject* third = table.add(linkBetween({3, 3, true}, {5, 3, true}, 0x4));
        QCOMPARE(table.size(), 3);
        QCOMPARE(table.link(1), first);
        QCOMPARE(table.link(3), third);
        QCOMPARE(table.link(2)->rules(), quint32(0x2));
        QVERIFY(!table.link(0) && !table.link(4) && !table.link(-1));

        QVERIFY(!table.remove(0));
        QVERIFY(!table.remove(4));
        QCOMPARE(table.size(), 3);
        QVERIFY(table.remove(1));
        // The others move up one number and stay where they were.
        QCOMPARE(table.size(), 2);
        QCOMPARE(table.link(1), second);
        QCOMPARE(table.link(2), third);
        QCOMPARE(third->firstEnd(), (End{3, 3, true}));
    }

    void endsResolveToPointsOfTheirPieces()
    {
        const QList<CDbPolygon> polygons = viewPolygons();
        CDbTwainLinkPiecesObjectTable table;
        // The pocket's first outline point to the waistband's first notch; then the pocket's notch
        // (its second point) to the waistband's last point, ends given the other way round.
        table.add(linkBetween({3, 1, true}, {5, 1, false}));
        table.add(linkBetween({5, 5, true}, {3, 2, true}));

        GeoPoint2D first, second;
        const CDbPolygon* firstPolygon = nullptr;
        const CDbPolygon* secondPolygon = nullptr;
        QCOMPARE(table.getTwainLinkPiecesVectors(polygons, 1, &first, &second, &firstPolygon, &secondPolygon),
                 short(0));
        QCOMPARE(first, GeoPoint2D(0, 0));
        QCOMPARE(second, GeoPoint2D(71, 0));
        QCOMPARE(firstPolygon, &polygons[0]);
        QCOMPARE(secondPolygon, &polygons[1]);

        QCOMPARE(table.getTwainLinkPiecesVectors(polygons, 2, &first, &second), short(0));
        QCOMPARE(first, GeoPoint2D(50, 4));
        QCOMPARE(second, GeoPoint2D(8, 0));

        // A block laid over the pocket: its points are those of the outline that is cut.
        QList<CDbPolygon> blocked = polygons;
        CDbVectorsObjectTable block;
        for (const GeoPoint2D& p :
             {GeoPoint2D(-1, -1), GeoPoint2D(20, -1), GeoPoint2D(20, 26), GeoPoint2D(-1, 26)})
            block.append(CDbMarkerPointObject(p));
        blocked[0].contours().addContour(block);
        QCOMPARE(table.getTwainLinkPiecesVectors(blocked, 1, &first, nullptr), short(0));
        QCOMPARE(first, GeoPoint2D(-1, -1));
    }

    void endsNamingNothingResolveToNothing_data()
    {
        QTest::addColumn<int>("linkIndex");
        QTest::addColumn<End>("firstEnd");
        QTest::addColumn<End>("secondEnd");
        const End pocketCorner{3, 1, true};
        QTest::newRow("no link 0") << 0 << pocketCorner << pocketCorner;
        QTest::newRow("past the last link") << 2 << pocketCorner << pocketCorner;
        QTest::newRow("piece not shown") << 1 << pocketCorner << End{4, 1, true};
        QTest::newRow("no piece") << 1 << End{-1, 1, true} << pocketCorner;
        QTest::newRow("past the outline's points") << 1 << pocketCorner << End{5, 6, true};
        QTest::newRow("point 0") << 1 << End{3, 0, true} << pocketCorner;
        QTest::newRow("past the notches") << 1 << pocketCorner << End{5, 2, false};
        QTest::newRow("other fabric") << 1 << pocketCorner << End{5, 1, true, 1};
    }

    void endsNamingNothingResolveToNothing()
    {
        QFETCH(int, linkIndex);
        QFETCH(End, firstEnd);
        QFETCH(End, secondEnd);
        CDbTwainLinkPiecesObjectTable table;
        table.add(linkBetween(firstEnd, secondEnd));
        const GeoPoint2D untouched(-7, -7);
        GeoPoint2D first = untouched, second = untouched;
        const CDbPolygon* polygon = nullptr;
        QCOMPARE(table.getTwainLinkPiecesVectors(viewPolygons(), linkIndex, &first, &second, &polygon),
                 short(1));
        QCOMPARE(first, untouched);
        QCOMPARE(second, untouched);
        QVERIFY(!polygon);
    }

    // The drawing's link document shows the current fabric's pieces in a row, follows pieces
    // added later, and keeps each fabric's links apart.
    void drawingBuildsTheLinkViewFromItsPieces()
    {
        Marker m;
        CDbMarkerDrawing* drawing = m.document->drawing();
        m.fabric->addPiece(pieceOf(pocketBag()));
        m.fabric->addPiece(pieceOf(waistband()));
        CDbFabricObject& lining = drawing->addFabric();
        lining.addLayer(kLayerWidth);
        lining.addPiece(pieceOf(flyFacing()));
        CDbDocumentLinkObject* linkDoc = drawing->getLinkDoc();
        QCOMPARE(linkDoc->getCurrentPolyListDocumentLink().size(), 2);
        // The pocket is 18 cm wide; the waistband follows 5 cm further.
        const CDbPolygon& band = linkDoc->getCurrentPolyListDocumentLink()[1];
        QCOMPARE(band.pieceIndex(), short(1));
        QCOMPARE(band.pieceOutline()[0], CDbMarkerPointObject(23, 0));
        m.fabric->addPiece(pieceOf(flyFacing()));
        QCOMPARE(linkDoc->getCurrentPolyListDocumentLink().size(), 3);

        linkDoc->getCurrentPiecesLinkListDocumentLink()->add(linkBetween({0, 1, true}, {1, 1, true}));
        linkDoc->setPendingEnd(1, 2, false);
        QCOMPARE(linkDoc->pendingEnd(), (End{1, 2, false, 0}));
        QVERIFY(drawing->setCurrentFabricAndLayer(1, 0));
        QCOMPARE(linkDoc->getCurrentPolyListDocumentLink().size(), 1);
        QCOMPARE(linkDoc->getCurrentPiecesLinkListDocumentLink()->size(), 0);
        QCOMPARE(linkDoc->links(0)->size(), 1);
        QVERIFY(!linkDoc->links(2));
    }
};

MARKER_TEST(tst_LinkPieces)
#include "tst_LinkPieces.moc"
