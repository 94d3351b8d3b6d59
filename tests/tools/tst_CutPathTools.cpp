#include "tools/ToolTestView.h"

#include "TestMain.h"

#include "VelGui/VelApplication.h"
#include "laystore/CDbPunchHoleObject.h"

#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

namespace {

// On the front leg laid at the origin: a corner, another one, its bottom notch, its inside.
const GeoPoint2D kCorner(27.0, 30.0);
const GeoPoint2D kOtherCorner(25.0, 0.0);
const GeoPoint2D kNotch(13.0, 0.0);
const GeoPoint2D kInside(12.0, 50.0);
// Fabric between the pieces.
const GeoPoint2D kEmpty(70.0, 40.0);

CDbGrPolysObject* leg(const ToolTestView& t)
{
    return qobject_cast<CDbGrPolysObject*>(t.objectAt(0));
}

const CDbMarkerPointObject& legPoint(const ToolTestView& t, int oneBased)
{
    return leg(t)->polygon(0).cutOutline()[oneBased - 1];
}

int holes(const ToolTestView& t)
{
    int count = 0;
    for (CDbAbstractObject* object : t.marker.document->objects(t.marker.fabric, 0))
        count += qobject_cast<CDbPunchHoleObject*>(object) ? 1 : 0;
    return count;
}

} // namespace

Q_DECLARE_METATYPE(VelSystem::GeoPoint2D)

class tst_CutPathTools : public QObject
{
    Q_OBJECT

private slots:
    // A click records one step named after the tool, an Alt-click on the same place takes it
    // back as another; undoing both gives the marker back.
    void clickAddsAltClickRemoves_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<GeoPoint2D>("at");
        QTest::addColumn<QString>("step");
        QTest::newRow("lift and plunge") << "liftPlundge" << kCorner << "Lift & Plunge";
        QTest::newRow("punch hole") << "ExternalHole" << kEmpty << "Add Punch Hole";
        QTest::newRow("notch conversion") << "convert" << kNotch << "Convert Notch";
    }
    void clickAddsAltClickRemoves()
    {
        QFETCH(QString, tool);
        QFETCH(GeoPoint2D, at);
        QFETCH(QString, step);
        ToolTestView t(tool.toStdString());
        const auto before = LaystoreTest::snapshot(t.marker);
        const auto marked = [&] {
            return legPoint(t, 4).hasFeature(PointFeature::LiftPlunge) || holes(t) == 1 ||
                   legPoint(t, 2).isConvertedNotch();
        };
        t.click(at);
        QCOMPARE(t.undo().count(), 1);
        QCOMPARE(t.undo().text(0), step);
        QVERIFY(marked());
        t.key(Qt::Key_Alt, true);
        QCOMPARE(t.cursor().pixmap().toImage(), ToolBase::convertMinusCursor().pixmap().toImage());
        t.click(at);
        t.key(Qt::Key_Alt, false);
        QCOMPARE(t.undo().count(), 2);
        QVERIFY(!marked());
        t.undo().undo();
        QVERIFY(marked());
        t.undo().undo();
        QVERIFY(LaystoreTest::matches(t.marker, before));
        QVERIFY(t.sink.messages.isEmpty());
    }

    // The start point moves to the point clicked within five pixels; a click beside every
    // point records nothing, and nothing is said.
    void startPointMovesToTheClickedPoint()
    {
        ToolTestView t("StartPoint");
        t.click(kCorner + GeoPoint2D(1.0, 0.5));
        QCOMPARE(leg(t)->polygon(0).knifeStartIndex(), 3);
        t.click(kInside);
        QCOMPARE(t.undo().count(), 1);
        QVERIFY(t.sink.messages.isEmpty());
    }

    // Start, then end; Shift alone blocks the click; switching tools re-arms the start.
    void symmetricalCutAlternatesStartAndEnd()
    {
        ToolTestView t("SymmetricalCut");
        VelApplication::instance()->setActiveDocument(t.marker.document);
        t.tool->stop();
        t.click(kOtherCorner);
        t.key(Qt::Key_Shift, true);
        t.click(kCorner);
        t.key(Qt::Key_Shift, false);
        QCOMPARE(t.undo().count(), 1);
        QCOMPARE(t.cursor().pixmap().toImage(), ToolBase::linkedCursor().pixmap().toImage());
        t.click(kOtherCorner); // refused: the end must be another point
        t.click(kCorner);
        QCOMPARE(leg(t)->polygon(0).symmetricalStartIndex(), 2);
        QCOMPARE(leg(t)->polygon(0).symmetricalEndIndex(), 3);
        t.click(kOtherCorner);
        t.tool->stop();
        t.click(kCorner);
        QCOMPARE(leg(t)->polygon(0).symmetricalStartIndex(), 3);
        QCOMPARE(t.undo().count(), 4);
        VelApplication::instance()->setActiveDocument(nullptr);
    }

    // In the cut view the first click picks the piece the order goes on from; the clicks
    // after it order the pieces; a second click on the last one ordered is refused.
    void sequenceGoesOnFromThePiecePickedInTheCutView()
    {
        ToolTestView t("Sequence");
        CDbGrPolysObject* lower = qobject_cast<CDbGrPolysObject*>(t.objectAt(1));
        CDbGrPolysObject* upper = qobject_cast<CDbGrPolysObject*>(t.objectAt(2));
        t.marker.document->drawing()->setCutView(true);
        // Activation in the cut view arms the first click, whatever another tool left.
        t.marker.document->drawing()->setFirstClick(false);
        t.move(kInside);
        t.tool->start();
        QVERIFY(t.marker.document->drawing()->isFirstClick());
        t.click(kInside);
        QCOMPARE(t.undo().count(), 0);
        QCOMPARE(t.marker.fabric->layer(0)->cutOrderGroup(), leg(t));
        t.click({50.0, 20.0});
        t.click({50.0, 20.0});
        QCOMPARE(t.undo().count(), 1);
        QCOMPARE(t.sink.messages, QStringList{"This piece already has this place in the cut order."});
        QCOMPARE(t.marker.fabric->groupsInCutOrder(0), (QListEx<CDbGrPolysObject*>{leg(t), upper, lower}));
    }

    // Shift-click converts every notch of a piece and keeps its selection; a piece without a
    // notch is told so.
    void shiftClickTakesTheWholePiece()
    {
        ToolTestView t("convert");
        leg(t)->setSelected(true);
        t.key(Qt::Key_Shift, true);
        t.click(kInside);
        QVERIFY(legPoint(t, 2).isConvertedNotch());
        QVERIFY(leg(t)->isSelected());
        leg(t)->polygon(0).contours().lastContour().remove(1);
        leg(t)->emitChanged();
        t.click(kInside);
        QCOMPARE(t.sink.messages, QStringList{"The piece has no notch to convert."});
        QCOMPARE(t.undo().count(), 2);
    }
};

MARKER_TEST(tst_CutPathTools)
#include "tst_CutPathTools.moc"
