#include "tools/ToolTestView.h"

#include "laystore/CDbGrPolysObject.h"
#include "laystore/ops/CDbBlockHelper.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

namespace {

// A fly facing (20 × 20 cm with a step) laid in the open with its blocking, a 1 cm margin:
// its six corners are the blocking's control points.
struct BlockedFly
{
    explicit BlockedFly(ToolTestView& v) : view(v)
    {
        CDbGrPolysObject* fly = v.marker.add(LaystoreTest::flyFacing(), {60.0, 40.0});
        short code = 1;
        CDbBlockHelper::blockingInFabric(v.marker.document, fly->section(), v.marker.fabric, 0, fly, &code);
        v.undo().clear();
        before = LaystoreTest::snapshot(v.marker);
    }
    CDbGrPolysObject* group() const
    {
        return qobject_cast<CDbGrPolysObject*>(view.marker.document->groups(view.marker.fabric, 0).last());
    }
    const CDbVectorsObjectTable& contour() const { return *group()->editableBlockingContour(); }
    int controlPoints() const
    {
        return static_cast<int>(std::count_if(
            contour().points().begin(), contour().points().end(),
            [](const CDbMarkerPointObject& p) { return p.type() != CDbMarkerPointObject::Curve; }));
    }
    bool encloses() const { return contour().toPolygon().encloses(group()->pieceOutlines().front()); }

    ToolTestView& view;
    LaystoreTest::Snapshot before;
};

const GeoPoint2D kCorner(59.0, 39.0);
const GeoPoint2D kBottomSide(70.0, 39.0);

} // namespace

class tst_ToolEditBlock : public QObject
{
    Q_OBJECT

private slots:
    void draggedPointIsOneEditThatUndoRestores()
    {
        ToolTestView v("editblock");
        BlockedFly fly(v);
        QVERIFY(v.press(kCorner));
        v.move({55.0, 30.0});
        v.move({50.0, 20.0});
        QVERIFY(v.release({50.0, 20.0}));
        QCOMPARE(v.undo().count(), 1);
        QCOMPARE(v.undo().text(0), QStringLiteral("Edit Blocking"));
        QVERIFY(fly.contour().toPolygon().containsPoint({50.5, 20.5}));
        QVERIFY(fly.group()->polygon(0).blocking().manualEditMark());
        QCOMPARE(v.marker.document->drawing()->manualDocumentFuseState(), short(1));
        QVERIFY(LaystoreTest::undoRedoRestores(v.marker, fly.before, LaystoreTest::snapshot(v.marker)));
    }

    void pointDraggedIntoThePieceStopsAtIt()
    {
        ToolTestView v("editblock");
        BlockedFly fly(v);
        v.press(kCorner);
        v.move({70.0, 42.0});
        v.release({70.0, 42.0});
        QVERIFY(fly.encloses());
        QVERIFY(fly.contour().toPolygon().isSimple());
    }

    void pointStaysWithinTheLayerWidth()
    {
        ToolTestView v("editblock");
        BlockedFly fly(v);
        const GeoPoint2D topCorner(59.0, 61.0);
        v.press(topCorner);
        v.move({59.0, LaystoreTest::kLayerWidth + 30.0});
        v.release({59.0, LaystoreTest::kLayerWidth + 30.0});
        QCOMPARE(fly.contour().boundingRect().ymax, LaystoreTest::kLayerWidth);
    }

    void clickOnSideAddsAPointThatAltClickRemoves()
    {
        ToolTestView v("editblock");
        BlockedFly fly(v);
        v.click(kBottomSide);
        QCOMPARE(v.undo().text(0), QStringLiteral("Modification"));
        QCOMPARE(fly.controlPoints(), 7);
        QCOMPARE(v.marker.document->drawing()->manualDocumentFuseState(), short(2));
        const LaystoreTest::Snapshot added = LaystoreTest::snapshot(v.marker);

        v.key(Qt::Key_Alt, true);
        QCOMPARE(v.cursor().pixmap().cacheKey(), ToolBase::convertMinusCursor().pixmap().cacheKey());
        v.click(kBottomSide);
        QCOMPARE(v.undo().count(), 2);
        QCOMPARE(v.undo().text(1), QStringLiteral("Edit Blocking"));
        QCOMPARE(fly.controlPoints(), 6);
        QVERIFY(LaystoreTest::undoRedoRestores(v.marker, added, LaystoreTest::snapshot(v.marker)));
        v.undo().undo();
        v.undo().undo();
        QVERIFY(LaystoreTest::matches(v.marker, fly.before));
    }

    // A corner removed would cut the block into the piece: refused, said, not recorded.
    void refusedRemovalChangesNothing()
    {
        ToolTestView v("editblock");
        BlockedFly fly(v);
        v.key(Qt::Key_Alt, true);
        v.click(kCorner);
        QCOMPARE(v.undo().count(), 0);
        QCOMPARE(v.sink.messages.size(), 1);
        QVERIFY(LaystoreTest::matches(v.marker, fly.before));
    }

    void unblockedPieceIsOnlySelected()
    {
        ToolTestView v("editblock");
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(v.marker);
        v.press({10.0, 50.0});
        v.move({20.0, 60.0});
        v.release({20.0, 60.0});
        QCOMPARE(v.selection().size(), 1);
        QCOMPARE(v.undo().count(), 0);
        QVERIFY(LaystoreTest::matches(v.marker, before));
        QVERIFY(!v.marker.document->drawing()->manualDocumentIsFuse());
    }
};

MARKER_TEST(tst_ToolEditBlock)
#include "tst_ToolEditBlock.moc"
