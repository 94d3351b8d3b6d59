#include "tools/ToolTestView.h"

#include "SelectRubberBand.h"

#include "VelCore/InfoBox.h"
#include "laystore/CMarkerSelection.h"

#include "TestMain.h"
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QSignalSpy>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;
using LaystoreTest::matches;
using LaystoreTest::snapshot;

Q_DECLARE_METATYPE(VelSystem::GeoPoint2D)

namespace {

// Points of the test marker: inside the front leg (its box runs 0..27 by 0..100), inside the
// upper pocket (35..53 by 5..29, over the lower one at 30..48 by 0..24), empty fabric right of
// both pockets, and a corner that puts a band from there over both pockets but not the leg.
const GeoPoint2D kOnLeg(20.0, 50.0);
const GeoPoint2D kOnPocket(44.0, 20.0);
const GeoPoint2D kEmpty(58.0, 40.0);
const GeoPoint2D kBandCorner(29.0, 20.0);

// Nothing of a gesture shows: no rubber band, band rectangle or direction line, no drag
// preview, no drag values in the information box.
bool showsNoGesture(const ToolTestView& view)
{
    for (const QGraphicsItem* item : view.scene.items()) {
        if (item->type() == QGraphicsRectItem::Type || item->type() == QGraphicsLineItem::Type)
            return false;
    }
    const InfoBox* box = GetInfoBox();
    return view.view.findChildren<SelectRubberBand*>().isEmpty() && view.dragPreviews().isEmpty() &&
           !box->hasValue(InfoBox::Dx) && !box->hasValue(InfoBox::Dy) && !box->hasValue(InfoBox::Distance);
}

void select(ToolTestView& view, const QListEx<CDbAbstractObject*>& objects)
{
    CMarkerSelection(view.marker.document.get(), objects).apply();
}

void addSelectingToolRows()
{
    QTest::addColumn<QString>("tool");
    QTest::newRow("pointer") << "select";
    QTest::newRow("magnetic cursor") << "magnetic";
}

} // namespace

// The gestures several tools share, each checked once with the tools as rows.
class tst_ToolGestures : public QObject
{
    Q_OBJECT

private slots:
    void unusedButtonsChangeNothing_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("taken");
        QTest::newRow("pointer, middle") << "select" << Qt::MiddleButton << false;
        QTest::newRow("magnetic cursor, middle") << "magnetic" << Qt::MiddleButton << false;
        QTest::newRow("zoom, middle") << "zoom" << Qt::MiddleButton << true;
        QTest::newRow("scale, left") << "scale" << Qt::LeftButton << true;
        QTest::newRow("scale, right") << "scale" << Qt::RightButton << true;
        QTest::newRow("scale, middle") << "scale" << Qt::MiddleButton << true;
    }

    void unusedButtonsChangeNothing()
    {
        QFETCH(QString, tool);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, taken);
        ToolTestView view(tool.toStdString());
        select(view, {view.objectAt(0)});
        const auto before = snapshot(view.marker);
        const QPoint scroll = view.scrollValues();

        QCOMPARE(view.press(kOnPocket, button), taken);
        QVERIFY(!view.tool->isBusy());
        view.release(kOnPocket, button);
        view.doubleClick(kOnPocket, button);
        QVERIFY(showsNoGesture(view));

        QVERIFY(matches(view.marker, before));
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{view.objectAt(0)});
        QCOMPARE(view.undo().count(), 0);
        QCOMPARE(view.zoom(), 1.0);
        QCOMPARE(view.scrollValues(), scroll);
        QVERIFY(view.sink.messages.isEmpty() && view.sink.errors.isEmpty());
    }

    void clickSelectsWhatIsUnderIt_data() { addSelectingToolRows(); }

    void clickSelectsWhatIsUnderIt()
    {
        QFETCH(QString, tool);
        ToolTestView view(tool.toStdString());
        const auto before = snapshot(view.marker);
        QSignalSpy announced(&view.scene, &DocumentScene::selectionChangedByTool);

        QVERIFY(view.press(kOnPocket));
        QVERIFY(view.release(kOnPocket));
        QCOMPARE(view.selection(), QListEx<CDbAbstractObject*>{view.objectAt(2)});
        QVERIFY(!announced.isEmpty());

        // A band that comes back to its start is a click too, whatever it crossed on the way.
        view.marker.document->deselectAll(false, false);
        view.press(kEmpty);
        view.move(kBandCorner);
        view.release(kEmpty);
        QVERIFY(view.selection().isEmpty());
        QVERIFY(showsNoGesture(view));
        QCOMPARE(view.undo().count(), 0);
        QVERIFY(matches(view.marker, before));
    }

    void rubberBandSelectsWhatItMeets_data() { addSelectingToolRows(); }

    void rubberBandSelectsWhatItMeets()
    {
        QFETCH(QString, tool);
        ToolTestView view(tool.toStdString());
        QVERIFY(view.press(kEmpty));
        const QList<SelectRubberBand*> bands = view.view.findChildren<SelectRubberBand*>();
        QCOMPARE(bands.size(), 1);
        // Dragged down and left: the band is kept the right way round.
        QVERIFY(view.move(kBandCorner));
        QVERIFY(bands.first()->isVisible());
        QCOMPARE(bands.first()->geometry(), QRect(view.pixel(kEmpty), view.pixel(kBandCorner)).normalized());
        QVERIFY(view.dragPreviews().isEmpty());
        QVERIFY(view.release(kBandCorner));
        QVERIFY(showsNoGesture(view));
        QCOMPARE(view.selection(), (QListEx<CDbAbstractObject*>{view.objectAt(1), view.objectAt(2)}));
        QCOMPARE(view.undo().count(), 0);
    }

    void spaceIsSwallowedOnlyDuringAGesture_data() { addSelectingToolRows(); }

    // Space would otherwise switch to the hand grip in the middle of a drag.
    void spaceIsSwallowedOnlyDuringAGesture()
    {
        QFETCH(QString, tool);
        ToolTestView view(tool.toStdString());
        QVERIFY(!view.tool->keyStateChanged(true, Qt::Key_Space));
        view.press(kOnLeg);
        QVERIFY(view.tool->keyStateChanged(true, Qt::Key_Space));
        const GeoPoint2D end = kOnLeg + GeoPoint2D(60.0, 20.0);
        view.move(end);
        QVERIFY(view.tool->keyStateChanged(true, Qt::Key_Space));
        QVERIFY(view.tool->isBusy());
        view.expectDragRecorded();
        view.release(end);
        QCOMPARE(view.undo().count(), 1);
        QVERIFY(!view.tool->keyStateChanged(true, Qt::Key_Space));
    }

    void dragGoesOnInASecondView_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<bool>("centred"); // the magnetic cursor centres the piece under it
        QTest::newRow("pointer") << "select" << false;
        QTest::newRow("magnetic cursor") << "magnetic" << true;
    }

    // Reported by a second view of the same marker, the drag starts afresh there from the
    // press and still ends in one move, without what the first view had moved.
    void dragGoesOnInASecondView()
    {
        QFETCH(QString, tool);
        QFETCH(bool, centred);
        ToolTestView view(tool.toStdString());
        const auto before = snapshot(view.marker);
        const GeoRectangle leg = view.objectAt(0)->boundingRect();
        DocumentView second(&view.scene);
        second.resize(kViewWidth, kViewHeight);
        second.show();
        second.setScale(2.0 * kViewScale);
        // Inside the second view, which would otherwise scroll towards the pointer.
        second.centerOn(100.0, 80.0);
        const QPoint endPixel = second.mapFromScene(QPointF(100.0, 80.0));
        const QPointF end = second.mapToScene(endPixel);
        view.press(kOnLeg);
        view.move(kOnLeg + GeoPoint2D(20.0, 0.0));
        QMouseEvent move(QEvent::MouseMove, endPixel, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        view.tool->mouseMoveEvent(&second, &move);
        QCOMPARE(view.dragPreviews().size(), 1);
        view.expectDragRecorded();
        QMouseEvent release(QEvent::MouseButtonRelease, endPixel, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        view.tool->mouseReleaseEvent(&second, &release);

        QVERIFY(showsNoGesture(view));
        QCOMPARE(view.undo().count(), 1);
        const GeoPoint2D moved = GeoPoint2D(end.x(), end.y()) - (centred ? leg.center() : kOnLeg);
        QVERIFY2(view.objectAt(0)->boundingRect().leftBottom().equals(leg.leftBottom() + moved, 1e-9),
                 QTest::toString(view.objectAt(0)->boundingRect()));
        QVERIFY(LaystoreTest::undoRedoRestores(view.marker, before, snapshot(view.marker)));
    }

    void dragOnAnotherLayerOrFabric_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<bool>("secondFabric");
        QTest::newRow("pointer, second layer") << "select" << false;
        QTest::newRow("pointer, second fabric") << "select" << true;
        QTest::newRow("magnetic cursor, second layer") << "magnetic" << false;
        QTest::newRow("magnetic cursor, second fabric") << "magnetic" << true;
    }

    // The tools work on the layer being edited, and undo restores that layer alone.
    void dragOnAnotherLayerOrFabric()
    {
        QFETCH(QString, tool);
        QFETCH(bool, secondFabric);
        ToolTestView view(tool.toStdString());
        LaystoreTest::Marker& marker = view.marker;
        const auto firstLayer = snapshot(marker);
        CDbFabricObject* firstFabric = marker.fabric;
        short layer = 1;
        if (secondFabric) {
            marker.fabric = &marker.document->drawing()->addFabric();
            marker.fabric->addLayer(LaystoreTest::kLayerWidth);
            layer = 0;
        }
        marker.document->addPiece(LaystoreTest::makePiece(LaystoreTest::pocketBag(), {60.0, 40.0}),
                                  marker.fabric, layer);
        QVERIFY(marker.document->drawing()->setCurrentFabricAndLayer(secondFabric ? 1 : 0, layer));
        marker.document->emitModified();
        const auto before = snapshot(marker, layer);

        const GeoPoint2D end(100.0, 80.0);
        view.press({68.0, 50.0});
        view.move(end);
        view.expectDragRecorded();
        view.release(end);
        QCOMPARE(view.undo().count(), 1);
        const CDbAbstractObject* moved = marker.document->objects(marker.fabric, layer).first();
        QVERIFY(moved->boundingRect().contains(end));
        QVERIFY(LaystoreTest::undoRedoRestores(marker, before, snapshot(marker, layer), layer));
        marker.fabric = firstFabric;
        QVERIFY(matches(marker, firstLayer));
    }

    void keysTurnAndMirrorTheDrag_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("rotation");
        QTest::addColumn<bool>("mirroredX");
        QTest::addColumn<bool>("mirroredY");
        QTest::newRow("pointer, 7") << "select" << int(Qt::Key_7) << 0.0 << false << true;
        QTest::newRow("magnetic cursor, 5") << "magnetic" << int(Qt::Key_5) << 180.0 << false << false;
    }

    // A key turns or mirrors the dragged pieces; the move records it, and undo takes all of it
    // back exactly.
    void keysTurnAndMirrorTheDrag()
    {
        QFETCH(QString, tool);
        QFETCH(int, key);
        ToolTestView view(tool.toStdString());
        const auto before = snapshot(view.marker);
        const GeoPoint2D end = kOnLeg + GeoPoint2D(60.0, 20.0);
        view.press(kOnLeg);
        view.move(end);
        view.key(key, true);
        view.key(key, false);
        QVERIFY(view.tool->isBusy());
        view.expectDragRecorded();
        view.release(end);

        QCOMPARE(view.undo().count(), 1);
        const CDbPolygon& leg = qobject_cast<CDbGrPolysObject*>(view.objectAt(0))->polygon(0);
        QTEST(leg.rotation(), "rotation");
        QTEST(leg.isMirroredX(), "mirroredX");
        QTEST(leg.isMirroredY(), "mirroredY");
        QVERIFY(LaystoreTest::undoRedoRestores(view.marker, before, snapshot(view.marker)));
    }

    void stopLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<GeoPoint2D>("from");
        QTest::addColumn<int>("held"); // a key held through the gesture, or 0
        const GeoPoint2D onLeg = kOnLeg;
        const GeoPoint2D empty = kEmpty;
        QTest::newRow("pointer, drag") << "select" << onLeg << 0;
        QTest::newRow("pointer, rubber band") << "select" << empty << 0;
        QTest::newRow("pointer, direction line") << "select" << onLeg << int(Qt::Key_0);
        QTest::newRow("pointer, turned drag") << "select" << onLeg << int(Qt::Key_5);
        QTest::newRow("magnetic cursor, drag") << "magnetic" << onLeg << 0;
        QTest::newRow("magnetic cursor, rubber band") << "magnetic" << empty << 0;
        QTest::newRow("zoom, band") << "zoom" << empty << 0;
        QTest::newRow("hand grip, pan") << "handgrip" << empty << 0;
    }

    // The host may stop a tool in the middle of any gesture; the release that follows finds
    // nothing to finish.
    void stopLeavesNothingBehind()
    {
        QFETCH(QString, tool);
        QFETCH(GeoPoint2D, from);
        QFETCH(int, held);
        ToolTestView view(tool.toStdString());
        const auto before = snapshot(view.marker);
        const GeoPoint2D to = from + GeoPoint2D(-30.0, 25.0);
        if (held == Qt::Key_0)
            view.key(held, true);
        view.press(from);
        view.move(to);
        if (held == Qt::Key_5)
            view.key(held, true);
        view.tool->stop();

        QVERIFY(!view.tool->isBusy());
        QVERIFY(showsNoGesture(view));
        const QPoint scroll = view.scrollValues();
        QVERIFY(!view.move(from));
        QVERIFY(!view.release(from));
        QCOMPARE(view.scrollValues(), scroll);
        QCOMPARE(view.zoom(), 1.0);
        QVERIFY(view.view.fitted.isEmpty());
        QCOMPARE(view.undo().count(), 0);
        QVERIFY(matches(view.marker, before));
    }
};

MARKER_TEST(tst_ToolGestures)
#include "tst_ToolGestures.moc"
