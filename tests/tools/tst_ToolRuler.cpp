#include "tools/ToolTestView.h"

#include "PlatformNoise.h"
#include "TestMain.h"

#include "Dialog/P2PDistanceDialog.h"

#include "VelCore/InfoBox.h"

#include <QGraphicsItemGroup>
#include <QtTest>
#include <memory>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

Q_DECLARE_METATYPE(GeoPoint2D)

namespace {

// Corners of the test marker's front leg and lower pocket, 10.44 cm apart; a point of the
// leg's bottom edge far from its corners and notch; an offset within the 5-pixel tolerance.
const GeoPoint2D kLegCorner(27.0, 30.0);
const GeoPoint2D kPocketCorner(30.0, 20.0);
const GeoPoint2D kLegBottom(8.0, 0.0);
const GeoPoint2D kNear(0.5, 0.5);

template <class T> QList<T*> topItems(const QGraphicsScene& scene)
{
    QList<T*> found;
    for (QGraphicsItem* item : scene.items()) {
        if (item->type() == T::Type && !item->parentItem())
            found << static_cast<T*>(item);
    }
    return found;
}

struct RulerView : ToolTestView
{
    RulerView() : ToolTestView("ruler") {}

    // The dashed line of a measurement in progress, the marks left and their dialogs.
    QGraphicsLineItem* rubberLine() const { return topItems<QGraphicsLineItem>(scene).value(0); }
    QList<QGraphicsItemGroup*> marks() const { return topItems<QGraphicsItemGroup>(scene); }
    QList<P2PDistanceDialog*> dialogs() const { return view.findChildren<P2PDistanceDialog*>(); }
    QLineF measured() const
    {
        return static_cast<const QGraphicsLineItem*>(marks().value(0)->childItems().first())->line();
    }
    bool showsPage(const char* text) const
    {
        return GetInfoBox()->instructions().contains(QLatin1String(text));
    }

    void measure(const GeoPoint2D& from, const GeoPoint2D& to, bool shift = false)
    {
        key(Qt::Key_Shift, shift);
        click(from);
        move(to);
        click(to);
        key(Qt::Key_Shift, false);
    }
};

QPointF qPoint(const GeoPoint2D& p)
{
    return {p.x, p.y};
}

} // namespace

class tst_ToolRuler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HostTest::silencePlatformNoise(); }

    void shiftSnapsAnEndToTheNearestOutlinePoint_data()
    {
        QTest::addColumn<GeoPoint2D>("mouse");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<GeoPoint2D>("end");
        QTest::newRow("corner") << kLegCorner + kNear << true << kLegCorner;
        QTest::newRow("edge") << kLegBottom + GeoPoint2D(0.0, 1.0) << true << kLegBottom;
        // The leg's right edge is nearer than its corner.
        QTest::newRow("corner first") << kLegCorner + GeoPoint2D(-0.75, -0.25) << true << kLegCorner;
        QTest::newRow("beyond 5 pixels") << GeoPoint2D(8.0, 1.5) << true << GeoPoint2D(8.0, 1.5);
        QTest::newRow("without shift") << kLegCorner + kNear << false << kLegCorner + kNear;
    }

    void shiftSnapsAnEndToTheNearestOutlinePoint()
    {
        QFETCH(GeoPoint2D, mouse);
        QFETCH(bool, shift);
        QFETCH(GeoPoint2D, end);
        const GeoPoint2D far(60.0, 60.0);
        RulerView view;
        view.measure(mouse, far, shift);
        // One mark (the measured line, a tick and an arrow at each end) and its own dialog.
        QVERIFY(!view.rubberLine());
        QCOMPARE(view.marks().size(), 1);
        QCOMPARE(view.marks().first()->childItems().size(), 5);
        QCOMPARE(view.dialogs().size(), 1);
        QVERIFY(view.dialogs().first()->isVisible() && !view.dialogs().first()->isModal());
        QVERIFY(view.showsPage("first reference point"));
        // Unsnapped, an end is the whole pixel the mouse is on.
        const QPointF expected = qPoint(end == mouse ? view.at(view.pixel(mouse)) : end);
        QCOMPARE(view.measured().p1(), expected);
        RulerView reversed;
        reversed.measure(far, mouse, shift);
        QCOMPARE(reversed.measured().p2(), expected);
    }

    // A click in one place only sets the first point, also when the mouse comes back there;
    // the right button does nothing.
    void clicksThatMeasureNothing()
    {
        RulerView view;
        view.click(kLegCorner, Qt::RightButton);
        QVERIFY(!view.rubberLine());
        view.click(kLegCorner);
        QVERIFY(!view.rubberLine()->isVisible());
        QVERIFY(view.showsPage("second reference point"));
        view.move(kPocketCorner);
        QVERIFY(view.rubberLine()->isVisible());
        view.click(kPocketCorner, Qt::RightButton);
        view.move(kLegCorner);
        view.click(kLegCorner);
        QVERIFY(view.dialogs().isEmpty() && view.marks().isEmpty());
        QVERIFY(view.rubberLine());
    }

    // A press in another scene's view starts afresh there; that scene may go first.
    void anotherScenesViewStartsAfresh()
    {
        RulerView view;
        LaystoreTest::Marker otherMarker;
        auto otherScene = std::make_unique<MarkerScene>(otherMarker.document);
        DocumentView otherView(otherScene.get());
        otherView.setTool(view.tool);
        view.click(kLegCorner);
        QMouseEvent press(QEvent::MouseButtonPress, otherView.mapFromScene(qPoint(kLegCorner)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(otherView.viewport(), &press);
        QVERIFY(!view.rubberLine());
        QCOMPARE(topItems<QGraphicsLineItem>(*otherScene).size(), 1);
        otherView.setTool(nullptr);
        otherScene.reset();
        view.tool->stop();
    }
};

MARKER_TEST(tst_ToolRuler)
#include "tst_ToolRuler.moc"
