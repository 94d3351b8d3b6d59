#include "laystore/LaystoreTestMarker.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "laystore/CDbLineObject.h"
#include "laystore/ops/CDbBlockHelper.h"
#include "laystore/ops/CDbCutDownHelper.h"
#include "laystore/ops/SemiAutomatic.h"
#include "laystore/ops/SpatialIndex.h"

#include "TestMain.h"
#include <QUndoStack>
#include <QtTest>
#include <functional>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

namespace {

// The index a document would build from scratch for what its layers hold now.
SpatialIndex freshIndex(const Marker& m)
{
    SpatialIndex index;
    for (short layer = 0; m.fabric->layer(layer); ++layer) {
        for (CDbAbstractObject* object : m.document->objects(m.fabric, layer))
            index.insert(object, 0, layer);
    }
    return index;
}

using Operation = std::function<void(Marker&, CDbGrPolysObject&, CDbTextObject&, CDbLineObject&)>;

void runCommand(Marker& m, const QString& name, const QList<QVariant>& parameters)
{
    std::unique_ptr<AbstractCmd> command = CmdsManager::instance()->createCommand(name);
    QCOMPARE(command->setDocument(m.document, parameters), short(0));
    m.document->undoStack()->push(command.release());
}

} // namespace

Q_DECLARE_METATYPE(Operation)

// Every change to a placed object, made directly or through a command and its undo and redo,
// keeps the document's index equal to one built afresh, so picks, overlaps and slides never
// work on stale boxes.
class tst_IndexFollowsChanges : public QObject
{
    Q_OBJECT

private slots:
    void indexEqualsAFreshOneAfterEveryChange_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::newRow("move") << Operation([](Marker&, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
            GeoPoint2D d(12, 30);
            g.translate(d);
        });
        QTest::newRow("turn and mirror")
            << Operation([](Marker&, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
                   g.rotate(90);
                   g.mirrorHorizontally();
                   g.mirrorVertically();
               });
        QTest::newRow("polygon added")
            << Operation([](Marker&, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
                   const std::unique_ptr<CDbGrPolysObject> band(makePiece(waistband(), {90, 60}));
                   g.addPolygon(band->polygon(0));
               });
        QTest::newRow("polygon naming no piece dropped")
            << Operation([](Marker& m, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
                   const std::unique_ptr<CDbGrPolysObject> band(makePiece(waistband(), {90, 60}));
                   CDbPolygon stray = band->polygon(0);
                   stray.setPieceIndex(9);
                   g.addPolygon(stray);
                   CDbPieceObject piece;
                   piece.addSize(CDbPieceSizeObject());
                   m.fabric->addPiece(piece);
                   short code = 1;
                   g.removeInvalidGrPolysID(m.document->drawing(), m.fabric, &code);
               });
        QTest::newRow("text edited") << Operation(
            [](Marker&, CDbGrPolysObject&, CDbTextObject& t, CDbLineObject&) {
                t.setLines({QStringLiteral("A much longer line"), QStringLiteral("and another")});
                t.setLetterSize(30);
                t.setAngle(45);
                t.setCenter({200, 20});
            });
        QTest::newRow("line moved") << Operation(
            [](Marker&, CDbGrPolysObject&, CDbTextObject&, CDbLineObject& l) {
                l.setPoints({0, 140}, {300, 145});
            });
        QTest::newRow("slid") << Operation(
            [](Marker& m, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
                short code = 1;
                const GeoPoint2D centre = g.boundingRect().center();
                SemiAutomatic::placementAccordingDirection(m.document->drawing(), SemiAutomatic::kSlideMode,
                                                           m.fabric, 0, &g, centre, centre + GeoPoint2D(1, 0),
                                                           &code);
            });
        QTest::newRow("change recorded after")
            << Operation([](Marker& m, CDbGrPolysObject& g, CDbTextObject& t, CDbLineObject&) {
                   CDbAbstractObject* before = g.clone(m.document->drawing(), true);
                   CDbAbstractObject* textBefore = t.clone(m.document->drawing(), true);
                   GeoPoint2D d(0, 90);
                   g.translate(d);
                   t.setCenter({10, 280});
                   m.document->pushReplaceCmdUndo({before, textBefore}, {&g, &t}, m.fabric, 0, QString());
               });
        QTest::newRow("replaced on push") << Operation([](Marker& m, CDbGrPolysObject& g, CDbTextObject&,
                                                          CDbLineObject&) {
            CDbAbstractObject* moved = g.clone(m.document->drawing(), true);
            GeoPoint2D d(150, 0);
            moved->translate(d);
            m.document->pushReplaceCmdUndo({&g}, {moved}, m.fabric, 0, QString(), DocumentMak::ApplyOnPush);
        });
        QTest::newRow("added and moved to the other layer")
            << Operation([](Marker& m, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
                   m.document->pushAddCmdUndo({makePiece(flyFacing(), {60, 100})}, m.fabric, 0, QString());
                   m.document->removePiece(&g, m.fabric, 0);
                   m.document->addPiece(&g, m.fabric, 1);
               });
        QTest::newRow("turned by a command") << Operation([](Marker& m, CDbGrPolysObject& g, CDbTextObject&,
                                                             CDbLineObject&) {
            runCommand(m, QStringLiteral("Rotate"), {1, QVariant::fromValue<QObject*>(&g), true, false});
            runCommand(m, QStringLiteral("Symmetry"), {1, QVariant::fromValue<QObject*>(&g), false, true});
        });
        QTest::newRow("cut down, position changed, taken apart") << Operation(
            [](Marker& m, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
                CDbGrPolysObject* leg = m.document->groups(m.fabric, 0).first();
                const QVariant v = QVariant::fromValue<void*>(leg), w = QVariant::fromValue<void*>(&g);
                runCommand(m, QStringLiteral("CutDown"), {1, v, w, 1, 0.0, 1, 0.0});
                CDbGrPolysObject* pair = m.document->groups(m.fabric, 0).first();
                CDbAbstractObject* before = pair->clone();
                QCOMPARE(CDbCutDownHelper::cutDownPolys(*pair, CDbCutDownObject(0, 2.0, 2, 3.0), kLayerWidth),
                         CDbCutDownHelper::Success);
                m.document->pushReplaceCmdUndo({before}, {pair}, m.fabric, 0, QString());
                runCommand(
                    m, QStringLiteral("UnCutDown"),
                    {1, QVariant::fromValue<void*>(pair), QVariant::fromValue<void*>(&pair->polygon(1))});
            });
        QTest::newRow("blocked, edited and fused")
            << Operation([](Marker& m, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
                   CDbPieceObject piece;
                   piece.addSize(CDbPieceSizeObject());
                   m.fabric->addPiece(piece);
                   GeoPoint2D up(20, 40);
                   g.translate(up);
                   short code = 1;
                   CDbBlockHelper::blockingInFabric(m.document, 1, m.fabric, 0, &g, &code);
                   CDbGrPolysObject* blocked = m.document->groups(m.fabric, 0).last();
                   GeoPoint2D out(-3, -3);
                   CDbBlockHelper::dragControlPoints(blocked, m.fabric, 0, {0}, out);
                   const GeoRectangle box = blocked->boundingRect();
                   CDbGrPolysObject* neighbour = m.add(pocketBag(), {box.xmax + 0.5, box.ymin + 1.0});
                   CDbBlockHelper::blockingInFabric(m.document, 1, m.fabric, 0, neighbour, &code);
               });
        QTest::newRow("fused and one piece taken out")
            << Operation([](Marker& m, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
                   CDbPieceObject piece;
                   piece.addSize(CDbPieceSizeObject());
                   m.fabric->addPiece(piece);
                   GeoPoint2D up(0, 40);
                   g.translate(up);
                   short code = 1;
                   CDbBlockHelper::blockingInFabric(m.document, 1, m.fabric, 0, &g, &code);
                   CDbGrPolysObject* neighbour = m.add(pocketBag(), {49.5, 40});
                   CDbBlockHelper::blockingInFabric(m.document, 1, m.fabric, 0, neighbour, &code);
                   CDbGrPolysObject* fused = m.document->groups(m.fabric, 0).last();
                   CDbBlockHelper::takeOutOfBlocking(m.document, m.fabric, 0, fused, {38, 50}, &code);
               });
        QTest::newRow("cutter's marks and punch holes") << Operation(
            [](Marker& m, CDbGrPolysObject& g, CDbTextObject&, CDbLineObject&) {
                CDbMarkerPointObject between(60, 60);
                runCommand(m, QStringLiteral("Sequence"), {QVariant::fromValue<void*>(&g)});
                runCommand(m, QStringLiteral("ChangeStartPoint"), {QVariant::fromValue<void*>(&g), 3});
                runCommand(m, QStringLiteral("AddPunchHole"), {QVariant::fromValue<void*>(&between), true});
                runCommand(m, QStringLiteral("AddPunchHole"), {QVariant::fromValue<void*>(&between), false});
                CDbAbstractObject* before = g.clone(m.document->drawing(), true);
                g.setConvertNotch(true);
                m.document->pushReplaceCmdUndo({before}, {&g}, m.fabric, 0, QString());
            });
    }

    void indexEqualsAFreshOneAfterEveryChange()
    {
        QFETCH(Operation, operation);
        Marker m;
        m.add(frontLeg(), {0, 0});
        CDbGrPolysObject* pocket = m.add(pocketBag(), {30, 0});
        CDbTextObject* text = m.addText({QStringLiteral("Lot 12")}, {120, 50});
        auto* line = new CDbLineObject;
        line->setPoints({0, 150}, {100, 150});
        m.document->addPiece(line, m.fabric, 0);

        operation(m, *pocket, *text, *line);
        QVERIFY(m.document->spatialIndex() == freshIndex(m));
        QUndoStack& undo = *m.document->undoStack();
        for (int round = 0; round < 2; ++round) {
            while (undo.canUndo()) {
                undo.undo();
                QVERIFY(m.document->spatialIndex() == freshIndex(m));
            }
            while (undo.canRedo()) {
                undo.redo();
                QVERIFY(m.document->spatialIndex() == freshIndex(m));
            }
        }
    }
};

MARKER_TEST(tst_IndexFollowsChanges)
#include "tst_IndexFollowsChanges.moc"
