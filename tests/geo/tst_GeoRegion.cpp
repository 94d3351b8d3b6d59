#include "GeoTestShapes.h"
#include "TestMain.h"
#include "VelGeo/GeoBoost.h"
#include "VelGeo/GeoRegion.h"

#include <QtTest>
#include <cmath>
#include <random>
#include <stdexcept>

using namespace VelSystem;
using namespace VelSystem::GeoTestShapes;

Q_DECLARE_METATYPE(GeoPolygon2D)
Q_DECLARE_METATYPE(GeoRegion::Join)
Q_DECLARE_METATYPE(std::vector<GeoPolygon2D>)

namespace {

// How far areas may move (cm²) when Clipper rounds outlines of a few dozen centimetres to its grid.
constexpr double kGridArea = 1e-3;

enum class Operation
{
    Union,
    Intersection,
    Difference
};

// Two 2 x 2 squares joined by a bridge 0.4 wide and 1 long.
GeoPolygon2D dumbbell()
{
    return GeoPolygon2D({{0, 0},
                         {2, 0},
                         {2, 0.8},
                         {3, 0.8},
                         {3, 0},
                         {5, 0},
                         {5, 2},
                         {3, 2},
                         {3, 1.2},
                         {2, 1.2},
                         {2, 2},
                         {0, 2}});
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class tst_GeoRegion : public QObject
{
    Q_OBJECT
private slots:
    void offset_data()
    {
        QTest::addColumn<GeoPolygon2D>("outline");
        QTest::addColumn<double>("distance");
        QTest::addColumn<GeoRegion::Join>("join");
        QTest::addColumn<double>("area");
        QTest::addColumn<int>("parts");
        const auto mitre = GeoRegion::Join::Mitre;
        const auto round = GeoRegion::Join::Round;
        QTest::newRow("square, mitre") << rectangle(0, 0, 2, 2) << 1.0 << mitre << 16.0 << 1;
        QTest::newRow("square, round") << rectangle(0, 0, 2, 2) << 1.0 << round << 4.0 + 8.0 + M_PI << 1;
        QTest::newRow("clockwise square") << reversed(rectangle(0, 0, 2, 2)) << 1.0 << mitre << 16.0 << 1;
        // The notch's corner moves out to (1.5, 1.5): two 5 x 2 bars sharing a 2 x 2 square.
        QTest::newRow("L, outward") << lShape() << 0.5 << mitre << 16.0 << 1;
        QTest::newRow("L, inward") << lShape() << -0.25 << mitre << 3.25 << 1;
        QTest::newRow("dumbbell splits inward") << dumbbell() << -0.3 << mitre << 2 * 1.4 * 1.4 << 2;
        QTest::newRow("collapses inward") << rectangle(0, 0, 2, 2) << -1.5 << round << 0.0 << 0;
        QTest::newRow("zero area") << GeoPolygon2D({{0, 0}, {2, 0}, {4, 0}}) << 1.0 << round << 0.0 << 0;
    }

    void offset()
    {
        QFETCH(GeoPolygon2D, outline);
        QFETCH(double, distance);
        QFETCH(GeoRegion::Join, join);
        QFETCH(double, area);
        QFETCH(int, parts);
        const GeoRegion grown =
            GeoRegion(outline).offset(distance, join, join == GeoRegion::Join::Mitre ? 2.0 : 1e-3);
        QCOMPARE(int(grown.parts().size()), parts);
        // A round join's chords cut a little off the arcs.
        QVERIFY2(std::fabs(grown.area() - area) < 1e-3 * std::max(1.0, area),
                 qPrintable(QString::number(grown.area())));
        for (const GeoRegion::Part& part : grown.parts())
            QVERIFY(part.outer.signedArea() > 0.0 && part.holes.empty());
    }

    void offsetKeepsItsDistance_data()
    {
        QTest::addColumn<double>("distance");
        QTest::addColumn<GeoRegion::Join>("join");
        QTest::addColumn<double>("limit");
        QTest::newRow("blocking margin, round") << 1.0 << GeoRegion::Join::Round << 0.01;
        QTest::newRow("blocking margin, mitre") << 1.0 << GeoRegion::Join::Mitre << 4.0;
        QTest::newRow("inward, round") << -0.7 << GeoRegion::Join::Round << 0.01;
    }

    // Every vertex of the offset of a concave piece lies at the distance asked from the piece's
    // outline (farther only at a mitre, within its limit), and on the right side of it.
    void offsetKeepsItsDistance()
    {
        QFETCH(double, distance);
        QFETCH(GeoRegion::Join, join);
        QFETCH(double, limit);
        const GeoPolygon2D leg = frontLeg();
        const GeoRegion grown = GeoRegion(leg).offset(distance, join, limit);
        QVERIFY(grown.isOneOutline());
        const double d = std::fabs(distance);
        const double farthest = join == GeoRegion::Join::Mitre ? limit * d : d;
        const double grid = 1e-5;
        for (const GeoPoint2D& p : grown.outline().points()) {
            const double off = leg.distanceToOutline(p);
            QVERIFY2(off > d - (join == GeoRegion::Join::Round ? limit : grid) && off < farthest + grid,
                     qPrintable(QString("%1 from the outline").arg(off)));
            QCOMPARE(leg.containsPoint(p), distance < 0);
        }
        QCOMPARE(distance > 0 ? grown.outline().encloses(leg) : leg.encloses(grown.outline()), true);
    }

    void booleans_data()
    {
        QTest::addColumn<std::vector<GeoPolygon2D>>("first");
        QTest::addColumn<std::vector<GeoPolygon2D>>("second");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<double>("area");
        QTest::addColumn<int>("parts");
        QTest::addColumn<int>("holes");
        const GeoPolygon2D unit = rectangle(0, 0, 1, 1);
        const auto u = Operation::Union;
        const auto i = Operation::Intersection;
        const auto d = Operation::Difference;
        const std::vector<GeoPolygon2D> squares{rectangle(0, 0, 2, 2), rectangle(1, 1, 3, 3)};
        QTest::newRow("overlapping squares, union")
            << squares << std::vector<GeoPolygon2D>{} << u << 7.0 << 1 << 0;
        QTest::newRow("overlapping squares, intersection")
            << std::vector<GeoPolygon2D>{squares[0]} << std::vector<GeoPolygon2D>{reversed(squares[1])} << i
            << 1.0 << 1 << 0;
        QTest::newRow("overlapping squares, difference")
            << std::vector<GeoPolygon2D>{squares[0]} << std::vector<GeoPolygon2D>{squares[1]} << d << 3.0 << 1
            << 0;
        QTest::newRow("touching along an edge") << std::vector<GeoPolygon2D>{unit, rectangle(1, 0, 2, 1)}
                                                << std::vector<GeoPolygon2D>{} << u << 2.0 << 1 << 0;
        QTest::newRow("touching at a corner") << std::vector<GeoPolygon2D>{unit, rectangle(1, 1, 2, 2)}
                                              << std::vector<GeoPolygon2D>{} << u << 2.0 << 2 << 0;
        QTest::newRow("touching, nothing shared")
            << std::vector<GeoPolygon2D>{unit} << std::vector<GeoPolygon2D>{rectangle(1, 0, 2, 1)} << i << 0.0
            << 0 << 0;
        std::vector<GeoPolygon2D> frame{rectangle(0, 0, 3, 1), rectangle(2, 0, 3, 3), rectangle(0, 2, 3, 3),
                                        rectangle(0, 0, 1, 3)};
        QTest::newRow("frame around a hole") << frame << std::vector<GeoPolygon2D>{} << u << 8.0 << 1 << 1;
        frame.push_back(rectangle(1.25, 1.25, 1.75, 1.75));
        QTest::newRow("island in the hole") << frame << std::vector<GeoPolygon2D>{} << u << 8.25 << 2 << 1;
        QTest::newRow("nested, difference")
            << std::vector<GeoPolygon2D>{rectangle(0, 0, 10, 10)}
            << std::vector<GeoPolygon2D>{rectangle(2, 2, 3, 3)} << d << 99.0 << 1 << 1;
        // They meet at a point only. Boost's overlay answers their union as the second piece alone.
        const auto [waistband, pocket] = cornerOnAnEdge();
        QTest::newRow("corner on an edge, union")
            << std::vector<GeoPolygon2D>{waistband, pocket} << std::vector<GeoPolygon2D>{} << u
            << waistband.area() + pocket.area() << 2 << 0;
        // Off the grid, the shared stretch of edge must leave neither a slit nor a sliver.
        GeoPolygon2D turned = rectangle(0, 0, 10, 4), beside = rectangle(5, 4, 15, 8);
        turned.rotate(30, {0, 0});
        beside.rotate(30, {0, 0});
        QTest::newRow("turned pieces sharing part of an edge")
            << std::vector<GeoPolygon2D>{turned, beside} << std::vector<GeoPolygon2D>{} << u << 80.0 << 1
            << 0;
        GeoPolygon2D halfTurned = turned;
        halfTurned.rotate(180, (turned[0] + turned[1]) / 2.0);
        QTest::newRow("a cut-down pair sharing an edge")
            << std::vector<GeoPolygon2D>{turned, halfTurned} << std::vector<GeoPolygon2D>{} << u << 80.0 << 1
            << 0;
        QTest::newRow("corner on an edge, intersection")
            << std::vector<GeoPolygon2D>{waistband} << std::vector<GeoPolygon2D>{pocket} << i << 0.0 << 0
            << 0;
    }

    void booleans()
    {
        QFETCH(std::vector<GeoPolygon2D>, first);
        QFETCH(std::vector<GeoPolygon2D>, second);
        QFETCH(Operation, operation);
        QFETCH(double, area);
        QFETCH(int, parts);
        QFETCH(int, holes);
        GeoRegion result = GeoRegion::unite(first);
        if (operation == Operation::Union && !second.empty())
            result = result.united(GeoRegion::unite(second));
        else if (operation == Operation::Intersection)
            result = result.intersected(GeoRegion::unite(second));
        else if (operation == Operation::Difference)
            result = result.subtracted(GeoRegion::unite(second));
        QVERIFY2(std::fabs(result.area() - area) < kGridArea, qPrintable(QString::number(result.area())));
        QCOMPARE(int(result.parts().size()), parts);
        int holesFound = 0;
        for (const GeoRegion::Part& part : result.parts()) {
            QVERIFY(part.outer.signedArea() > 0.0 && part.outer.isSimple());
            for (const GeoPolygon2D& hole : part.holes) {
                QVERIFY(hole.signedArea() < 0.0 && part.outer.encloses(hole));
                ++holesFound;
            }
        }
        QCOMPARE(holesFound, holes);
        QCOMPARE(result.isOneOutline(), parts == 1 && holes == 0);
        if (!result.isOneOutline())
            QVERIFY_EXCEPTION_THROWN(result.outline(), std::logic_error);
    }

    // On simple outlines that cross in general position Boost's overlay is right: the areas agree.
    void booleansAgreeWithBoostWhereOutlinesCross()
    {
        std::mt19937 rng(7);
        std::uniform_real_distribution<double> position(0.0, 4.0);
        int compared = 0;
        while (compared < 150) {
            const GeoPolygon2D a = randomStar(rng, {position(rng), position(rng)});
            const GeoPolygon2D b = randomStar(rng, {position(rng), position(rng)});
            if (!a.isSimple() || !b.isSimple())
                continue; // Boost's overlay needs valid input
            const BgPolygon ba = toBgPolygon(a), bb = toBgPolygon(b);
            BgMultiPolygon together, common, rest;
            bg::union_(ba, bb, together);
            bg::intersection(ba, bb, common);
            bg::difference(ba, bb, rest);
            const GeoRegion ra(a), rb(b);
            const QByteArray pair = QByteArray::number(compared++);
            QVERIFY2(std::fabs(ra.united(rb).area() - bg::area(together)) < kGridArea, pair);
            QVERIFY2(std::fabs(ra.intersected(rb).area() - bg::area(common)) < kGridArea, pair);
            QVERIFY2(std::fabs(ra.subtracted(rb).area() - bg::area(rest)) < kGridArea, pair);
        }
    }
};

MARKER_TEST(tst_GeoRegion)
#include "tst_GeoRegion.moc"
