#include "GeoTestPrint.h"
#include "VelGeo/GeoPoint2D.h"

#include "TestMain.h"
#include <QtTest>
#include <cmath>
#include <limits>

using VelSystem::GeoPoint2D;

Q_DECLARE_METATYPE(GeoPoint2D)

static bool near(const GeoPoint2D& a, const GeoPoint2D& b)
{
    return a.equals(b, 1e-12);
}

class tst_GeoPoint2D : public QObject
{
    Q_OBJECT
private slots:
    void angleAndOpening_data()
    {
        // The opening is the angle between the vector and the x axis, either way along it.
        QTest::addColumn<GeoPoint2D>("vector");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("opening");
        const double r3 = std::sqrt(3.0);
        QTest::newRow("east") << GeoPoint2D(2, 0) << 0.0 << 0.0;
        QTest::newRow("first quadrant") << GeoPoint2D(1, 1) << 45.0 << 45.0;
        QTest::newRow("north") << GeoPoint2D(0, 3) << 90.0 << 90.0;
        QTest::newRow("second quadrant") << GeoPoint2D(-r3, 1) << 150.0 << 30.0;
        QTest::newRow("west") << GeoPoint2D(-1, 0) << 180.0 << 0.0;
        QTest::newRow("third quadrant") << GeoPoint2D(-r3, -1) << 210.0 << 30.0;
        QTest::newRow("south") << GeoPoint2D(0, -1) << 270.0 << 90.0;
        QTest::newRow("fourth quadrant") << GeoPoint2D(1, -r3) << 300.0 << 60.0;
        QTest::newRow("30 below east") << GeoPoint2D(r3, -1) << 330.0 << 30.0;
        QTest::newRow("just below east is 0, never 360") << GeoPoint2D(1, -1e-20) << 0.0 << 0.0;
    }

    void angleAndOpening()
    {
        QFETCH(GeoPoint2D, vector);
        QFETCH(double, degrees);
        QFETCH(double, opening);
        QVERIFY2(qAbs(vector.angle() - degrees) < 1e-12,
                 qPrintable(QString::number(vector.angle(), 'g', 17)));
        QVERIFY(qAbs(vector.opening() - opening) < 1e-12);
        const GeoPoint2D from(10.0, -7.0);
        QVERIFY(qAbs(from.angleTo(from + vector) - degrees) < 1e-12);
    }

    void projected()
    {
        // Onto a horizontal line, also beyond the defining points.
        QCOMPARE(GeoPoint2D(7, 5).projected({0, 1}, {2, 1}), GeoPoint2D(7, 1));
        // Onto the diagonal y = x.
        QVERIFY(near(GeoPoint2D(2, 0).projected({0, 0}, {3, 3}), GeoPoint2D(1, 1)));
        // A point on the line is its own projection.
        QVERIFY(near(GeoPoint2D(-4, -4).projected({0, 0}, {1, 1}), GeoPoint2D(-4, -4)));
        // A degenerate line answers its point.
        QCOMPARE(GeoPoint2D(9, 9).projected({1, 2}, {1, 2}), GeoPoint2D(1, 2));
    }

    void betweenDelta_data()
    {
        QTest::addColumn<GeoPoint2D>("p");
        QTest::addColumn<bool>("expected");
        // The segment runs from (0, 0) to (10, 0); delta is 0.5.
        QTest::newRow("on the segment") << GeoPoint2D(5, 0) << true;
        QTest::newRow("near the middle") << GeoPoint2D(5, 0.4) << true;
        QTest::newRow("just beyond delta") << GeoPoint2D(5, -0.6) << false;
        QTest::newRow("far") << GeoPoint2D(5, 30) << false;
        QTest::newRow("close beyond the end") << GeoPoint2D(10.3, 0.3) << true;
        QTest::newRow("on the line beyond the end") << GeoPoint2D(11, 0) << false;
        QTest::newRow("on the line before the start") << GeoPoint2D(-0.7, 0) << false;
        QTest::newRow("diagonally off the start") << GeoPoint2D(-0.4, -0.4) << false;
    }

    void betweenDelta()
    {
        QFETCH(GeoPoint2D, p);
        QFETCH(bool, expected);
        const GeoPoint2D start(0, 0), end(10, 0);
        QCOMPARE(start.betweenDelta(&p, &end, 0.5), expected);
        QCOMPARE(end.betweenDelta(&p, &start, 0.5), expected);
        // The same configuration turned and moved keeps its answer.
        const GeoPoint2D centre(3, -2), shift(-20, 40);
        const GeoPoint2D q = p.rotated(37, centre) + shift;
        const GeoPoint2D s = start.rotated(37, centre) + shift, e = end.rotated(37, centre) + shift;
        QCOMPARE(s.betweenDelta(&q, &e, 0.5), expected);
        // No point answers false; a segment of zero length is its one point.
        QVERIFY(!start.betweenDelta(nullptr, &end, 100.0) && !start.betweenDelta(&end, nullptr, 100.0));
        const GeoPoint2D near(0.3, 0.4);
        QVERIFY(start.betweenDelta(&near, &start, 0.5) && !start.betweenDelta(&near, &start, 0.49));
    }

    void rotated()
    {
        // Quarter turns are exact, counter-clockwise for positive angles.
        QCOMPARE(GeoPoint2D(2, 0).rotated(90), GeoPoint2D(0, 2));
        QCOMPARE(GeoPoint2D(2, 1).rotated(180), GeoPoint2D(-2, -1));
        QCOMPARE(GeoPoint2D(2, 1).rotated(-90), GeoPoint2D(1, -2));
        QCOMPARE(GeoPoint2D(2, 1).rotated(450), GeoPoint2D(-1, 2));
        QCOMPARE(GeoPoint2D(2, 1).rotated(360), GeoPoint2D(2, 1));
        // About a centre other than the origin.
        QCOMPARE(GeoPoint2D(5, 3).rotated(90, {4, 3}), GeoPoint2D(4, 4));
        QVERIFY(
            near(GeoPoint2D(5, 3).rotated(45, {4, 3}), GeoPoint2D(4 + std::sqrt(0.5), 3 + std::sqrt(0.5))));
        // There and back, and the distance to the centre is kept.
        const GeoPoint2D p(-3.25, 8.5), centre(1, 1);
        const GeoPoint2D turned = p.rotated(33.3, centre);
        QVERIFY(qAbs(turned.distance(centre) - p.distance(centre)) < 1e-12);
        QVERIFY(qAbs((turned - centre).angle() - std::fmod((p - centre).angle() + 33.3, 360.0)) < 1e-9);
        QVERIFY(near(turned.rotated(-33.3, centre), p));
    }

    void equalsAndFinite()
    {
        const GeoPoint2D a(1, 1);
        QVERIFY(a.equals({1.05, 0.95}, 0.05 + 1e-15));
        QVERIFY(!a.equals({1.0, 1.2}, 0.1));
        QVERIFY(!a.equals({1.2, 1.0}, 0.1));
        QVERIFY(a.isFinite());
        QVERIFY(!GeoPoint2D(std::numeric_limits<double>::quiet_NaN(), 0).isFinite());
        QVERIFY(!GeoPoint2D(0, -std::numeric_limits<double>::infinity()).isFinite());
    }
};

MARKER_TEST(tst_GeoPoint2D)
#include "tst_GeoPoint2D.moc"
