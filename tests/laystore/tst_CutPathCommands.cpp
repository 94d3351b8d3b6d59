#include "gui/GuiTestDoubles.h"
#include "laystore/LaystoreTestMarker.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "laystore/CDbPunchHoleObject.h"

#include "TestMain.h"

#include <QtTest>
#include <functional>

using namespace VelSystem;
using namespace VelSystem::LaystoreTest;

namespace {

// Leg A's outline from (1, 0): 1 corner, 2 notch (13, 0), 3 (25, 0), 4 (27, 30), ...
const GeoPoint2D kLegCorner(27, 30);
const GeoPoint2D kDrillMiddle(13, 50);

QVariant pointer(const void* p)
{
    return QVariant::fromValue(const_cast<void*>(p));
}

} // namespace

class tst_CutPathCommands : public QObject
{
    Q_OBJECT

    // Runs the named command as a tool would; the code it answered.
    short run(const QString& name, const QList<QVariant>& parameters)
    {
        std::unique_ptr<AbstractCmd> command = CmdsManager::instance()->createCommand(name);
        const short code = command->setDocument(m->document, parameters);
        if (code == 0)
            m->document->undoStack()->push(command.release());
        return code;
    }
    short click(const QString& name, const GeoPoint2D& at, bool add = true, bool shiftAlt = false)
    {
        CDbMarkerPointObject point(at);
        return run(name, {pointer(&point), add, shiftAlt});
    }
    short punch(const GeoPoint2D& at, bool add = true)
    {
        CDbMarkerPointObject point(at);
        return run("AddPunchHole", {pointer(&point), add});
    }
    int flagged(PointFeature::Flag feature) const
    {
        for (int i = 0; i < leg->polygon(0).cutOutline().size(); ++i) {
            if (leg->polygon(0).cutOutline()[i].hasFeature(feature))
                return i + 1;
        }
        return 0;
    }
    int holes() const
    {
        int count = 0;
        for (CDbAbstractObject* object : m->document->objects(m->fabric, 0))
            count += qobject_cast<CDbPunchHoleObject*>(object) ? 1 : 0;
        return count;
    }

private slots:
    void init()
    {
        m = std::make_unique<Marker>();
        leg = m->add(frontLeg(), {0, 0});
        bag = m->add(pocketBag(), {40, 0});
        band = m->add(waistband(), {70, 0});
        CDbVectorsObjectTable drill;
        for (double x : {8.0, 13.0, 18.0})
            drill.append(CDbMarkerPointObject(x, 50.0));
        leg->polygon(0).addInternalSegment(CDbInternalSegment(CDbInternalSegment::DrillLine, drill));
        leg->emitChanged();
        m->document->drawing()->setFirstClick(true);
    }
    void cleanup() { m.reset(); }

    // Each change lands where it was aimed, and undo and redo give back exactly the marker
    // before and after it.
    void changesAndUndoesExactly_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("sequence") << 0;
        QTest::newRow("start point") << 1;
        QTest::newRow("lift and plunge") << 2;
        QTest::newRow("symmetrical pair") << 3;
        QTest::newRow("internal start") << 4;
        QTest::newRow("punch hole") << 5;
        QTest::newRow("punch hole removed") << 6;
        QTest::newRow("lift and plunge cleared with Shift and Alt") << 7;
        QTest::newRow("internal start moved along its segment") << 8;
        QTest::newRow("internal starts cleared with Shift and Alt") << 9;
    }
    void changesAndUndoesExactly()
    {
        QFETCH(int, row);
        using Step = std::function<void()>;
        const std::vector<std::pair<Step, std::function<bool()>>> rows = {
            {[&] { QCOMPARE(run("Sequence", {pointer(band)}), short(0)); },
             [&] { return band->getPolygonCutRank() == 1 && leg->getPolygonCutRank() == 2; }},
            {[&] {
                 QCOMPARE(run("ChangeStartPoint", {pointer(leg), 4}), short(0));
             },
             [&] { return leg->polygon(0).knifeStartIndex() == 3; }},
            {[&] { QCOMPARE(click("LiftPlunge", kLegCorner + GeoPoint2D(0.3, 0.2)), short(0)); },
             [&] { return flagged(PointFeature::LiftPlunge) == 4; }},
            {[&] {
                 QCOMPARE(run("SymmetricalCut", {pointer(&leg->polygon(0)), true, 3}), short(0));
                 QCOMPARE(run("SymmetricalCut", {pointer(&leg->polygon(0)), true, 6}), short(0));
             },
             [&] {
                 return leg->polygon(0).symmetricalStartIndex() == 2 &&
                        leg->polygon(0).symmetricalEndIndex() == 5;
             }},
            {[&] { QCOMPARE(click("InternalStartPoint", kDrillMiddle), short(0)); },
             [&] { return leg->polygon(0).internalSegments()[0].startIndex() == 1; }},
            {[&] {
                 QCOMPARE(punch({34, 60}), short(0));
             },
             [&] { return holes() == 1; }},
            {[&] {
                 QCOMPARE(punch({34, 60}), short(0));
                 QCOMPARE(punch({34.2, 60}, false), short(0));
             },
             [&] { return holes() == 0; }},
            {[&] {
                 QCOMPARE(click("LiftPlunge", kLegCorner), short(0));
                 QCOMPARE(click("LiftPlunge", {10, 20}, false, true), short(0));
             },
             [&] { return flagged(PointFeature::LiftPlunge) == 0; }},
            {[&] {
                 QCOMPARE(click("InternalStartPoint", kDrillMiddle), short(0));
                 QCOMPARE(click("InternalStartPoint", {18, 50}), short(0));
             },
             [&] {
                 const CDbInternalSegment& drill = leg->polygon(0).internalSegments()[0];
                 return drill.startIndex() == 2 && !drill.points()[1].hasFeature(PointFeature::InternalStart);
             }},
            {[&] {
                 QCOMPARE(click("InternalStartPoint", kDrillMiddle), short(0));
                 QCOMPARE(click("InternalStartPoint", {10, 20}, false, true), short(0));
             },
             [&] { return !leg->polygon(0).internalSegments()[0].hasStartPoint(); }},
        };
        const Snapshot before = snapshot(*m);
        rows[static_cast<size_t>(row)].first();
        QVERIFY(rows[static_cast<size_t>(row)].second());
        const Snapshot after = snapshot(*m);
        m->document->undoStack()->undo();
        const Snapshot middle = snapshot(*m);
        m->document->undoStack()->redo();
        QVERIFY(undoRedoRestores(*m, middle, after));
        while (m->document->undoStack()->canUndo())
            m->document->undoStack()->undo();
        QVERIFY(matches(*m, before));
    }

    // What makes no sense is refused with a message and changes nothing.
    void refusesWithAMessage_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("message");
        QTest::newRow("a start point on a notch") << 0 << "The knife cannot start on a notch.";
        QTest::newRow("a start point off the outline")
            << 1 << "The knife's starting point must be a point of the piece's outline.";
        QTest::newRow("a symmetrical cut ending where it starts")
            << 2 << "A symmetrical cut must end at another point than where it starts.";
        QTest::newRow("a punch hole inside a piece")
            << 3 << "A punch hole cannot go inside a piece or on its outline.";
        QTest::newRow("a punch hole off the fabric") << 4 << "A punch hole must lie on the fabric.";
        QTest::newRow("removing a lift and plunge point that is not there")
            << 5 << "There is no lift and plunge point here.";
        QTest::newRow("lifting where the knife starts")
            << 6 << "The knife starts at this point: it cannot lift and plunge there.";
    }
    void refusesWithAMessage()
    {
        QFETCH(int, row);
        QFETCH(QString, message);
        if (row == 2)
            QCOMPARE(run("SymmetricalCut", {pointer(&leg->polygon(0)), true, 3}), short(0));
        const Snapshot before = snapshot(*m);
        const int steps = m->document->undoStack()->count();
        RecordingSink sink;
        const std::vector<std::function<short()>> refused = {
            [&] {
                return run("ChangeStartPoint", {pointer(leg), 2});
            },
            [&] {
                return run("ChangeStartPoint", {pointer(leg), 99});
            },
            [&] {
                return run("SymmetricalCut", {pointer(&leg->polygon(0)), true, 3});
            },
            [&] {
                return punch({10, 40});
            },
            [&] {
                return punch({34, 149.9});
            },
            [&] { return click("LiftPlunge", kLegCorner, false); },
            [&] {
                return click("LiftPlunge", {1, 0});
            },
        };
        QCOMPARE(refused[static_cast<size_t>(row)](), short(2));
        QCOMPARE(sink.messages, QStringList{message});
        QCOMPARE(m->document->undoStack()->count(), steps);
        QVERIFY(matches(*m, before));
    }

    // A click on an unknown object or a list of the wrong shape is a bad parameter, not a crash.
    void rejectsForeignParameters()
    {
        CDbGrPolysObject stranger;
        RecordingSink sink;
        QCOMPARE(run("Sequence", {pointer(&stranger)}), short(1));
        QCOMPARE(run("ChangeStartPoint", {pointer(leg)}), short(1));
        QCOMPARE(run("SymmetricalCut", {pointer(&stranger), true, 1}), short(1));
        QCOMPARE(run("LiftPlunge", {pointer(nullptr), true, false}), short(1));
        QVERIFY(sink.messages.isEmpty());
    }

    // Clicking pieces one after the other orders them, each after the one before; the cut
    // view's choice makes the order go on from the piece chosen.
    void sequenceFollowsTheClicks()
    {
        QCOMPARE(run("Sequence", {pointer(band)}), short(0));
        QCOMPARE(run("Sequence", {pointer(leg)}), short(0));
        QCOMPARE(run("Sequence", {pointer(bag)}), short(0));
        QCOMPARE(m->fabric->groupsInCutOrder(0), (QListEx<CDbGrPolysObject*>{band, leg, bag}));
        short code = -1;
        m->fabric->selectGrPolysFromCutView(0, band, &code);
        QCOMPARE(code, short(0));
        // Another tool's current group is no place in the cut order.
        m->fabric->putFirstGroupOfLayer(0, leg);
        QCOMPARE(run("Sequence", {pointer(bag)}), short(0));
        QCOMPARE(m->fabric->groupsInCutOrder(0), (QListEx<CDbGrPolysObject*>{band, bag, leg}));
        m->document->undoStack()->undo();
        QCOMPARE(m->fabric->layer(0)->cutOrderGroup(), band);
        QCOMPARE(m->fabric->groupsInCutOrder(0), (QListEx<CDbGrPolysObject*>{band, leg, bag}));
    }

private:
    std::unique_ptr<Marker> m;
    CDbGrPolysObject* leg = nullptr;
    CDbGrPolysObject* bag = nullptr;
    CDbGrPolysObject* band = nullptr;
};

MARKER_TEST(tst_CutPathCommands)
#include "tst_CutPathCommands.moc"
