#include "laystore/LaystoreTestMarker.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "VelGeo/GeoRegion.h"
#include "laystore/ops/CDbCutDownHelper.h"

#include "TestMain.h"
#include <QUndoStack>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

namespace {

QVariant ptr(const void* p)
{
    return QVariant::fromValue(const_cast<void*>(p));
}

short runCutDown(Marker& m, CDbGrPolysObject* a, CDbGrPolysObject* b, const CDbCutDownObject& p)
{
    std::unique_ptr<AbstractCmd> command = CmdsManager::instance()->createCommand(QStringLiteral("CutDown"));
    const short code = command->setDocument(
        m.document, {1, ptr(a), ptr(b), int(p.verticalAxis), p.offsetX, int(p.horizontalAxis), p.offsetY});
    if (code == 0)
        m.document->undoStack()->push(command.release());
    return code;
}

} // namespace

// Cut-down pairs as a cutter needs them: the second piece laid over the first where the
// position says, one union cut for both, taken apart into the pieces they were.
class tst_CutDown : public QObject
{
    Q_OBJECT

private slots:
    void pairLaysTheSecondPieceAndCutsTheUnion_data()
    {
        QTest::addColumn<int>("vertical");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<double>("offsetX");
        QTest::addColumn<double>("offsetY");
        QTest::newRow("centres") << 1 << 1 << 0.0 << 0.0;
        QTest::newRow("left and top, offset") << 0 << 0 << 3.0 << -10.0;
        QTest::newRow("right and bottom, sticking out") << 2 << 2 << 12.0 << 0.0;
    }
    void pairLaysTheSecondPieceAndCutsTheUnion()
    {
        QFETCH(int, vertical);
        QFETCH(int, horizontal);
        QFETCH(double, offsetX);
        QFETCH(double, offsetY);
        Marker m;
        CDbGrPolysObject* leg = m.add(frontLeg(), {0, 10});
        CDbGrPolysObject* pocket = m.add(pocketBag(), {60, 10});
        const GeoRectangle a = leg->boundingRect(), b = pocket->boundingRect();
        const Snapshot before = snapshot(m);
        QCOMPARE(runCutDown(m, leg, pocket, CDbCutDownObject(vertical, offsetX, horizontal, offsetY)),
                 short(0));

        const QListEx<CDbGrPolysObject*> groups = m.document->groups(m.fabric, 0);
        QCOMPARE(groups.size(), 1);
        const CDbGrPolysObject& pair = *groups.first();
        const GeoRectangle laid = pair.polygon(1).pieceOutline().boundingRect();
        const double x[3] = {laid.xmin - a.xmin, laid.center().x - a.center().x, laid.xmax - a.xmax};
        const double y[3] = {laid.ymax - a.ymax, laid.center().y - a.center().y, laid.ymin - a.ymin};
        QVERIFY(qAbs(x[vertical] - offsetX) < 1e-9 && qAbs(y[horizontal] - offsetY) < 1e-9);
        QCOMPARE(laid.width(), b.width());

        // One knife outline for both, the union; the area counts the overlap once.
        const CDbContourObject& contours = pair.polygon(0).contours();
        QCOMPARE(contours.origin(contours.count() - 1), CDbContourObject::CutDownUnion);
        const GeoRegion united = GeoRegion::unite(pair.pieceOutlines());
        QVERIFY(qAbs(pair.area() - united.area()) < 1e-6);
        QVERIFY(qAbs(m.document->markerLength() - united.boundingRect().xmax) < 1e-9);
        QCOMPARE(m.document->findOverlaps(), 0);
        QVERIFY(undoRedoRestores(m, before, snapshot(m)));
    }

    void refusedPairChangesNothing_data()
    {
        QTest::addColumn<int>("problem");
        QTest::newRow("same piece") << 0;
        QTest::newRow("already paired") << 1;
        QTest::newRow("blocked") << 2;
        QTest::newRow("other layer") << 3;
        QTest::newRow("union leaves the fabric") << 4;
        QTest::newRow("pieces would not meet") << 5;
    }
    void refusedPairChangesNothing()
    {
        QFETCH(int, problem);
        Marker m;
        CDbGrPolysObject* leg = m.add(frontLeg(), {0, 40});
        CDbGrPolysObject* pocket = m.add(pocketBag(), {60, 0});
        CDbGrPolysObject* other = m.add(waistband(), {100, 0}, problem == 3 ? 1 : 0);
        CDbCutDownObject position;
        if (problem == 1)
            QCOMPARE(runCutDown(m, leg, pocket, position), short(0));
        if (problem == 2)
            leg->polygon(0).contours().addContour(leg->polygon(0).pieceOutline(), CDbContourObject::Blocking);
        if (problem == 4)
            position = CDbCutDownObject(1, 0.0, 0, 40.0);
        if (problem == 5)
            position = CDbCutDownObject(2, 80.0, 1, 0.0);
        CDbGrPolysObject* first = m.document->groups(m.fabric, 0).first();
        CDbGrPolysObject* second = problem == 0 ? first : other;
        const Snapshot before = snapshot(m);
        const int commands = m.document->undoStack()->count();
        QVERIFY(runCutDown(m, first, second, position) != 0);
        QVERIFY(matches(m, before));
        QCOMPARE(m.document->undoStack()->count(), commands);
    }

    void takenApartPiecesAreThePiecesThatWerePaired()
    {
        Marker m;
        CDbGrPolysObject* leg = m.add(frontLeg(), {0, 10});
        m.add(pocketBag(), {60, 10});
        const Snapshot original = snapshot(m);
        QCOMPARE(runCutDown(m, leg, m.document->groups(m.fabric, 0).last(), CDbCutDownObject(0, 1.5, 2, 2.0)),
                 short(0));
        CDbGrPolysObject* pair = m.document->groups(m.fabric, 0).first();
        std::unique_ptr<AbstractCmd> apart =
            CmdsManager::instance()->createCommand(QStringLiteral("UnCutDown"));
        QCOMPARE(apart->setDocument(m.document, {1, ptr(pair), ptr(&pair->polygon(0))}), short(0));
        m.document->undoStack()->push(apart.release());
        const QListEx<CDbGrPolysObject*> groups = m.document->groups(m.fabric, 0);
        QCOMPARE(groups.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const auto& was = static_cast<const CDbGrPolysObject&>(*original[static_cast<size_t>(i)]);
            QCOMPARE(groups[i]->polygon(0).contours().count(), 1);
            QVERIFY(groups[i]->polygon(0).cutDownPartner() < 0);
            QVERIFY(qAbs(groups[i]->boundingRect().xmin - was.boundingRect().xmin) < 1e-9);
            QVERIFY(qAbs(groups[i]->boundingRect().ymin - was.boundingRect().ymin) < 1e-9);
        }
    }

    void positionLeavingTheFabricKeepsThePair()
    {
        Marker m;
        CDbGrPolysObject* leg = m.add(frontLeg(), {0, 10});
        QCOMPARE(runCutDown(m, leg, m.add(pocketBag(), {60, 10}), CDbCutDownObject()), short(0));
        CDbGrPolysObject* pair = m.document->groups(m.fabric, 0).first();
        const std::unique_ptr<CDbAbstractObject> before(pair->clone());
        QCOMPARE(CDbCutDownHelper::cutDownPolys(*pair, CDbCutDownObject(1, 0.0, 2, -20.0), kLayerWidth),
                 CDbCutDownHelper::LeavesFabric);
        QVERIFY(pair->sameContent(*before));
        QCOMPARE(CDbCutDownHelper::cutDownPolys(*pair, CDbCutDownObject(1, 0.0, 2, 0.0), kLayerWidth),
                 CDbCutDownHelper::Success);
        QCOMPARE(pair->polygon(1).pieceOutline().boundingRect().ymin, 10.0);
    }
};

MARKER_TEST(tst_CutDown)
#include "tst_CutDown.moc"
