#include "GeoTestPrint.h"
#include "VelGeo/GeoBoost.h"
#include "VelGeo/GeoPolygon2D.h"

#include "TestMain.h"
#include <QPainterPath>
#include <QPolygonF>
#include <QtTest>
#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

using VelSystem::GeoPoint2D;
using VelSystem::GeoPolygon2D;
using VelSystem::GeoRectangle;

Q_DECLARE_METATYPE(GeoPolygon2D)

namespace {

GeoPolygon2D rectangle(double x0, double y0, double x1, double y1)
{
    return GeoPolygon2D({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

// An L: a 4 x 1 foot and a 1 x 3 upright, with its notch at [1, 4] x [1, 4].
GeoPolygon2D lShape()
{
    return GeoPolygon2D({{0, 0}, {4, 0}, {4, 1}, {1, 1}, {1, 4}, {0, 4}});
}

GeoPolygon2D reversed(GeoPolygon2D p)
{
    std::reverse(p.points().begin(), p.points().end());
    return p;
}

// A random star-shaped (and usually concave) outline around `centre`.
GeoPolygon2D randomStar(std::mt19937& rng, const GeoPoint2D& centre)
{
    std::uniform_real_distribution<double> radius(0.5, 3.0), angle(0.0, 360.0);
    std::vector<double> angles(7);
    for (double& a : angles)
        a = angle(rng);
    std::sort(angles.begin(), angles.end());
    GeoPolygon2D star;
    for (double a : angles)
        star.append(centre + GeoPoint2D(radius(rng), 0).rotated(a));
    return star;
}

// The shared area as Qt's own path clipping computes it.
double qtSharedArea(const GeoPolygon2D& a, const GeoPolygon2D& b)
{
    auto path = [](const GeoPolygon2D& p) {
        QPolygonF polygon;
        for (const GeoPoint2D& v : p.points())
            polygon << QPointF(v.x, v.y);
        QPainterPath result;
        result.addPolygon(polygon);
        result.closeSubpath();
        return result;
    };
    double largest = 0.0;
    for (const QPolygonF& piece : path(a).intersected(path(b)).toSubpathPolygons()) {
        std::vector<GeoPoint2D> points;
        for (const QPointF& p : piece)
            points.emplace_back(p.x(), p.y());
        largest = std::max(largest, GeoPolygon2D(points).area());
    }
    return largest;
}

} // namespace

class tst_GeoPolygon2D : public QObject
{
    Q_OBJECT
private slots:
    void measures()
    {
        const GeoPolygon2D l = lShape();
        QCOMPARE(l.signedArea(), 7.0);
        QCOMPARE(reversed(l).signedArea(), -7.0);
        QCOMPARE(reversed(l).area(), 7.0);
        QCOMPARE(l.perimeter(), 16.0);
        QCOMPARE(l.boundingRect(), GeoRectangle(0, 0, 4, 4));
        // The foot (area 4 about (2, 0.5)) and the upright (area 3 about (0.5, 2.5)).
        const GeoPoint2D expected(9.5 / 7.0, 9.5 / 7.0);
        QVERIFY(l.centroid().equals(expected, 1e-12));
        QVERIFY(reversed(l).centroid().equals(expected, 1e-12));
        // A flat outline has no area: the middle of its edges.
        QVERIFY(GeoPolygon2D({{0, 0}, {4, 0}}).centroid().equals(GeoPoint2D(2, 0), 1e-12));
        QCOMPARE(GeoPolygon2D({{3, 3}}).centroid(), GeoPoint2D(3, 3));

        const GeoPolygon2D empty;
        QCOMPARE(empty.area(), 0.0);
        QCOMPARE(empty.centroid(), GeoPoint2D());
        QVERIFY(!empty.containsPoint({0, 0}));
        QVERIFY(!empty.boundingRect().isValid());
        QCOMPARE(empty.distanceToOutline({0, 0}), std::numeric_limits<double>::infinity());
        QVERIFY(!empty.overlaps(l) && !l.overlaps(empty));
    }

    void containsPoint()
    {
        for (const GeoPolygon2D& l : {lShape(), reversed(lShape())}) {
            QVERIFY(l.containsPoint({0.5, 0.5}));
            QVERIFY(l.containsPoint({0.5, 3.5}));
            QVERIFY(!l.containsPoint({2, 2}));  // in the notch
            QVERIFY(l.containsPoint({4, 0.5})); // on the outer edge
            QVERIFY(l.containsPoint({1, 2}));   // on the notch's edge
            QVERIFY(l.containsPoint({0, 0}));   // a vertex
            QVERIFY(!l.containsPoint({-0.01, 2}));
        }
        const GeoPolygon2D segment({{0, 0}, {2, 0}});
        QVERIFY(segment.containsPoint({1, 0}));
        QVERIFY(!segment.containsPoint({1, 0.1}));
    }

    void distanceToOutline()
    {
        const GeoPolygon2D l = lShape();
        QCOMPARE(l.distanceToOutline({2, 2}), 1.0);   // in the notch
        QCOMPARE(l.distanceToOutline({0.5, 2}), 0.5); // inside the upright
        QCOMPARE(l.distanceToOutline({6, 0.5}), 2.0);
        QCOMPARE(l.distanceToOutline({0, 2}), 0.0);
        // The closing edge from the last vertex back to the first counts.
        QCOMPARE(l.distanceToOutline({-3, 1}), 3.0);

        // The nearest point itself: on an edge, at a vertex, on the closing edge; as far as the
        // library's distance says.
        QCOMPARE(l.nearestOutlinePoint({1.5, 2.5}), GeoPoint2D(1, 2.5));
        QCOMPARE(l.nearestOutlinePoint({6, 3}), GeoPoint2D(4, 1));
        QCOMPARE(l.nearestOutlinePoint({-3, 1}), GeoPoint2D(0, 1));
        for (const GeoPoint2D& p :
             {GeoPoint2D(2.3, 1.7), GeoPoint2D(0.4, 2.9), GeoPoint2D(5, -2), GeoPoint2D(3, 0.2)})
            QCOMPARE(l.nearestOutlinePoint(p).distance(p), l.distanceToOutline(p));
        QCOMPARE(GeoPolygon2D().nearestOutlinePoint({1, 2}), GeoPoint2D(1, 2));
    }

    void overlaps_data()
    {
        QTest::addColumn<GeoPolygon2D>("a");
        QTest::addColumn<GeoPolygon2D>("b");
        QTest::addColumn<bool>("expected");
        const GeoPolygon2D unit = rectangle(0, 0, 1, 1);
        QTest::newRow("overlapping squares") << rectangle(0, 0, 2, 2) << rectangle(1, 1, 3, 3) << true;
        QTest::newRow("identical squares") << unit << unit << true;
        QTest::newRow("touching along an edge") << unit << rectangle(1, 0, 2, 1) << false;
        QTest::newRow("touching along part of an edge") << unit << rectangle(1, 0.5, 2, 3) << false;
        QTest::newRow("touching at a corner") << unit << rectangle(1, 1, 2, 2) << false;
        QTest::newRow("nested") << rectangle(0, 0, 10, 10) << rectangle(2, 2, 3, 3) << true;
        QTest::newRow("nested, touching the border")
            << rectangle(0, 0, 10, 10) << rectangle(0, 2, 3, 3) << true;
        QTest::newRow("disjoint") << unit << rectangle(5, 5, 6, 6) << false;
        QTest::newRow("boxes meet, triangles do not")
            << GeoPolygon2D({{0, 0}, {2, 0}, {0, 2}}) << GeoPolygon2D({{2, 2}, {0.5, 2}, {2, 0.5}}) << false;
        QTest::newRow("in the notch of an L") << lShape() << rectangle(2, 2, 3, 3) << false;
        QTest::newRow("filling the notch of an L") << lShape() << rectangle(1, 1, 4, 4) << false;
        QTest::newRow("crossing the upright of an L") << lShape() << rectangle(0.5, 2, 2, 3) << true;
        QTest::newRow("clockwise, crossing the upright")
            << reversed(lShape()) << reversed(rectangle(0.5, 2, 2, 3)) << true;
        QTest::newRow("rounding sliver") << unit << rectangle(1 - 1e-12, 0, 2, 1) << false;
        QTest::newRow("thin but real overlap") << unit << rectangle(1 - 1e-3, 0, 2, 1) << true;
        QTest::newRow("a point is no area") << GeoPolygon2D({{0.5, 0.5}}) << unit << false;
    }

    void overlaps()
    {
        QFETCH(GeoPolygon2D, a);
        QFETCH(GeoPolygon2D, b);
        QFETCH(bool, expected);
        QCOMPARE(a.overlaps(b), expected);
        QCOMPARE(b.overlaps(a), expected);
    }

    void overlapsAgreesWithQtClipping()
    {
        std::mt19937 rng(20240611);
        std::uniform_real_distribution<double> position(0.0, 6.0);
        int overlapping = 0, apart = 0;
        for (int i = 0; i < 300; ++i) {
            const GeoPolygon2D a = randomStar(rng, {position(rng), position(rng)});
            const GeoPolygon2D b = randomStar(rng, {position(rng), position(rng)});
            const double shared = qtSharedArea(a, b);
            if (shared > 1e-9 && shared < 1e-4)
                continue; // too thin for the two computations to be compared
            const bool expected = shared >= 1e-4;
            QVERIFY2(a.overlaps(b) == expected, qPrintable(QStringLiteral("pair %1").arg(i)));
            (expected ? overlapping : apart)++;
        }
        QVERIFY(overlapping > 50 && apart > 50);
    }

    void transformations()
    {
        const GeoPolygon2D l = lShape();
        const GeoPoint2D centre = l.centroid();

        GeoPolygon2D moved = l;
        moved.translate({10, -2});
        QCOMPARE(moved.boundingRect(), GeoRectangle(10, -2, 14, 2));
        QCOMPARE(moved.area(), l.area());

        GeoPolygon2D turned = l;
        turned.rotate(90, centre);
        QVERIFY(qAbs(turned.signedArea() - 7.0) < 1e-12);
        QVERIFY(turned.centroid().equals(centre, 1e-12));

        // A quarter turn about the origin is exact: the foot now runs up the y axis.
        GeoPolygon2D upright = l;
        upright.rotate(90, {0, 0});
        QCOMPARE(upright.points(),
                 GeoPolygon2D({{0, 0}, {0, 4}, {-1, 4}, {-1, 1}, {-4, 1}, {-4, 0}}).points());

        GeoPolygon2D flipped = l;
        flipped.mirrorX(2);
        QCOMPARE(flipped.signedArea(), -7.0); // mirroring reverses the orientation
        QCOMPARE(flipped.boundingRect(), GeoRectangle(0, 0, 4, 4));
        QVERIFY(flipped.containsPoint({3.5, 3.5}));
        QVERIFY(!flipped.containsPoint({0.5, 3.5}));

        flipped = l;
        flipped.mirrorY(-1);
        QCOMPARE(flipped.boundingRect(), GeoRectangle(0, -6, 4, -2));
        QVERIFY(flipped.containsPoint({3.5, -2.5}));
    }

    void editingChecksIndices()
    {
        GeoPolygon2D p = rectangle(0, 0, 1, 1);
        p.insert(4, {0, 0.5}); // appending is inserting at the end
        p.insert(0, {0.5, -1});
        QCOMPARE(p.size(), 6);
        QCOMPARE(p[0], GeoPoint2D(0.5, -1));
        QCOMPARE(p[5], GeoPoint2D(0, 0.5));
        p.remove(0);
        QCOMPARE(p[0], GeoPoint2D(0, 0));

        const GeoPolygon2D before = p;
        QVERIFY_EXCEPTION_THROWN(p.insert(7, {9, 9}), std::out_of_range);
        QVERIFY_EXCEPTION_THROWN(p.insert(-1, {9, 9}), std::out_of_range);
        QVERIFY_EXCEPTION_THROWN(p.remove(5), std::out_of_range);
        QVERIFY_EXCEPTION_THROWN(GeoPolygon2D().remove(0), std::out_of_range);
        QCOMPARE(p.points(), before.points());
    }

    void toBgPolygonClosesAndOrients()
    {
        const VelSystem::BgPolygon clockwise = VelSystem::toBgPolygon(reversed(lShape()));
        QCOMPARE(int(clockwise.outer().size()), 7);
        QCOMPARE(clockwise.outer().front(), clockwise.outer().back());
        QCOMPARE(boost::geometry::area(clockwise), 7.0);
        QVERIFY(boost::geometry::is_valid(clockwise));

        // An outline that already repeats its first point is not closed twice.
        GeoPolygon2D closed = lShape();
        closed.append(closed[0]);
        QCOMPARE(int(VelSystem::toBgPolygon(closed).outer().size()), 7);
    }
};

MARKER_TEST(tst_GeoPolygon2D)
#include "tst_GeoPolygon2D.moc"
