#include "tools/ToolTestView.h"

#include "ToolZoom.h"

#include "VelGui/VelCursor.h"

#include "TestMain.h"
#include <QGraphicsRectItem>
#include <QtTest>
#include <memory>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

namespace {

// The zoom tool on the test view, with a clock the test sets by hand.
struct ZoomView : ToolTestView
{
    ZoomView() : ToolTestView("zoom")
    {
        toolAs<ToolZoom>().setClock([this] { return now; });
    }

    // The rubber bands in the scene: the marker's own items are of other types.
    QList<const QGraphicsRectItem*> bands() const
    {
        QList<const QGraphicsRectItem*> found;
        for (const QGraphicsItem* item : scene.items()) {
            if (item->type() == QGraphicsRectItem::Type)
                found << static_cast<const QGraphicsRectItem*>(item);
        }
        return found;
    }
    int rubberBands() const { return bands().size(); }

    // A drag whose band covers `size` pixels (both ends included) from `from`, released
    // `milliseconds` after its press.
    void drag(const QPoint& from, const QSize& size, qint64 milliseconds = 100)
    {
        const GeoPoint2D end = at(from + QPoint(size.width() - 1, size.height() - 1));
        press(at(from));
        move(end);
        now += milliseconds;
        release(end);
    }

    qint64 now = 1000;
};

bool sameCursor(const QCursor& a, const QCursor& b)
{
    return a.shape() == b.shape() && a.hotSpot() == b.hotSpot() &&
           a.pixmap().toImage() == b.pixmap().toImage();
}

// The document point under `pixel` is still under it, within the rounding of the scroll bars.
bool staysUnder(const ZoomView& view, const GeoPoint2D& point, const QPoint& pixel)
{
    return (view.pixel(point) - pixel).manhattanLength() <= 1;
}

} // namespace

class tst_ToolZoom : public QObject
{
    Q_OBJECT

private slots:
    // A double click zooms two steps further than its first click, also around its point.
    void clickZoomsAroundTheReleasePoint_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<double>("factor");
        QTest::newRow("left") << Qt::LeftButton << false << 1.25;
        QTest::newRow("right") << Qt::RightButton << false << 0.8;
        QTest::newRow("left with Alt") << Qt::LeftButton << true << 0.8;
        QTest::newRow("right with Alt") << Qt::RightButton << true << 1.25;
    }

    void clickZoomsAroundTheReleasePoint()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, alt);
        QFETCH(double, factor);
        ZoomView view;
        view.key(Qt::Key_Alt, alt);
        const QPoint pixel(150, 120);
        const GeoPoint2D point = view.at(pixel);

        QVERIFY(view.press(point, button));
        view.now += 399;
        QVERIFY(view.release(point, button));

        QCOMPARE(view.zoom(), factor);
        QVERIFY(staysUnder(view, point, pixel));
        QCOMPARE(view.rubberBands(), 0);
        QVERIFY(view.view.fitted.isEmpty());
        // The click ended the gesture: a further release finds nothing to finish.
        QVERIFY(!view.release(point, button));
        QCOMPARE(view.zoom(), factor);

        // Like the base, the tool leaves the double click to the view.
        ZoomView twice;
        twice.key(Qt::Key_Alt, alt);
        QVERIFY(!twice.doubleClick(point, button));
        QCOMPARE(twice.zoom(), factor * factor * factor);
        QVERIFY(staysUnder(twice, point, pixel));
        QCOMPARE(twice.rubberBands(), 0);
    }

    void clickReleasedAfterFourTenthsOfASecondZoomsNothing_data()
    {
        QTest::addColumn<bool>("alt");
        QTest::newRow("zoom in") << false;
        QTest::newRow("zoom out") << true;
    }

    void clickReleasedAfterFourTenthsOfASecondZoomsNothing()
    {
        QFETCH(bool, alt);
        ZoomView view;
        view.key(Qt::Key_Alt, alt);
        const GeoPoint2D point = view.at(QPoint(200, 200));
        for (qint64 held : {400, 2500}) {
            view.press(point);
            view.now += held;
            QVERIFY(view.release(point));
            QCOMPARE(view.zoom(), 1.0);
        }
        QCOMPARE(view.rubberBands(), 0);
        // The time counts from the latest press, not from the first.
        view.press(point);
        view.now += 10;
        view.release(point);
        QCOMPARE(view.zoom(), alt ? 0.8 : 1.25);
    }

    void dragFitsTheViewToABandOverTenPixelsEachWay_data()
    {
        QTest::addColumn<QSize>("band");
        QTest::addColumn<bool>("fits");
        QTest::newRow("11 by 11") << QSize(11, 11) << true;
        QTest::newRow("10 by 300") << QSize(10, 300) << false;
        QTest::newRow("300 by 10") << QSize(300, 10) << false;
        QTest::newRow("10 by 10") << QSize(10, 10) << false;
        QTest::newRow("200 by 150") << QSize(200, 150) << true;
    }

    void dragFitsTheViewToABandOverTenPixelsEachWay()
    {
        QFETCH(QSize, band);
        QFETCH(bool, fits);
        ZoomView view;
        const QPoint from(100, 80);
        const GeoPoint2D start = view.at(from);
        const GeoPoint2D end = view.at(from + QPoint(band.width() - 1, band.height() - 1));
        // A slow drag still fits: the time limit is the click's.
        view.drag(from, band, 3000);

        QCOMPARE(view.rubberBands(), 0);
        if (!fits) {
            QVERIFY(view.view.fitted.isEmpty());
            QCOMPARE(view.zoom(), 1.0);
            return;
        }
        QCOMPARE(view.view.fitted.size(), 1);
        QCOMPARE(view.view.fitted.first(), GeoRectangle(start, end));
        QVERIFY(view.zoom() > 2.0);
        // The band's middle is now the viewport's.
        const GeoPoint2D middle = (start + end) / 2.0;
        const QPoint centre = view.view.viewport()->rect().center();
        QVERIFY((view.pixel(middle) - centre).manhattanLength() <= 2);
    }

    void bandFollowsTheDragInAnyDirection()
    {
        ZoomView view;
        const GeoPoint2D start = view.at(QPoint(300, 200));
        view.press(start);
        QCOMPARE(view.rubberBands(), 0);
        for (const QPoint& end : {QPoint(360, 240), QPoint(250, 130), QPoint(310, 150), QPoint(240, 260)}) {
            QVERIFY(view.move(view.at(end)));
            QCOMPARE(view.rubberBands(), 1);
            const QRectF band = view.bands().first()->rect();
            const GeoPoint2D corner = view.at(end);
            QCOMPARE(band, QRectF(QPointF(start.x, start.y), QPointF(corner.x, corner.y)).normalized());
            QVERIFY(band.width() > 0 && band.height() > 0);
        }
        // The release fits the band the last move drew, wherever it happens.
        const GeoPoint2D lastEnd = view.at(QPoint(240, 260));
        view.release(start);
        QCOMPARE(view.rubberBands(), 0);
        QCOMPARE(view.view.fitted.size(), 1);
        QCOMPARE(view.view.fitted.first(), GeoRectangle(start, lastEnd));
    }

    void dragWithAltZoomsOutInsteadOfFitting()
    {
        ZoomView view;
        view.key(Qt::Key_Alt, true);
        const QPoint endPixel(400, 300);
        const GeoPoint2D end = view.at(endPixel);
        view.drag(QPoint(100, 100), QSize(301, 201), 150);
        QVERIFY(view.view.fitted.isEmpty());
        QCOMPARE(view.zoom(), 0.8);
        // Around the release point, not the press point.
        QVERIFY(staysUnder(view, end, endPixel));

        view.drag(QPoint(100, 100), QSize(301, 201), 400);
        QVERIFY(view.view.fitted.isEmpty());
        QCOMPARE(view.zoom(), 0.8);
        QCOMPARE(view.rubberBands(), 0);
    }

    // A scene that goes away mid-drag takes the band with it; stopping later is harmless.
    void sceneGoneMidDrag()
    {
        ZoomView view;
        auto scene = std::make_unique<DocumentScene>(view.marker.document);
        DocumentView other(scene.get());
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent move(QEvent::MouseMove, QPointF(90, 80), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        view.tool->mousePressEvent(&other, &press);
        view.tool->mouseMoveEvent(&other, &move);
        QCOMPARE(scene->items().size(), 1);
        scene.reset();
        view.tool->stop();
    }

    void moveWithoutPressOrFromAnotherViewDrawsNothing()
    {
        ZoomView view;
        const GeoPoint2D start = view.at(QPoint(100, 100));
        const GeoPoint2D end = view.at(QPoint(300, 250));
        QVERIFY(!view.move(end));
        QCOMPARE(view.rubberBands(), 0);

        // A second view of the same scene reports a move while the first holds the press.
        DocumentView second(&view.scene);
        second.resize(kViewWidth, kViewHeight);
        view.press(start);
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 250), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        move.ignore();
        view.tool->mouseMoveEvent(&second, &move);
        QVERIFY(!move.isAccepted());
        QCOMPARE(view.rubberBands(), 0);
        // Released without a drag, the press was a click.
        view.release(start);
        QCOMPARE(view.zoom(), 1.25);
    }

    void cursorShowsZoomOutWhileAltIsHeld()
    {
        // Alt held before the tool starts.
        KeyboardMonitor::instance().setKeyPressed(Qt::Key_Alt, true);
        ZoomView view;
        QVERIFY(sameCursor(view.cursor(), VelCursor::zoomminus()));

        view.key(Qt::Key_Alt, false);
        QVERIFY(sameCursor(view.cursor(), VelCursor::zoomplus()));
        view.key(Qt::Key_Alt, true);
        QVERIFY(sameCursor(view.cursor(), VelCursor::zoomminus()));
        // Alt outlives a gesture and its stop.
        view.click(view.at(QPoint(100, 100)));
        QVERIFY(sameCursor(view.cursor(), VelCursor::zoomminus()));
    }
};

MARKER_TEST(tst_ToolZoom)
#include "tst_ToolZoom.moc"
