#include "tools/ToolTestView.h"

#include "PlatformNoise.h"
#include "TestMain.h"

#include "Dialog/P2PDistanceDialog.h"
#include "ToolRuler.h"

#include "VelCore/InfoBox.h"
#include "VelGui/VelCursor.h"

#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QLabel>
#include <QPointer>
#include <QtTest>
#include <memory>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

Q_DECLARE_METATYPE(GeoPoint2D)

namespace {

// Corners of the test marker's front leg and lower pocket, 10.44 cm apart, and a point of
// the leg's bottom edge far from its corners and notch.
const GeoPoint2D kLegCorner(27.0, 30.0);
const GeoPoint2D kPocketCorner(30.0, 20.0);
const GeoPoint2D kLegBottom(8.0, 0.0);
// Less than the 5-pixel tolerance away at the test view's 4 pixels a centimetre.
const GeoPoint2D kNear(0.5, 0.5);

struct RulerView : ToolTestView
{
    RulerView() : ToolTestView("ruler") {}

    // The dashed line of a measurement in progress, the marks left and their dialogs.
    QGraphicsLineItem* rubberLine() const { return itemOf<QGraphicsLineItem>(scene); }
    QList<QGraphicsItemGroup*> marks() const { return itemsOf<QGraphicsItemGroup>(scene); }
    QList<P2PDistanceDialog*> dialogs() const { return view.findChildren<P2PDistanceDialog*>(); }
    QString instructions() const { return GetInfoBox()->instructions(); }
    // The measured line of the first mark.
    QLineF measured() const
    {
        return static_cast<const QGraphicsLineItem*>(marks().first()->childItems().first())->line();
    }

    template <class T> static QList<T*> itemsOf(const QGraphicsScene& scene)
    {
        QList<T*> found;
        for (QGraphicsItem* item : scene.items()) {
            if (item->type() == T::Type && !item->parentItem())
                found << static_cast<T*>(item);
        }
        return found;
    }
    template <class T> static T* itemOf(const QGraphicsScene& scene)
    {
        const QList<T*> found = itemsOf<T>(scene);
        return found.isEmpty() ? nullptr : found.first();
    }

    // A click at `from`, a move and a click at `to`, with Shift held or not.
    void measure(const GeoPoint2D& from, const GeoPoint2D& to, bool shift = false)
    {
        key(Qt::Key_Shift, shift);
        click(from);
        move(to);
        click(to);
        key(Qt::Key_Shift, false);
    }
};

QString label(const P2PDistanceDialog* dialog, const char* name)
{
    return dialog->findChild<QLabel*>(QLatin1String(name))->text();
}

bool sameCursor(const QCursor& a, const QCursor& b)
{
    return a.shape() == b.shape() && a.pixmap().toImage() == b.pixmap().toImage();
}

} // namespace

class tst_ToolRuler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { HostTest::silencePlatformNoise(); }

    void measurementLeavesAMarkWithItsOwnDialog_data()
    {
        QTest::addColumn<bool>("drag");
        QTest::newRow("click, move, click") << false;
        QTest::newRow("drag") << true;
    }

    void measurementLeavesAMarkWithItsOwnDialog()
    {
        QFETCH(bool, drag);
        RulerView view;
        view.tool->showInstructions(&view.view);
        const QString firstPage = view.instructions();
        QVERIFY(sameCursor(view.cursor(), VelCursor::ufo()));
        view.key(Qt::Key_Shift, true);
        QVERIFY(view.press(kLegCorner + kNear));
        if (!drag) {
            QVERIFY(view.release(kLegCorner + kNear));
            QVERIFY(view.rubberLine());
            QVERIFY(!view.rubberLine()->isVisible());
            QVERIFY(sameCursor(view.cursor(), VelCursor::cross()));
            QVERIFY(view.instructions().contains(QStringLiteral("second reference point")));
            QVERIFY(view.move(kPocketCorner - kNear));
            QVERIFY(view.rubberLine()->isVisible());
            QCOMPARE(view.rubberLine()->pen().style(), Qt::DashLine);
            QVERIFY(view.rubberLine()->pen().isCosmetic());
            QVERIFY(view.press(kPocketCorner - kNear));
        } else {
            QVERIFY(view.move(kPocketCorner - kNear));
        }
        QVERIFY(view.release(kPocketCorner - kNear));

        QVERIFY(!view.rubberLine());
        QCOMPARE(view.marks().size(), 1);
        const QGraphicsItemGroup* mark = view.marks().first();
        // The measured line, a tick and an arrow at each end, drawn over the pieces.
        QCOMPARE(mark->childItems().size(), 5);
        QCOMPARE(mark->zValue(), DocumentScene::kTopMostZValue);
        QVERIFY(!(mark->flags() & QGraphicsItem::ItemIsSelectable));
        QCOMPARE(view.dialogs().size(), 1);
        const P2PDistanceDialog* dialog = view.dialogs().first();
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        // Shift put both ends on the pieces' corners exactly.
        QCOMPARE(label(dialog, "labelDistance"), QStringLiteral("10.44 cm"));
        QCOMPARE(label(dialog, "labelDistanceX"), QStringLiteral("3.00 cm"));
        QCOMPARE(label(dialog, "labelDistanceY"), QStringLiteral("-10.00 cm"));
        QVERIFY(sameCursor(view.cursor(), VelCursor::ufo()));
        QCOMPARE(view.instructions(), firstPage);
        // Measuring changes nothing in the marker.
        QCOMPARE(view.undo().count(), 0);
    }

    void shiftSnapsAnEndToTheNearestOutlinePoint_data()
    {
        QTest::addColumn<GeoPoint2D>("mouse");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<GeoPoint2D>("end");
        QTest::newRow("corner") << kLegCorner + kNear << true << kLegCorner;
        // The notch at (13, 0) and the corner at (1, 0) are beyond the tolerance.
        QTest::newRow("edge") << kLegBottom + GeoPoint2D(0.0, 1.0) << true << kLegBottom;
        QTest::newRow("corner before a nearer edge")
            << kLegCorner + GeoPoint2D(-0.75, -0.25) << true << kLegCorner;
        QTest::newRow("nothing within 5 pixels") << GeoPoint2D(8.0, 1.5) << true << GeoPoint2D(8.0, 1.5);
        QTest::newRow("without shift") << kLegCorner + kNear << false << kLegCorner + kNear;
    }

    void shiftSnapsAnEndToTheNearestOutlinePoint()
    {
        QFETCH(GeoPoint2D, mouse);
        QFETCH(bool, shift);
        QFETCH(GeoPoint2D, end);
        const GeoPoint2D far(60.0, 60.0);
        RulerView view;
        // Unsnapped, an end is the whole pixel the mouse is on.
        if (end == mouse)
            end = view.at(view.pixel(mouse));
        view.measure(mouse, far, shift);
        QCOMPARE(view.marks().size(), 1);
        QCOMPARE(GeoPoint2D(view.measured().p1().x(), view.measured().p1().y()), end);
        // The second end snaps the same way.
        RulerView reversed;
        reversed.measure(far, mouse, shift);
        QCOMPARE(GeoPoint2D(reversed.measured().p2().x(), reversed.measured().p2().y()), end);
    }

    // A press and release in one place only sets the first point; the right button does
    // nothing; Alt before a first point resets the tool.
    void clicksThatMeasureNothing()
    {
        RulerView view;
        view.click(kLegCorner, Qt::RightButton);
        QVERIFY(!view.rubberLine());
        view.click(kLegCorner);
        QVERIFY(view.rubberLine());
        view.move(kPocketCorner);
        QVERIFY(!view.press(kPocketCorner, Qt::RightButton));
        QVERIFY(!view.release(kPocketCorner, Qt::RightButton));
        QVERIFY(view.dialogs().isEmpty());
        // Back where it started: a zero-length measurement opens no dialog.
        view.move(kLegCorner);
        view.click(kLegCorner);
        QVERIFY(view.dialogs().isEmpty());
        QVERIFY(view.marks().isEmpty());
        QVERIFY(view.rubberLine());

        view.tool->stop();
        QVERIFY(!view.rubberLine());
        view.key(Qt::Key_Alt, true);
        QVERIFY(view.press(kLegCorner));
        QVERIFY(!view.rubberLine());
        QVERIFY(sameCursor(view.cursor(), VelCursor::ufo()));
    }

    void severalMeasurementsStayOpenAndCloseAlone()
    {
        RulerView view;
        view.measure(kLegCorner, kPocketCorner);
        view.measure(kLegBottom, kPocketCorner);
        QCOMPARE(view.marks().size(), 2);
        const QList<P2PDistanceDialog*> dialogs = view.dialogs();
        QCOMPARE(dialogs.size(), 2);
        QVERIFY(dialogs.at(0)->isVisible() && dialogs.at(1)->isVisible());

        const QPointer<P2PDistanceDialog> first = dialogs.at(0);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QCOMPARE(view.marks().size(), 1);
        QCOMPARE(view.dialogs(), QList<P2PDistanceDialog*>{dialogs.at(1)});
    }

    void aPressInAnotherScenesViewStartsAfresh()
    {
        RulerView view;
        LaystoreTest::Marker otherMarker;
        MarkerScene otherScene(otherMarker.document);
        DocumentView otherView(&otherScene);
        otherView.resize(kViewWidth, kViewHeight);
        otherView.show();
        otherView.setTool(view.tool);

        view.click(kLegCorner);
        const QPoint pixel = view.pixel(kPocketCorner);
        QMouseEvent press(QEvent::MouseButtonPress, pixel, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(otherView.viewport(), &press);
        QVERIFY(!view.rubberLine());
        QVERIFY(RulerView::itemOf<QGraphicsLineItem>(otherScene));
        // Moves in the first view no longer draw the line.
        QVERIFY(!view.move(kPocketCorner));
        otherView.setTool(nullptr);
    }

    // The scene may go first: with a measurement in progress, or with its dialog open.
    void theSceneGoingFirstLeavesNothingBehind()
    {
        RulerView view;
        auto marker = std::make_unique<LaystoreTest::Marker>();
        auto scene = std::make_unique<MarkerScene>(marker->document);
        DocumentView otherView(scene.get());
        otherView.resize(kViewWidth, kViewHeight);
        otherView.show();
        otherView.setTool(view.tool);
        const auto sendClick = [&](const GeoPoint2D& point) {
            const QPoint pixel = otherView.mapFromScene(QPointF(point.x, point.y));
            for (QEvent::Type type :
                 {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, pixel, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier);
                QApplication::sendEvent(otherView.viewport(), &event);
            }
        };
        sendClick(kLegCorner);
        sendClick(kPocketCorner);
        const QPointer<P2PDistanceDialog> dialog = otherView.findChild<P2PDistanceDialog*>();
        QVERIFY(dialog);
        sendClick(kLegBottom);
        otherView.setTool(nullptr);
        scene.reset();
        view.tool->stop();
        QVERIFY(dialog);
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }
};

MARKER_TEST(tst_ToolRuler)
#include "tst_ToolRuler.moc"
