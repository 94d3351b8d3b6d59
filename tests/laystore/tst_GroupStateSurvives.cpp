#include "laystore/LaystoreTestMarker.h"

#include "VelCore/CmdsManager.h"
#include "laystore/commands/GroupTransformCmd.h"

#include "TestMain.h"
#include <QtTest>
#include <functional>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

namespace {

// One field of a group's state per row, given a value other than its default; `kept` tells
// whether a group still carries it. A field added to the group or its polygons gets a row.
struct Field
{
    const char* name;
    std::function<void(CDbGrPolysObject&)> set;
    std::function<bool(const CDbGrPolysObject&)> kept;
};

CDbVectorsObjectTable boxAround(const CDbGrPolysObject& group)
{
    const GeoRectangle r = group.boundingRect();
    CDbVectorsObjectTable box;
    for (const GeoPoint2D& p :
         {r.leftBottom(), GeoPoint2D(r.xmax, r.ymin), r.rightTop(), GeoPoint2D(r.xmin, r.ymax)})
        box.append(CDbMarkerPointObject(p));
    return box;
}

const Field kFields[] = {
    {"contour origin",
     [](CDbGrPolysObject& g) {
         g.polygon(0).contours().addContour(boxAround(g), CDbContourObject::Blocking);
     },
     [](const CDbGrPolysObject& g) {
         return g.polygon(0).contours().count() == 2 &&
                g.polygon(0).contours().origin(1) == CDbContourObject::Blocking;
     }},
    {"blocking polygon",
     [](CDbGrPolysObject& g) {
         CDbPolygon block;
         block.setBlocking(true);
         block.contours().addContour(boxAround(g));
         g.addPolygon(block);
     },
     [](const CDbGrPolysObject& g) { return g.polygonCount() == 2 && g.polygon(1).isBlocking(); }},
    {"piece's own blocking",
     [](CDbGrPolysObject& g) {
         CDbBlockingObject& b = g.polygon(0).blocking();
         b.setBlockingKind(CDbBlockingObject::Single);
         b.setBlockingStatus(CDbBlockingObject::ByHand);
         b.setManualEditMark(true);
         b.setEdgeSnap(true, 150.0);
         b.setFusionState(1);
     },
     [](const CDbGrPolysObject& g) {
         const CDbBlockingObject& b = g.polygon(0).blocking();
         return b.blockingKind() == CDbBlockingObject::Single &&
                b.blockingStatus() == CDbBlockingObject::ByHand && b.manualEditMark() && b.edgeSnapFlag() &&
                b.edgeSnapValue() == 150.0 && b.fusionState() == 1;
     }},
    {"fusion",
     [](CDbGrPolysObject& g) {
         CDbPolygon block;
         block.setBlocking(true);
         block.contours().addContour(boxAround(g), CDbContourObject::Blocking);
         g.addPolygon(block);
         g.setBlockingFusionIndex(1);
         g.setContourEditFlag(true);
         g.setManualEditMark(true);
     },
     [](const CDbGrPolysObject& g) {
         return g.blockingFusion() == &g.polygon(1) && g.contourEditFlag() && g.manualEditMark();
     }},
    {"cut rank", [](CDbGrPolysObject& g) { g.polygon(0).setPolygonCutRank(4); },
     [](const CDbGrPolysObject& g) { return g.polygon(0).getPolygonCutRank() == 4; }},
    {"internal segment",
     [](CDbGrPolysObject& g) {
         CDbVectorsObjectTable dart;
         const GeoPoint2D c = g.boundingRect().center();
         for (const GeoPoint2D& p : {c - GeoPoint2D(1, 2), c, c + GeoPoint2D(1, -2)})
             dart.append(CDbMarkerPointObject(p));
         dart[1].setFeature(PointFeature::InternalStart, true);
         g.polygon(0).addInternalSegment(CDbInternalSegment(CDbInternalSegment::Dart, dart));
     },
     [](const CDbGrPolysObject& g) {
         const std::vector<CDbInternalSegment>& segments = g.polygon(0).internalSegments();
         return segments.size() == 1 && segments[0].kind() == CDbInternalSegment::Dart &&
                segments[0].startIndex() == 1;
     }},
    {"point state",
     [](CDbGrPolysObject& g) {
         CDbMarkerPointObject& p = g.polygon(0).contours().lastContour()[1];
         p.setNotchState(CDbMarkerPointObject::NotchConverted);
         p.setFeatures(PointFeature::StartPoint | PointFeature::LinkVector);
     },
     [](const CDbGrPolysObject& g) {
         const CDbMarkerPointObject& p = g.polygon(0).pieceOutline()[1];
         return p.notchState() == CDbMarkerPointObject::NotchConverted &&
                p.features() == (PointFeature::StartPoint | PointFeature::LinkVector);
     }},
    {"cut-down pair",
     [](CDbGrPolysObject& g) {
         CDbPolygon second = g.polygon(0);
         second.setCutDownPartner(0);
         second.setCutDownReturn({3, 4});
         g.polygon(0).setCutDownPartner(1);
         g.polygon(0).setCutDownPosition(CDbCutDownObject(2, 1.5, 0, -1.0));
         g.addPolygon(second);
     },
     [](const CDbGrPolysObject& g) {
         return g.polygonCount() == 2 && g.polygon(0).cutDownPartner() == 1 &&
                g.polygon(1).cutDownPartner() == 0 &&
                *g.polygon(0).cutDownPosition() == CDbCutDownObject(2, 1.5, 0, -1.0) &&
                qAbs(g.polygon(1).cutDownReturn().module() - 5.0) < 1e-12;
     }},
    {"cut-down mark", [](CDbGrPolysObject& g) { g.setCutDownMark(true); },
     [](const CDbGrPolysObject& g) { return g.cutDownMark(); }},
    {"angle-cut part", [](CDbGrPolysObject& g) { g.polygon(0).setAngleCutPart(2); },
     [](const CDbGrPolysObject& g) { return g.polygon(0).angleCutPart() == 2; }},
};

} // namespace

class tst_GroupStateSurvives : public QObject
{
    Q_OBJECT

private slots:
    void dragTurnMirrorUndoRedo_data()
    {
        QTest::addColumn<int>("field");
        for (int i = 0; i < int(std::size(kFields)); ++i)
            QTest::newRow(kFields[i].name) << i;
    }

    void dragTurnMirrorUndoRedo()
    {
        QFETCH(int, field);
        const Field& f = kFields[field];
        Marker m;
        f.set(*m.add(pocketBag(), {40, 10}));
        const Snapshot start = snapshot(m);
        QUndoStack* stack = m.document->undoStack();

        // A drag ends with the moved preview taking the group's place, as the pointer does it.
        CDbGrPolysObject* group = m.document->groups(m.fabric, 0).first();
        CDbGrPolysObject* moved = group->clone(m.document->drawing(), true);
        GeoPoint2D delta(30, 5);
        moved->translate(delta);
        m.document->pushReplaceCmdUndo({group}, {moved}, m.fabric, 0, QStringLiteral("Move"),
                                       DocumentMak::ApplyOnPush);
        for (const QString& name : {QStringLiteral("Rotate"), QStringLiteral("Symmetry")}) {
            auto command = CmdsManager::instance()->createCommand(name);
            QCOMPARE(command->setDocument(m.document, {GroupTransformCmd::Undoable,
                                                       QVariant::fromValue<QObject*>(moved), true, false}),
                     short(0));
            stack->push(command.release());
        }
        QVERIFY(f.kept(*m.document->groups(m.fabric, 0).first()));
        const Snapshot done = snapshot(m);

        while (stack->canUndo())
            stack->undo();
        QVERIFY(matches(m, start));
        while (stack->canRedo())
            stack->redo();
        QVERIFY(matches(m, done));
        QVERIFY(f.kept(*m.document->groups(m.fabric, 0).first()));
    }
};

MARKER_TEST(tst_GroupStateSurvives)
#include "tst_GroupStateSurvives.moc"
