#include "VelGeo/GeoNoFitPolygon.h"
#include "geo/GeoTestPrint.h"
#include "laystore/ops/NestBudget.h"
#include "laystore/ops/NestEngine.h"
#include "laystore/ops/NestNoFitRegion.h"

#include "TestMain.h"

#include <QtTest>
#include <random>
#include <thread>

using namespace VelSystem;

Q_DECLARE_METATYPE(VelSystem::GeoPolygon2D)
Q_DECLARE_METATYPE(VelSystem::NestProblem)

namespace {

GeoPolygon2D outline(std::vector<GeoPoint2D> points, const GeoPoint2D& at = GeoPoint2D())
{
    GeoPolygon2D p(std::move(points));
    p.translate(at);
    return p;
}

GeoPolygon2D rectangle(double w, double h, const GeoPoint2D& at = GeoPoint2D())
{
    return outline({{0, 0}, {w, 0}, {w, h}, {0, h}}, at);
}

// A U open upwards: 30 wide, 20 high, its hollow 10 wide and 15 deep.
GeoPolygon2D cup(const GeoPoint2D& at = GeoPoint2D())
{
    return outline({{0, 0}, {30, 0}, {30, 20}, {20, 20}, {20, 5}, {10, 5}, {10, 20}, {0, 20}}, at);
}

GeoPolygon2D arrow(const GeoPoint2D& at = GeoPoint2D())
{
    return outline({{0, 0}, {18, 6}, {30, 0}, {24, 14}, {12, 11}, {2, 16}}, at);
}

NestPiece piece(const GeoPolygon2D& shape, std::vector<NestOrientation> orientations = {NestOrientation()})
{
    return {{shape}, std::move(orientations)};
}

const std::vector<NestOrientation> kHalfTurns{{0.0, false}, {180.0, false}};
const std::vector<NestOrientation> kQuarterTurnsMirrored{{0.0, false},   {90.0, false}, {180.0, false},
                                                         {270.0, false}, {0.0, true},   {90.0, true}};

// What is wrong with `result` as a layout of `problem`, checked with the exact overlap test
// only: pieces outside the area or sharing area with another piece or an obstacle.
QString faults(const NestProblem& problem, const NestResult& result)
{
    std::vector<std::vector<GeoPolygon2D>> laid(problem.obstacles);
    for (size_t i = 0; i < problem.pieces.size(); ++i) {
        if (!result.placements[i].placed)
            continue;
        laid.push_back(result.placements[i].apply(problem.pieces[i].outlines));
        for (const GeoPolygon2D& o : laid.back()) {
            const GeoRectangle box = o.boundingRect();
            const double slack = 1e-9;
            if (box.xmin < problem.area.xmin - slack || box.ymin < problem.area.ymin - slack ||
                box.ymax > problem.area.ymax + slack ||
                (problem.goal == NestProblem::FillArea && box.xmax > problem.area.xmax + slack))
                return QStringLiteral("piece %1 lies outside the area").arg(i);
        }
    }
    for (size_t i = problem.obstacles.size(); i < laid.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            for (const GeoPolygon2D& a : laid[i]) {
                for (const GeoPolygon2D& b : laid[j]) {
                    if (a.overlaps(b))
                        return QStringLiteral("laid shapes %1 and %2 overlap").arg(i).arg(j);
                }
            }
        }
    }
    return QString();
}

NestEngine::Options movesOnly(long moves, int threads = 1)
{
    NestEngine::Options options;
    options.seconds = 1e6;
    options.moves = moves;
    options.threads = threads;
    return options;
}

} // namespace

class tst_NestEngine : public QObject
{
    Q_OBJECT

private slots:
    void noFitRegionAgreesWithTheOverlapTest_data()
    {
        QTest::addColumn<GeoPolygon2D>("fixed");
        QTest::addColumn<GeoPolygon2D>("orbiting");
        QTest::newRow("rectangles") << rectangle(20, 10) << rectangle(5, 8, {40, 3});
        QTest::newRow("square in the cup's hollow") << cup() << rectangle(8, 8, {-3, 50});
        QTest::newRow("cup around a cup") << cup({7, 2}) << cup({100, 100});
        QTest::newRow("arrows, clockwise orbiting")
            << arrow() << outline({{0, 0}, {2, 16}, {12, 11}, {24, 14}, {30, 0}, {18, 6}});
    }

    // The region must hold every offset at which the shapes overlap, and at offsets deeper
    // inside it than the clearance the shapes must overlap.
    void noFitRegionAgreesWithTheOverlapTest()
    {
        QFETCH(GeoPolygon2D, fixed);
        QFETCH(GeoPolygon2D, orbiting);
        const double clearance = 1e-4;
        const NestNoFitRegion region(GeoNoFitPolygon::compute({fixed}, {orbiting}, clearance));
        GeoRectangle span = fixed.boundingRect();
        const GeoRectangle o = orbiting.boundingRect();
        span.xmin -= o.xmax;
        span.xmax -= o.xmin;
        span.ymin -= o.ymax;
        span.ymax -= o.ymin;
        span.expand(1.0, 1.0);
        std::mt19937 random(7);
        std::uniform_real_distribution<double> x(span.xmin, span.xmax), y(span.ymin, span.ymax);
        int inside = 0, deep = 0;
        for (int k = 0; k < 4000; ++k) {
            // Integer offsets put vertices on each other's edges, the hardest cases.
            const GeoPoint2D offset = k % 2 ? GeoPoint2D(x(random), y(random))
                                            : GeoPoint2D(std::round(x(random)), std::round(y(random)));
            GeoPolygon2D moved = orbiting;
            moved.translate(offset);
            const bool overlapping = fixed.overlaps(moved);
            const double depth = region.depth(offset.x, offset.y);
            inside += depth > 0.0;
            deep += depth > 2.0 * clearance;
            if (overlapping)
                QVERIFY2(
                    depth > 0.0,
                    qPrintable(
                        QStringLiteral("overlap outside the region at %1, %2").arg(offset.x).arg(offset.y)));
            if (depth > 2.0 * clearance)
                QVERIFY2(overlapping, qPrintable(QStringLiteral("no overlap %3 deep in the region at %1, %2")
                                                     .arg(offset.x)
                                                     .arg(offset.y)
                                                     .arg(depth)));
        }
        QVERIFY(deep > 100 && inside < 3900);
    }

    void layoutsNeverOverlap_data()
    {
        QTest::addColumn<NestProblem>("problem");
        NestProblem strip;
        strip.area = GeoRectangle(5, 0, std::numeric_limits<double>::infinity(), 40);
        for (int k = 0; k < 4; ++k) {
            strip.pieces.push_back(piece(cup({k * 40.0, 100}), kHalfTurns));
            strip.pieces.push_back(piece(arrow({0, 300 + k * 20.0}), kQuarterTurnsMirrored));
            strip.pieces.push_back(piece(rectangle(8, 9 + k, {500, 500})));
        }
        QTest::newRow("strip") << strip;
        NestProblem fill = strip;
        fill.goal = NestProblem::FillArea;
        fill.area = GeoRectangle(10, 10, 90, 50);
        fill.obstacles = {{arrow({20, 20})}, {rectangle(10, 50, {60, 5}), rectangle(20, 2, {70, 30})}};
        QTest::newRow("fill between obstacles") << fill;
    }

    void layoutsNeverOverlap()
    {
        QFETCH(NestProblem, problem);
        for (int threads : {1, 2}) {
            NestEngine engine(problem);
            const NestResult result = engine.run(movesOnly(3000, threads));
            QVERIFY(result.placedCount > 0);
            const QString fault = faults(problem, result);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

    void sameSeedAndMovesGiveTheSameLayout()
    {
        NestProblem problem;
        problem.area = GeoRectangle(0, 0, std::numeric_limits<double>::infinity(), 30);
        for (int k = 0; k < 6; ++k)
            problem.pieces.push_back(piece(arrow({k * 3.0, 0}), kHalfTurns));
        std::vector<NestResult> results;
        for (int run = 0; run < 2; ++run)
            results.push_back(NestEngine(problem).run(movesOnly(2000, 2)));
        QCOMPARE(results[0].length, results[1].length);
        for (size_t i = 0; i < problem.pieces.size(); ++i) {
            QCOMPARE(results[0].placements[i].shift, results[1].placements[i].shift);
            QCOMPARE(results[0].placements[i].orientation, results[1].placements[i].orientation);
        }
    }

    void improvementShortensTheBottomLeftLayout()
    {
        NestProblem problem;
        problem.area = GeoRectangle(0, 0, std::numeric_limits<double>::infinity(), 50);
        for (int k = 0; k < 12; ++k)
            problem.pieces.push_back(piece(k % 3 ? arrow() : cup(), kHalfTurns));
        const NestResult bottomLeft = NestEngine(problem).run(movesOnly(1));
        const NestResult improved = NestEngine(problem).run(movesOnly(20000));
        QVERIFY(faults(problem, improved).isEmpty());
        QCOMPARE(improved.placedCount, 12);
        QVERIFY2(improved.length < 0.9 * bottomLeft.length,
                 qPrintable(QStringLiteral("%1 after %2").arg(improved.length).arg(bottomLeft.length)));
    }

    void whatCannotFitIsLeftOut()
    {
        NestProblem strip;
        strip.area = GeoRectangle(0, 0, std::numeric_limits<double>::infinity(), 20);
        strip.pieces = {piece(rectangle(10, 30)), piece(rectangle(10, 30), kQuarterTurnsMirrored),
                        piece(cup())};
        const NestResult laid = NestEngine(strip).run(movesOnly(500));
        QVERIFY(!laid.placements[0].placed);
        QVERIFY(laid.placements[1].placed);
        QVERIFY(laid.placements[2].placed);
        // The turned rectangle cannot stand on the cup: they lie side by side.
        QVERIFY(std::fabs(laid.length - 60.0) < 0.01);

        NestProblem hole;
        hole.goal = NestProblem::FillArea;
        hole.area = GeoRectangle(0, 0, 9, 9);
        hole.pieces = {piece(cup()), piece(rectangle(10, 8))};
        const NestResult none = NestEngine(hole).run(movesOnly(500));
        QCOMPARE(none.placedCount, 0);
        QCOMPARE(none.placedArea, 0.0);
    }

    void cancelEndsTheRunWithAValidLayout()
    {
        NestProblem problem;
        problem.area = GeoRectangle(0, 0, std::numeric_limits<double>::infinity(), 50);
        for (int k = 0; k < 20; ++k)
            problem.pieces.push_back(piece(k % 2 ? arrow() : cup(), kHalfTurns));
        NestEngine engine(problem);
        int improvements = 0;
        std::thread canceller([&engine] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            engine.cancel();
        });
        NestEngine::Options options;
        options.seconds = 600;
        QElapsedTimer clock;
        clock.start();
        const NestResult result = engine.run(options, [&improvements](const NestResult&) { ++improvements; });
        canceller.join();
        QVERIFY(clock.elapsed() < 60000);
        QVERIFY(improvements > 0);
        QCOMPARE(result.placedCount, 20);
        QVERIFY(faults(problem, result).isEmpty());
    }

    // The search's schedule runs from coarse to fine over the budget: a budget counted from
    // anywhere but its making would start the search at its end.
    void aBudgetIsSpentFromWhenItWasMade()
    {
        const NestBudget timed(NestBudget::Clock::now() + std::chrono::hours(1), 0, nullptr);
        QVERIFY(timed.spent() < 0.01);
        QVERIFY(!timed.exhausted());
        NestBudget counted(NestBudget::Clock::now() + std::chrono::hours(1), 4, nullptr);
        counted.countMove();
        QCOMPARE(counted.spent(), 0.25);
    }
};

MARKER_TEST(tst_NestEngine)
#include "tst_NestEngine.moc"
