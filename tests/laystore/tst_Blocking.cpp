#include "laystore/LaystoreTestMarker.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "laystore/file/MarkerFile.h"
#include "laystore/ops/CDbBlockHelper.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

Q_DECLARE_METATYPE(VelSystem::GeoPoint2D)

namespace {

// The test marker with the pattern piece its groups name.
struct PatternMarker : Marker
{
    PatternMarker()
    {
        CDbPieceSizeObject size;
        size.setOutline(CDbVectorsObjectTable({{0, 0}, {1, 0}, {0, 1}}));
        CDbPieceObject piece;
        piece.addSize(size);
        fabric->addPiece(piece);
    }
};

// Blocks `group` where it lies on layer 0 and returns the code.
short block(Marker& m, CDbGrPolysObject* group)
{
    short code = -1;
    CDbBlockHelper::blockingInFabric(m.document, group->section(), m.fabric, 0, group, &code);
    return code;
}

CDbGrPolysObject* groupAt(const Marker& m, const GeoPoint2D& point)
{
    for (CDbGrPolysObject* group : m.document->groups(m.fabric, 0)) {
        if (group->hitTest(point, 0.0))
            return group;
    }
    return nullptr;
}

int controlPoints(const CDbVectorsObjectTable& contour)
{
    return static_cast<int>(
        std::count_if(contour.points().begin(), contour.points().end(),
                      [](const CDbMarkerPointObject& p) { return p.type() != CDbMarkerPointObject::Curve; }));
}

// Index of the contour's point nearest to `p`.
int nearest(const CDbVectorsObjectTable& contour, const GeoPoint2D& p)
{
    const auto& points = contour.points();
    return static_cast<int>(std::min_element(points.begin(), points.end(),
                                             [&p](const GeoPoint2D& a, const GeoPoint2D& b) {
                                                 return a.distance(p) < b.distance(p);
                                             }) -
                            points.begin());
}

} // namespace

// Blocking a laid piece: the block keeps the fabric's margin round it, counts for the marker's
// length and overlaps, fuses with blocks it meets and comes off again with undo.
class tst_Blocking : public QObject
{
    Q_OBJECT

private slots:
    void blockKeepsTheMarginRoundThePiece()
    {
        PatternMarker m;
        m.fabric->setBlockMargin(1.5);
        CDbGrPolysObject* leg = m.add(frontLeg(), {10, 20});
        const GeoPolygon2D piece = leg->pieceOutlines().front();
        const Snapshot before = snapshot(m);
        QCOMPARE(block(m, leg), short(0));

        CDbGrPolysObject* blocked = groupAt(m, {20, 50});
        QVERIFY(blocked->isBlockingPolygonExist() && blocked->contourEditFlag());
        const GeoPolygon2D outline = blocked->getPolygonLatestContour().toPolygon();
        QVERIFY(outline.isSimple() && outline.encloses(piece));
        for (const GeoPoint2D& corner : piece.points())
            QVERIFY(outline.distanceToOutline(corner) > 1.5 - 0.06);
        QVERIFY(controlPoints(blocked->getPolygonLatestContour()) >= 3);
        QVERIFY(outline.size() < piece.size() * 3);
        QCOMPARE(blocked->area(), piece.area());
        QCOMPARE(m.document->markerLength(), outline.boundingRect().xmax);
        CDbBlockingObject::BlockingType type = CDbBlockingObject::None;
        short code = 1;
        blocked->isBlockingSimulationSlave(m.fabric, &code, &type);
        QCOMPARE(type, CDbBlockingObject::Single);
        QVERIFY(m.fabric->isSelectionBlockingInvalid(blocked));
        QVERIFY(undoRedoRestores(m, before, snapshot(m)));
    }

    void blockThatCannotBePlacedChangesNothing_data()
    {
        QTest::addColumn<GeoPoint2D>("corner");
        QTest::newRow("at the fabric's edge") << GeoPoint2D(10, 0.5);
        QTest::newRow("at the other edge") << GeoPoint2D(10, kLayerWidth - 100.5);
        QTest::newRow("against a piece laid alone") << GeoPoint2D(61.5, 20);
    }
    void blockThatCannotBePlacedChangesNothing()
    {
        QFETCH(GeoPoint2D, corner);
        PatternMarker m;
        m.add(waistband(), {20, 20});
        CDbGrPolysObject* leg = m.add(frontLeg(), corner);
        const Snapshot before = snapshot(m);
        QCOMPARE(block(m, leg), CDbBlockHelper::kCannotPlace);
        QVERIFY(matches(m, before));
        QCOMPARE(m.document->undoStack()->count(), 0);
    }

    void blocksThatMeetFuseAndUndoSplitsThem()
    {
        PatternMarker m;
        CDbGrPolysObject* left = m.add(pocketBag(), {10, 20});
        CDbGrPolysObject* right = m.add(pocketBag(), {10 + 18 + 1.5, 20});
        CDbGrPolysObject* far = m.add(pocketBag(), {100, 20});
        QCOMPARE(block(m, left), short(0));
        QCOMPARE(block(m, far), short(0));
        const Snapshot apart = snapshot(m);
        QCOMPARE(block(m, right), short(0));

        QCOMPARE(m.document->groups(m.fabric, 0).size(), 2);
        CDbGrPolysObject* fused = groupAt(m, {15, 25});
        QCOMPARE(fused, groupAt(m, {35, 25}));
        QVERIFY(fused->blockingFusion());
        QCOMPARE(fused->polygonCount(), 3);
        QVERIFY(fused->isValidateManualBlocking(m.document->drawing(), m.fabric));
        for (const CDbPolygon& p : fused->polygons())
            QCOMPARE(p.isBlocking(), p.isBlockingPolygon());
        QVERIFY(fused->editableBlockingContour());
        QVERIFY(undoRedoRestores(m, apart, snapshot(m)));
    }

    // Pockets 1.5 cm apart fuse in a row; taking one out leaves it without a blocking and
    // blocks the others again: those still meeting as one fusion, one alone by itself.
    void takingAPieceOutSplitsItsFusion_data()
    {
        QTest::addColumn<int>("pieces");
        QTest::addColumn<int>("taken");
        QTest::addColumn<int>("singles");
        QTest::addColumn<int>("fusions");
        QTest::newRow("a piece blocked alone") << 1 << 0 << 0 << 0;
        QTest::newRow("one of two") << 2 << 0 << 1 << 0;
        QTest::newRow("the middle of three") << 3 << 1 << 2 << 0;
        QTest::newRow("the end of three") << 3 << 2 << 0 << 1;
    }
    void takingAPieceOutSplitsItsFusion()
    {
        QFETCH(int, pieces);
        QFETCH(int, taken);
        QFETCH(int, singles);
        QFETCH(int, fusions);
        PatternMarker m;
        const auto on = [](int i) { return GeoPoint2D(18.0 + 19.5 * i, 30.0); };
        for (int i = 0; i < pieces; ++i)
            QCOMPARE(block(m, m.add(pocketBag(), {10.0 + 19.5 * i, 20.0})), short(0));
        const Snapshot before = snapshot(m);
        short code = 1;
        CDbBlockHelper::takeOutOfBlocking(m.document, m.fabric, 0, groupAt(m, on(taken)), on(taken), &code);
        QCOMPARE(code, short(0));

        QVERIFY(!groupAt(m, on(taken))->isBlocked());
        int single = 0, fused = 0;
        for (CDbGrPolysObject* group : m.document->groups(m.fabric, 0)) {
            single += group->isBlockingPolygonExist() ? 1 : 0;
            fused += group->blockingFusion() ? 1 : 0;
            QVERIFY(group->isValidateManualBlocking(m.document->drawing(), m.fabric));
        }
        QCOMPARE(single, singles);
        QCOMPARE(fused, fusions);
        QCOMPARE(m.document->findOverlaps(), 0);
        QCOMPARE(m.document->undoStack()->text(m.document->undoStack()->count() - 1),
                 QStringLiteral("Remove Blocking"));
        QVERIFY(undoRedoRestores(m, before, snapshot(m)));
    }

    // Once blockings are shaped by hand, fusing and taking a piece out keep the points drawn;
    // otherwise blocks are made afresh.
    void handShapedBlockingsKeepTheirPoints_data()
    {
        QTest::addColumn<short>("fuseState");
        QTest::addColumn<bool>("kept");
        QTest::newRow("automatic") << short(0) << false;
        QTest::newRow("shaped by hand") << short(2) << true;
    }
    void handShapedBlockingsKeepTheirPoints()
    {
        QFETCH(short, fuseState);
        QFETCH(bool, kept);
        PatternMarker m;
        m.document->drawing()->setManualDocumentFuseState(fuseState);
        QCOMPARE(block(m, m.add(pocketBag(), {10, 20})), short(0));
        CDbGrPolysObject* left = groupAt(m, {15, 25});
        const CDbVectorsObjectTable& contour = left->getPolygonLatestContour();
        const GeoPoint2D drawn(9, 30);
        int side = 0;
        while (side < contour.size() &&
               !contour[side].betweenDelta(&drawn, &contour[(side + 1) % contour.size()], 1e-3))
            ++side;
        QCOMPARE(CDbBlockHelper::insertControlPoint(left, side, drawn), short(0));
        const auto hasDrawnPoint = [&drawn](const CDbVectorsObjectTable& c) {
            return std::any_of(c.points().begin(), c.points().end(), [&drawn](const CDbMarkerPointObject& p) {
                return p.equals(drawn, 1e-4) && p.type() == CDbMarkerPointObject::Corner;
            });
        };
        QCOMPARE(block(m, m.add(pocketBag(), {29.5, 20})), short(0));
        QCOMPARE(hasDrawnPoint(groupAt(m, {15, 25})->getFirstContourBlockingFusion()), kept);
        short code = 1;
        CDbBlockHelper::takeOutOfBlocking(m.document, m.fabric, 0, groupAt(m, {35, 25}), {35, 25}, &code);
        QCOMPARE(code, short(0));
        QCOMPARE(hasDrawnPoint(groupAt(m, {15, 25})->getPolygonLatestContour()), kept);
    }

    // Waiting pieces never fuse: a block moved to the standby area and back fuses again only
    // when a neighbour on the fabric is blocked beside it.
    void standbyBlocksDoNotFuse()
    {
        PatternMarker m;
        CDbGrPolysObject* left = m.add(pocketBag(), {10, 20});
        QCOMPARE(block(m, left), short(0));
        left = groupAt(m, {15, 25});
        GeoPoint2D up(0, kLayerWidth);
        left->translate(up);
        QCOMPARE(left->section(), short(CDbGrPolysObject::SectionStandby));
        CDbGrPolysObject* waiting = m.add(pocketBag(), {29.5, 20 + kLayerWidth});
        QCOMPARE(block(m, waiting), short(0));
        QCOMPARE(m.document->groups(m.fabric, 0).size(), 2);
        QVERIFY(!groupAt(m, {15, 25 + kLayerWidth})->blockingFusion());
        QCOMPARE(m.document->markerLength(), 0.0);

        GeoPoint2D down(0, -kLayerWidth);
        left->translate(down);
        QCOMPARE(left->section(), short(CDbGrPolysObject::SectionFabric));
        QCOMPARE(m.document->markerLength(), left->boundingRect().xmax);
        QCOMPARE(block(m, m.add(pocketBag(), {29.5, 20})), short(0));
        QVERIFY(groupAt(m, {15, 25})->blockingFusion());
        QCOMPARE(groupAt(m, {15, 25}), groupAt(m, {35, 25}));
        QVERIFY(!groupAt(m, {35, 25 + kLayerWidth})->blockingFusion());
    }

    void blockedPieceOverlapsWhatEntersItsBlock()
    {
        PatternMarker m;
        CDbGrPolysObject* band = m.add(waistband(), {10, 20});
        CDbGrPolysObject* pocket = m.add(pocketBag(), {10, 40});
        QCOMPARE(block(m, band), short(0));
        QCOMPARE(m.document->findOverlaps(), 0);
        GeoPoint2D down(0, -15.5);
        pocket->translate(down);
        QCOMPARE(m.document->findOverlaps(), 1);
    }

    // Hand edits keep the blocking round its piece and refuse what would break it.
    void editsKeepTheBlockingRoundItsPiece()
    {
        PatternMarker m;
        CDbGrPolysObject* band = m.add(waistband(), {10, 20});
        QCOMPARE(block(m, band), short(0));
        band = groupAt(m, {12, 22});
        const CDbVectorsObjectTable original = band->getPolygonLatestContour();
        QCOMPARE(controlPoints(original), 4);

        const int corner = nearest(original, {9, 19});
        GeoPoint2D inward(30, 3);
        QCOMPARE(CDbBlockHelper::dragControlPoints(band, m.fabric, 0, {corner}, inward), short(0));
        QVERIFY(inward.x < 30 && inward.x > 0);
        QVERIFY(band->isValidateManualBlocking(m.document->drawing(), m.fabric));
        QCOMPARE(band->polygon(0).blocking().blockingStatus(), short(CDbBlockingObject::ByHand));

        QCOMPARE(CDbBlockHelper::insertControlPoint(band, 1, {60, 10}), short(0));
        QCOMPARE(controlPoints(band->getPolygonLatestContour()), 5);
        QString error;
        const auto reread =
            MarkerFile::fromJson(MarkerFile::toJson(*m.document), QStringLiteral("b.mak"), &error);
        QVERIFY2(reread, qPrintable(error));
        QCOMPARE(reread->groups(reread->drawing()->fabric(0), 0).first()->getPolygonLatestContour(),
                 band->getPolygonLatestContour());
        QVERIFY(reread->drawing()->manualDocumentIsFuse());
        QCOMPARE(CDbBlockHelper::removeControlPoints(band, m.fabric, {2}), short(0));
        QCOMPARE(controlPoints(band->getPolygonLatestContour()), 4);
        QCOMPARE(CDbBlockHelper::removeControlPoints(band, m.fabric, {0, 1}), CDbBlockHelper::kTooFewPoints);
    }

    void normalizedContourStartsAtItsLastControlPoint()
    {
        const auto point = [](double x, CDbMarkerPointObject::PointType type) {
            return CDbMarkerPointObject(x, 0.0, type);
        };
        CDbVectorsObjectTable contour(
            {point(0, CDbMarkerPointObject::Curve), point(1, CDbMarkerPointObject::Corner),
             point(2, CDbMarkerPointObject::Curve), point(3, CDbMarkerPointObject::Corner),
             point(4, CDbMarkerPointObject::Curve)});
        CDbBlockHelper::normalizeContour(contour);
        QCOMPARE(contour[0].x, 3.0);
        QCOMPARE(contour[4].x, 2.0);
        const CDbVectorsObjectTable once = contour;
        CDbBlockHelper::normalizeContour(contour);
        QCOMPARE(contour, once);
    }

    // "EditBlock" records a change made by hand, and refuses one that broke the blocking.
    void editBlockRecordsValidChangesOnly()
    {
        PatternMarker m;
        CDbGrPolysObject* band = m.add(waistband(), {10, 20});
        QCOMPARE(block(m, band), short(0));
        band = groupAt(m, {12, 22});
        const Snapshot before = snapshot(m);
        auto* copy = band->clone(m.document->drawing(), true);
        const auto command = [&] {
            std::unique_ptr<AbstractCmd> c =
                CmdsManager::instance()->createCommand(QStringLiteral("EditBlock"));
            const short code = c->setDocument(
                m.document, {QVariant::fromValue<void*>(copy), QVariant::fromValue<void*>(band)});
            if (code == 0)
                m.document->undoStack()->push(c.release());
            return code;
        };
        QCOMPARE(command(), short(3));
        CDbVectorsObjectTable& contour = band->getPolygonLatestContour();
        const int corner = nearest(contour, {9, 19});
        contour[corner] = CDbMarkerPointObject(GeoPoint2D(30, 22), CDbMarkerPointObject::Corner);
        QCOMPARE(command(), CDbBlockHelper::kInvalidBlocking);
        contour[corner] = CDbMarkerPointObject(GeoPoint2D(5, 15), CDbMarkerPointObject::Corner);
        QCOMPARE(command(), short(0));
        QVERIFY(undoRedoRestores(m, before, snapshot(m)));
    }
};

MARKER_TEST(tst_Blocking)
#include "tst_Blocking.moc"
