#include "tools/ToolTestView.h"

#include "VelGui/VelCursor.h"
#include "laystore/CDbGrPolysObject.h"

#include "TestMain.h"
#include <QRubberBand>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

Q_DECLARE_METATYPE(VelSystem::GeoPoint2D)

namespace {

// Right of the test marker's laid pieces, across the fabric and beyond its edges.
const GeoPoint2D kBelowFabric(60.0, -10.0);
const GeoPoint2D kAboveFabric(120.0, LaystoreTest::kLayerWidth + 10.0);

bool rubberBandShown(const ToolTestView& v)
{
    const QRubberBand* band = v.view.viewport()->findChild<QRubberBand*>();
    return band && band->isVisible();
}

} // namespace

class tst_ToolFillHole : public QObject
{
    Q_OBJECT

private slots:
    void dragLaysWhatFitsAsOneAddThatUndoRemoves()
    {
        ToolTestView v("fillhole");
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);
        v.marker.fabric->setWorkFields(3, 2.5);
        QVERIFY(v.press(kBelowFabric));
        QVERIFY(rubberBandShown(v));
        QVERIFY(v.move(kAboveFabric));
        QVERIFY(v.release(kAboveFabric));

        QVERIFY(!rubberBandShown(v));
        QVERIFY(!v.tool->isBusy());
        QCOMPARE(v.marker.fabric->workCode(), short(0));
        QCOMPARE(v.undo().count(), 1);
        QCOMPARE(v.undo().text(0), QStringLiteral("Add"));
        // The waiting waistband, laid inside the hole once clamped to the fabric.
        const QListEx<CDbAbstractObject*> laid = v.selection();
        QCOMPARE(laid.size(), 1);
        const GeoRectangle box = laid.first()->boundingRect();
        QVERIFY2(GeoRectangle(60.0, 0.0, 120.0, LaystoreTest::kLayerWidth).contains(box),
                 printed(box).constData());
        QCOMPARE(v.marker.document->findOverlaps(), 1); // the pockets' own
        QVERIFY(v.sink.messages.isEmpty() && v.sink.errors.isEmpty());

        const LaystoreTest::Snapshot after = LaystoreTest::snapshot(v.marker);
        QVERIFY(LaystoreTest::undoRedoRestores(v.marker, before, after));
    }

    void fillThatLaysNothingRecordsNothing_data()
    {
        QTest::addColumn<GeoPoint2D>("from");
        QTest::addColumn<GeoPoint2D>("to");
        QTest::newRow("release at the press") << GeoPoint2D(100.0, 50.0) << GeoPoint2D(100.0, 50.0);
        QTest::newRow("over laid pieces") << GeoPoint2D(0.0, 0.0) << GeoPoint2D(25.0, 95.0);
        QTest::newRow("in the standby area") << GeoPoint2D(60.0, 155.0) << GeoPoint2D(120.0, 200.0);
    }
    void fillThatLaysNothingRecordsNothing()
    {
        QFETCH(GeoPoint2D, from);
        QFETCH(GeoPoint2D, to);
        ToolTestView v("fillhole");
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);
        v.press(from);
        v.move(to);
        QVERIFY(v.release(to));
        QCOMPARE(v.sink.messages, QStringList{QStringLiteral("No waiting piece fits in this place.")});
        QVERIFY(!rubberBandShown(v));
        QVERIFY(!v.tool->isBusy());
        QCOMPARE(v.undo().count(), 0);
        QVERIFY(LaystoreTest::matches(v.marker, before));
    }

    void pressWhilePiecesAreHiddenDoesNothing()
    {
        ToolTestView v("fillhole");
        v.scene.filter().setVisible(CDbAbstractObject::KindGroup, false);
        QVERIFY(!v.press(kBelowFabric));
        QVERIFY(!rubberBandShown(v));
        QVERIFY(!v.move(kAboveFabric));
        QVERIFY(!v.release(kAboveFabric));
        QCOMPARE(v.undo().count(), 0);
        QVERIFY(v.sink.messages.isEmpty());
    }

    void pressDeselectsAndAnotherPressRestarts()
    {
        ToolTestView v("fillhole");
        v.marker.document->setSelection({v.objectAt(0)});
        v.press(kBelowFabric, Qt::RightButton);
        QVERIFY(v.selection().isEmpty());
        QVERIFY(v.press(GeoPoint2D(70.0, 20.0)));
        QCOMPARE(v.view.viewport()->findChildren<QRubberBand*>().size(), 1);
        QVERIFY(!v.press(GeoPoint2D(70.0, 20.0), Qt::MiddleButton));
        QVERIFY(!rubberBandShown(v));
    }

    // A view on a document that is no marker has no drawing to fill.
    void releaseWithoutADrawingIsAnInvalidOperation()
    {
        ToolTestView v("fillhole");
        auto document = boost::make_shared<RecordingDocument>();
        DocumentScene scene(document);
        DocumentView view(&scene);
        view.resize(kViewWidth, kViewHeight);
        view.show();
        view.setTool(v.tool);
        RecordingLog log;
        QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 40));
        view.setTool(nullptr);
        QCOMPARE(v.sink.errors, QStringList{QStringLiteral("Invalid Operation")});
        QVERIFY2(log.lines.join('\n').contains(QStringLiteral("src\\ToolFillHole(159)")),
                 qPrintable(log.lines.join('\n')));
        QVERIFY2(log.lines.join('\n').contains(QStringLiteral("ToolFillHole::mouseReleaseEvent")),
                 qPrintable(log.lines.join('\n')));
        // The host stops a tool that threw: the band goes with it.
        QVERIFY(!v.tool->isBusy());
        QVERIFY(!view.viewport()->findChild<QRubberBand*>());
    }

    void showsTheUfoCursor()
    {
        ToolTestView v("fillhole");
        QCOMPARE(v.cursor().shape(), VelCursor::ufo().shape());
        QCOMPARE(v.cursor().pixmap().toImage(), VelCursor::ufo().pixmap().toImage());
    }
};

MARKER_TEST(tst_ToolFillHole)
#include "tst_ToolFillHole.moc"
