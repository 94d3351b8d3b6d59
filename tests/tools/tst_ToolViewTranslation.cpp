#include "tools/ToolTestView.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;
using namespace VelSystem::ToolTest;

namespace {

// One notch of the wheel away from the user, and towards.
constexpr double kNotchIn = 1.122208506340478;
constexpr double kNotchOut = 0.8911;

} // namespace

class tst_ToolViewTranslation : public QObject
{
    Q_OBJECT

private slots:
    void wheelZoomsByWholeNotchesAndKeepsTheRest_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        // The zoom, from the start, after each delta.
        QTest::addColumn<QList<double>>("zooms");
        QTest::newRow("60 then 60") << QList<int>{60, 60} << QList<double>{1.0, kNotchIn};
        QTest::newRow("-240") << QList<int>{-240} << QList<double>{0.79405921};
        // Opposite partial notches cancel: a remainder left behind would complete the last notch early.
        QTest::newRow("100 then -100")
            << QList<int>{100, -100, 119, 1} << QList<double>{1.0, 1.0, 1.0, kNotchIn};
        QTest::newRow("-100 then -100")
            << QList<int>{-100, -100, 80, 40} << QList<double>{1.0, kNotchOut, kNotchOut, kNotchOut};
        // A restart of the tool forgets a partial notch.
        QTest::newRow("60, restart, 60, 60")
            << QList<int>{60, 0, 60, 60} << QList<double>{1.0, 1.0, 1.0, kNotchIn};
        QTest::newRow("in and out") << QList<int>{120, -120} << QList<double>{kNotchIn, 1.0};
        QTest::newRow("three and a half")
            << QList<int>{420, 60} << QList<double>{kNotchIn * kNotchIn * kNotchIn, std::pow(kNotchIn, 4)};
    }

    void wheelZoomsByWholeNotchesAndKeepsTheRest()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(QList<double>, zooms);
        ToolTestView view("handgrip");
        const GeoPoint2D point = view.at(QPoint(200, 150));
        for (int i = 0; i < deltas.size(); ++i) {
            if (deltas[i] == 0)
                view.tool->start();
            else
                view.wheel(point, deltas[i]);
            QCOMPARE(view.zoom(), zooms[i]);
        }
    }

    void wheelZoomsAroundTheMouse()
    {
        ToolTestView view("handgrip");
        const QPoint pixel(90, 330);
        const GeoPoint2D point = view.at(pixel);
        view.wheel(point, 360);
        QCOMPARE(view.zoom(), kNotchIn * kNotchIn * kNotchIn);
        QVERIFY((view.pixel(point) - pixel).manhattanLength() <= 1);

        QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 30), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QVERIFY(view.tool->wheelEvent(&view.view, &wheel));
    }

    void dragWithAnyButtonMovesTheScrollBarsByTheDrag_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void dragWithAnyButtonMovesTheScrollBarsByTheDrag()
    {
        QFETCH(Qt::MouseButton, button);
        ToolTestView view("handgrip");
        const QPoint from(300, 200);
        const GeoPoint2D grabbed = view.at(from);
        const QPoint before = view.scrollValues();

        QVERIFY(view.press(grabbed, button));
        QCOMPARE(view.scrollValues(), before);
        // Positions are taken before each move: the view scrolls under the mouse.
        QVERIFY(view.move(view.at(from + QPoint(30, -20))));
        QCOMPARE(view.scrollValues(), before + QPoint(-30, 20));
        QVERIFY(view.move(view.at(from + QPoint(30, -20) + QPoint(-70, 45))));
        QCOMPARE(view.scrollValues(), before + QPoint(40, -25));
        // The grabbed point followed the mouse.
        QCOMPARE(view.pixel(grabbed), from + QPoint(-40, 25));
        QVERIFY(view.release(view.at(from + QPoint(-40, 25)), button));
        QCOMPARE(view.zoom(), 1.0);
    }

    void panLastsFromPressToRelease()
    {
        ToolTestView view("handgrip");
        const QPoint before = view.scrollValues();
        QCOMPARE(view.cursor().shape(), Qt::OpenHandCursor);
        QVERIFY(!view.move(view.at(QPoint(100, 100))));
        QVERIFY(!view.move(view.at(QPoint(160, 140))));
        QVERIFY(!view.release(view.at(QPoint(160, 140))));
        QCOMPARE(view.scrollValues(), before);

        view.press(view.at(QPoint(100, 100)), Qt::RightButton);
        QCOMPARE(view.cursor().shape(), Qt::ClosedHandCursor);
        view.release(view.at(QPoint(100, 100)), Qt::RightButton);
        QCOMPARE(view.cursor().shape(), Qt::OpenHandCursor);
        QVERIFY(!view.move(view.at(QPoint(200, 200))));
        QCOMPARE(view.scrollValues(), before);
    }
};

MARKER_TEST(tst_ToolViewTranslation)
#include "tst_ToolViewTranslation.moc"
