#include "tools/ToolTestView.h"

#include "SelectRubberBand.h"
#include "ToolMagnetic.h"

#include "VelCore/InfoBox.h"
#include "laystore/CMarkerSelection.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QUndoStack>
#include <QVector>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

namespace {

// The pocket pattern of the test marker.
constexpr short kPocketPattern = 1;

// The magnetic tool on the test view, with two pockets side by side in the middle of the
// shown fabric area and nothing selected. Empty fabric lies above them.
struct MagneticView : ToolTestView
{
    MagneticView() : ToolTestView("magnetic")
    {
        first = addPocket({70.0, 40.0});
        second = addPocket({95.0, 40.0});
        marker.document->deselectAll(false, false);
    }

    int indexOf(CDbAbstractObject* object) const
    {
        return marker.document->objects(marker.fabric, 0).indexOf(object);
    }

    CDbAbstractObject* addPocket(const GeoPoint2D& leftBottom)
    {
        CDbAbstractObject* pocket =
            LaystoreTest::makePiece(LaystoreTest::pocketBag(), leftBottom, kPocketPattern);
        marker.document->addPiece(pocket, marker.fabric, 0);
        return pocket;
    }

    void select(const QListEx<CDbAbstractObject*>& objects)
    {
        CMarkerSelection(marker.document.get(), objects).apply();
    }

    QList<SelectRubberBand*> bands() const { return view.findChildren<SelectRubberBand*>(); }
    bool busy() const { return tool->isBusy(); }
    // A free spot of fabric, `offset` pixels away from a fixed point above the pockets.
    GeoPoint2D empty(const QPoint& offset = QPoint()) const { return at(pixel({60.0, 100.0}) + offset); }

    CDbAbstractObject* first = nullptr;
    CDbAbstractObject* second = nullptr;
};

GeoPoint2D centre(const CDbAbstractObject* object)
{
    return object->boundingRect().center();
}

GeoRectangle bounds(const QList<CDbAbstractObject*>& objects)
{
    GeoRectangle box;
    for (const CDbAbstractObject* object : objects)
        box.include(object->boundingRect());
    return box;
}

// The distance, dx and dy the information box shows; empty while it shows none of them.
QVector<double> shownDrag()
{
    const InfoBox* box = GetInfoBox();
    QVector<double> values;
    for (int field : {InfoBox::Distance, InfoBox::Dx, InfoBox::Dy}) {
        if (box->hasValue(field))
            values << box->value(field);
    }
    return values;
}

QVector<double> dragBy(const GeoPoint2D& total)
{
    return {total.module(), total.x, total.y};
}

} // namespace

class tst_ToolMagnetic : public QObject
{
    Q_OBJECT

private slots:
    void dragCentresTheSelectionUnderTheCursorAsOneUndoableMove_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one pocket") << 1;
        QTest::newRow("two pockets") << 2;
    }

    void dragCentresTheSelectionUnderTheCursorAsOneUndoableMove()
    {
        QFETCH(int, count);
        MagneticView v;
        const QList<CDbAbstractObject*> dragged = QList<CDbAbstractObject*>{v.first, v.second}.mid(0, count);
        v.select(dragged);
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);
        QList<int> indexes;
        for (CDbAbstractObject* object : dragged)
            indexes << v.indexOf(object);
        const GeoPoint2D centreAtPress = bounds(dragged).center();

        // A press away from the selection keeps it and draws nothing.
        QVERIFY(v.press(v.empty()));
        QVERIFY(!v.busy());
        QVERIFY(v.dragPreviews().isEmpty());
        QCOMPARE(v.selection(), QListEx<CDbAbstractObject*>(dragged));

        const GeoPoint2D nudge = v.empty(QPoint(2, 1));
        QVERIFY(v.move(nudge));
        QVERIFY(v.busy());
        QCOMPARE(v.dragPreviews().size(), count);
        QCOMPARE(bounds(v.dragPreviews()).center(), nudge);
        QCOMPARE(bounds(dragged).center(), centreAtPress);
        QCOMPARE(shownDrag(), dragBy(nudge - centreAtPress));

        // From then on the previews keep to the cursor.
        const GeoPoint2D drop = v.empty(QPoint(-30, -12));
        QVERIFY(v.move(drop));
        QCOMPARE(bounds(v.dragPreviews()).center(), drop);
        QCOMPARE(shownDrag(), dragBy(drop - centreAtPress));

        v.expectDragRecorded();
        QVERIFY(v.release(drop));
        QVERIFY(!v.busy());
        QVERIFY(v.dragPreviews().isEmpty());
        QVERIFY(shownDrag().isEmpty());
        QCOMPARE(v.undo().count(), 1);
        const auto movedBounds = [&v, &indexes] {
            QList<CDbAbstractObject*> moved;
            for (int index : indexes)
                moved << v.objectAt(index);
            return bounds(moved);
        };
        QCOMPARE(movedBounds().center(), drop);

        v.undo().undo();
        QVERIFY(LaystoreTest::matches(v.marker, before));
        v.undo().redo();
        QCOMPARE(movedBounds().center(), drop);
    }

    void dragEnds_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("overlapsSearched");
        QTest::newRow("release") << "release" << false;
        QTest::newRow("release with Enter held") << "enter held" << true;
        QTest::newRow("Enter") << "enter" << true;
    }

    void dragEnds()
    {
        QFETCH(QString, ending);
        QFETCH(bool, overlapsSearched);
        MagneticView v;
        v.select({v.first});
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);
        const int index = v.indexOf(v.first);
        // Two pockets of the test marker overlap; nothing has looked for it yet.
        QCOMPARE(v.marker.document->overlapCount(), 0);

        v.press(v.empty());
        QVERIFY(!v.busy());
        const GeoPoint2D drop = v.empty(QPoint(8, -8));
        v.move(drop);
        QVERIFY(v.busy());

        v.expectDragRecorded();
        if (ending == "release") {
            QVERIFY(v.release(drop));
        } else if (ending == "enter held") {
            KeyboardMonitor::instance().setKeyPressed(Qt::Key_Enter, true);
            QVERIFY(v.release(drop));
        } else {
            v.key(Qt::Key_Enter, true);
            // The gesture is over: its release finds nothing left to do.
            QVERIFY(!v.release(drop));
        }

        QVERIFY(!v.busy());
        QVERIFY(v.dragPreviews().isEmpty());
        QVERIFY(shownDrag().isEmpty());
        QCOMPARE(v.undo().count(), 1);
        QCOMPARE(v.marker.document->overlapCount() > 0, overlapsSearched);
        QCOMPARE(centre(v.objectAt(index)), drop);
        v.undo().undo();
        QVERIFY(LaystoreTest::matches(v.marker, before));
        // A later move belongs to no gesture.
        QVERIFY(!v.move(v.empty(QPoint(30, 0))));
        QVERIFY(v.dragPreviews().isEmpty());
    }

    void shiftOrMoveLockKeepsTheSelectionInPlace_data()
    {
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("lock");
        QTest::newRow("Shift") << true << int(CDbMarkerDrawing::LockNone);
        QTest::newRow("placement locked") << false << int(CDbMarkerDrawing::LockPlacement);
        QTest::newRow("matching locked") << false << int(CDbMarkerDrawing::LockMatching);
    }

    void shiftOrMoveLockKeepsTheSelectionInPlace()
    {
        QFETCH(bool, shift);
        QFETCH(int, lock);
        MagneticView v;
        v.marker.document->drawing()->setLockFlags(lock);
        v.select({v.first});
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);

        v.key(Qt::Key_Shift, shift);
        QVERIFY(v.press(v.empty()));
        QVERIFY(v.move(v.empty(QPoint(15, 5))));
        QVERIFY(v.move(v.empty(QPoint(25, 5))));
        QVERIFY(!v.busy());
        QVERIFY(v.dragPreviews().isEmpty());
        QVERIFY(shownDrag().isEmpty());
        QVERIFY(v.release(v.empty(QPoint(25, 5))));

        QCOMPARE(v.undo().count(), 0);
        QVERIFY(LaystoreTest::matches(v.marker, before));
        QCOMPARE(v.selection(), QListEx<CDbAbstractObject*>{v.first});
    }

    // Shift keeps a drag from moving the selection, not a band from selecting.
    void rubberBandFollowsEvenWithShift()
    {
        MagneticView v;
        v.key(Qt::Key_Shift, true);
        QVERIFY(v.press({116.0, 36.0}));
        QVERIFY(v.move({66.0, 70.0}));
        QCOMPARE(v.bands().size(), 1);
        QVERIFY(v.release({66.0, 70.0}));
        QCOMPARE(v.selection(), (QListEx<CDbAbstractObject*>{v.first, v.second}));
    }

    // A selected object the view hides is not dragged: the press picks afresh, here nothing.
    void hiddenSelectionIsPickedAfresh()
    {
        MagneticView v;
        v.click(centre(v.second));
        QCOMPARE(v.selection(), QListEx<CDbAbstractObject*>{v.second});
        v.scene.filter().setVisible(CDbAbstractObject::KindGroup, false);
        v.click(centre(v.second));
        QVERIFY(v.selection().isEmpty());
    }

    void pressOnAnUnselectedPieceTakesItAlong()
    {
        MagneticView v;
        const GeoPoint2D centreAtPress = centre(v.second);
        const int index = v.indexOf(v.second);
        v.press(centreAtPress + GeoPoint2D(2.0, 1.0));
        QCOMPARE(v.selection(), QListEx<CDbAbstractObject*>{v.second});

        const GeoPoint2D drop = v.empty();
        v.move(drop);
        QCOMPARE(bounds(v.dragPreviews()).center(), drop);
        QCOMPARE(shownDrag(), dragBy(drop - centreAtPress));
        v.expectDragRecorded();
        v.release(drop);
        QCOMPARE(centre(v.objectAt(index)), drop);
    }

    void instructionPageFollowsTheSelection()
    {
        MagneticView v;
        const QStringList pages = v.tool->instructions();
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages.at(1).contains(QStringLiteral("Drag the cursor in the desired area.")));

        v.tool->showInstructions(&v.view);
        QCOMPARE(GetInfoBox()->instructions(), pages.at(0));
        v.click(centre(v.first));
        v.tool->showInstructions(&v.view);
        QCOMPARE(GetInfoBox()->instructions(), pages.at(1));
        v.marker.document->deselectAll(false, false);
        v.tool->showInstructions(&v.view);
        QCOMPARE(GetInfoBox()->instructions(), pages.at(0));
    }
};

MARKER_TEST(tst_ToolMagnetic)
#include "tst_ToolMagnetic.moc"
