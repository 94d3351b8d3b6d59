#include "GeoTestShapes.h"
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
using namespace VelSystem::GeoTestShapes;

Q_DECLARE_METATYPE(GeoPolygon2D)
Q_DECLARE_METATYPE(GeoPoint2D)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(std::vector<std::vector<int>>)

namespace {

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

    void isSimple_data()
    {
        QTest::addColumn<GeoPolygon2D>("outline");
        QTest::addColumn<bool>("simple");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("square") << rectangle(0, 0, 1, 1) << true;
        QTest::newRow("clockwise L") << reversed(lShape()) << true;
        QTest::newRow("repeated vertex") << GeoPolygon2D({{0, 0}, {1, 0}, {1, 0}, {1, 1}}) << true;
        QTest::newRow("bow tie") << GeoPolygon2D({{0, 0}, {1, 1}, {1, 0}, {0, 1}}) << false;
        QTest::newRow("spike") << GeoPolygon2D({{0, 0}, {2, 0}, {2, 2}, {1, 2}, {1, 3}, {1, 2}, {0, 2}})
                               << false;
        QTest::newRow("vertex on an edge") << GeoPolygon2D({{0, 0}, {4, 0}, {4, 4}, {2, 0}, {0, 4}}) << false;
        QTest::newRow("zero area") << GeoPolygon2D({{0, 0}, {1, 0}, {2, 0}}) << false;
        QTest::newRow("two points") << GeoPolygon2D({{0, 0}, {1, 0}}) << false;
        QTest::newRow("not finite") << GeoPolygon2D({{0, 0}, {1, 0}, {nan, 1}}) << false;
    }

    void isSimple()
    {
        QFETCH(GeoPolygon2D, outline);
        QFETCH(bool, simple);
        QCOMPARE(outline.isSimple(), simple);
        GeoPolygon2D turned = outline;
        QCOMPARE(turned.orientCounterClockwise(), outline.signedArea() < 0.0);
        QVERIFY(turned.signedArea() >= 0.0 || !outline.isFinite());
    }

    void encloses_data()
    {
        QTest::addColumn<GeoPolygon2D>("outer");
        QTest::addColumn<GeoPolygon2D>("inner");
        QTest::addColumn<bool>("encloses");
        const GeoPolygon2D big = rectangle(0, 0, 10, 10);
        QTest::newRow("nested") << big << rectangle(2, 2, 3, 3) << true;
        QTest::newRow("nested, touching the border") << reversed(big) << rectangle(0, 2, 3, 10) << true;
        QTest::newRow("identical") << lShape() << lShape() << true;
        QTest::newRow("overlapping") << big << rectangle(9, 9, 11, 11) << false;
        QTest::newRow("disjoint") << big << rectangle(12, 0, 13, 1) << false;
        QTest::newRow("in the notch of an L") << lShape() << rectangle(2, 2, 3, 3) << false;
        QTest::newRow("filling the notch of an L") << lShape() << rectangle(1, 1, 4, 4) << false;
        QTest::newRow("an L in its box") << rectangle(0, 0, 4, 4) << lShape() << true;
        QTest::newRow("a flat outline inside") << big << GeoPolygon2D({{1, 1}, {5, 5}}) << true;
        QTest::newRow("a flat outline across the notch")
            << lShape() << GeoPolygon2D({{0.5, 3.5}, {3.5, 0.5}}) << false;
    }

    void encloses()
    {
        QFETCH(GeoPolygon2D, outer);
        QFETCH(GeoPolygon2D, inner);
        QFETCH(bool, encloses);
        QCOMPARE(outer.encloses(inner), encloses);
    }

    void splitAlong_data()
    {
        using Parts = std::vector<std::vector<int>>;
        QTest::addColumn<GeoPolygon2D>("outline");
        QTest::addColumn<GeoPoint2D>("a");
        QTest::addColumn<GeoPoint2D>("b");
        QTest::addColumn<Parts>("left");
        QTest::addColumn<Parts>("right");
        const GeoPolygon2D square = rectangle(0, 0, 2, 2);
        QTest::newRow("square, across") << square << GeoPoint2D(1, -1) << GeoPoint2D(1, 3)
                                        << Parts{{0, -1, -1, 3}} << Parts{{1, 2, -1, -1}};
        QTest::newRow("clockwise square, across") << reversed(square) << GeoPoint2D(1, -1) << GeoPoint2D(1, 3)
                                                  << Parts{{0, 3, -1, -1}} << Parts{{1, -1, -1, 2}};
        QTest::newRow("square, through two corners")
            << square << GeoPoint2D(0, 0) << GeoPoint2D(2, 2) << Parts{{0, 2, 3}} << Parts{{0, 1, 2}};
        QTest::newRow("L, along an edge") << lShape() << GeoPoint2D(-1, 1) << GeoPoint2D(5, 1)
                                          << Parts{{3, 4, 5, -1}} << Parts{{0, 1, 2, 3, -1}};
        const GeoPolygon2D u({{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}});
        QTest::newRow("U, through both arms")
            << u << GeoPoint2D(-1, 2) << GeoPoint2D(4, 2) << Parts{{2, 3, -1, -1}, {6, 7, -1, -1}}
            << Parts{{0, 1, -1, -1, 4, 5, -1, -1}};
        QTest::newRow("missing the outline")
            << lShape() << GeoPoint2D(0, 10) << GeoPoint2D(1, 10) << Parts{} << Parts{{0, 1, 2, 3, 4, 5}};
        QTest::newRow("zero area") << GeoPolygon2D({{0, 0}, {2, 0}, {4, 0}}) << GeoPoint2D(1, -1)
                                   << GeoPoint2D(1, 1) << Parts{} << Parts{};
    }

    void splitAlong()
    {
        using Parts = std::vector<std::vector<int>>;
        QFETCH(GeoPolygon2D, outline);
        QFETCH(GeoPoint2D, a);
        QFETCH(GeoPoint2D, b);
        QFETCH(Parts, left);
        QFETCH(Parts, right);
        const GeoPolygon2D::Split split = outline.splitAlong(a, b);
        const GeoPoint2D along = (b - a) / (b - a).module();
        double area = 0.0;
        for (const bool onLeft : {true, false}) {
            const auto& parts = onLeft ? split.left : split.right;
            Parts sources;
            for (const GeoPolygon2D::Derived& part : parts) {
                QVERIFY(part.outline.signedArea() > 0.0);
                area += part.outline.area();
                for (int i = 0; i < part.outline.size(); ++i) {
                    const int source = part.sources[size_t(i)];
                    const double side = along.cross(part.outline[i] - a) * (onLeft ? 1.0 : -1.0);
                    QVERIFY(source >= 0 ? part.outline[i] == outline[source] : std::fabs(side) < 1e-12);
                    QVERIFY(side > -1e-12);
                }
                sources.push_back(part.sources);
            }
            QCOMPARE(sources, onLeft ? left : right);
        }
        QVERIFY(std::fabs(area - outline.area()) < 1e-9);
        const GeoPolygon2D::Split turned = outline.splitAlong(a, (b - a).angle());
        QCOMPARE(turned.left.size(), split.left.size());
        QCOMPARE(turned.right.size(), split.right.size());
        QVERIFY_EXCEPTION_THROWN(outline.splitAlong(a, a), std::invalid_argument);
    }

    void simplified_data()
    {
        QTest::addColumn<GeoPolygon2D>("outline");
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<std::vector<int>>("kept");
        QTest::addColumn<std::vector<int>>("curved");
        QTest::newRow("straight runs") << GeoPolygon2D({{0, 0}, {1, 0}, {2, 0}, {2, 2}, {1, 2.01}, {0, 2}})
                                       << 0.05 << std::vector<int>{0, 2, 3, 5} << std::vector<int>{};
        // The outseam bends gently twice: a curve drawn with few points, as the crotch is.
        QTest::newRow("leg, nothing to drop")
            << frontLeg() << 0.0 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}
            << std::vector<int>{2, 3, 6, 7, 8, 9, 10, 11};
        // The crotch keeps every other vertex, as another implementation of the same method does.
        QTest::newRow("leg") << frontLeg() << 0.5 << std::vector<int>{0, 1, 2, 3, 4, 5, 7, 9, 10, 12, 13}
                             << std::vector<int>{2, 3, 7, 9, 10};
        // Dropping the dent in the slanted bottom edge would leave the slit's tip outside: it stays.
        QTest::newRow("slit reaching into a dent")
            << GeoPolygon2D({{0, -1}, {5, -0.4}, {10, 1}, {10, 10}, {6, 10}, {5, -0.2}, {4, 10}, {0, 10}})
            << 0.5 << std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7} << std::vector<int>{};
        QTest::newRow("a crossing outline stays")
            << GeoPolygon2D({{0, 0}, {1, 0}, {2, 0}, {2, 2}, {1, 1}, {0, 2}, {2, 1.1}}) << 0.5
            << std::vector<int>{0, 1, 2, 3, 4, 5, 6} << std::vector<int>{};
    }

    void simplified()
    {
        QFETCH(GeoPolygon2D, outline);
        QFETCH(double, tolerance);
        QFETCH(std::vector<int>, kept);
        QFETCH(std::vector<int>, curved);
        const GeoPolygon2D::Simplified simple = outline.simplified(tolerance);
        QCOMPARE(simple.sources, kept);
        std::vector<int> onCurve;
        for (int i = 0; i < simple.outline.size(); ++i) {
            QCOMPARE(simple.outline[i], outline[simple.sources[size_t(i)]]);
            if (simple.onCurve[size_t(i)])
                onCurve.push_back(simple.sources[size_t(i)]);
        }
        QCOMPARE(onCurve, curved);
        for (const GeoPoint2D& p : outline.points())
            QVERIFY(simple.outline.distanceToOutline(p) <= tolerance);
        QCOMPARE(simple.outline.isSimple(), outline.isSimple());
    }
};

MARKER_TEST(tst_GeoPolygon2D)
#include "tst_GeoPolygon2D.moc"
