#include "tools/ToolTestView.h"

#include "ToolBase.h"

#include "VelGui/VelCursor.h"
#include "laystore/CMarkerSelection.h"

#include "TestMain.h"
#include <QUndoStack>
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

class tst_ToolScale : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { VelCursor::setInverted(false); }

    void pressIsTakenAndChangesNothing_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void pressIsTakenAndChangesNothing()
    {
        QFETCH(Qt::MouseButton, button);
        ToolTestView view("scale");
        const LaystoreTest::Snapshot before = LaystoreTest::snapshot(view.marker);
        const QPoint scroll = view.scrollValues();
        // On the front leg, which a selecting tool would pick.
        const GeoPoint2D onPiece(12.0, 50.0);

        QVERIFY(view.press(onPiece, button));
        QVERIFY(!view.move(onPiece + GeoPoint2D(20.0, 5.0)));
        QVERIFY(!view.release(onPiece + GeoPoint2D(20.0, 5.0), button));
        QVERIFY(!view.doubleClick(onPiece, button));
        QCOMPARE(view.scrollValues(), scroll);
        QCOMPARE(view.zoom(), 1.0);
        view.wheel(onPiece, 120);

        QVERIFY(LaystoreTest::matches(view.marker, before));
        QVERIFY(view.marker.document->markerSelection()->isEmpty());
        QCOMPARE(view.marker.document->undoStack()->count(), 0);
        // The wheel is left to the view's own zoom.
        QCOMPARE(view.zoom(), 1.25);
        QVERIFY(view.sink.messages.isEmpty() && view.sink.errors.isEmpty());
    }

    void showsTheBlockCursor()
    {
        ToolTestView view("scale");
        const auto image = [](const QCursor& cursor) { return cursor.pixmap().toImage(); };
        QCOMPARE(image(view.cursor()), image(ToolBase::blockCursor()));
        QCOMPARE(view.cursor().hotSpot(), QPoint(7, 7));

        // The setting is read whenever the host asks again, here after a press.
        VelCursor::setInverted(true);
        view.press(GeoPoint2D(100.0, 100.0));
        QCOMPARE(image(view.cursor()), image(ToolBase::blockCursor()));
        QCOMPARE(image(view.cursor()), QPixmap(QStringLiteral(":/images/cursor_block_inv.png")).toImage());
    }
};

MARKER_TEST(tst_ToolScale)
#include "tst_ToolScale.moc"
