// Offsets, unions, splits and blockings of real pieces: Clipper, behind the geometry library's
// functions, next to Boost.Geometry on the same outlines. Argument `shirts` picks the shirts
// instance instead of the trousers; every run reports the time per piece.

#include "TrousersMarker.h"
#include "VelGeo/GeoBoost.h"
#include "VelGeo/GeoRegion.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace VelSystem;

namespace {

// A blocking: a margin round the piece with round corners, then few control points.
constexpr double kMargin = 1.0;
constexpr double kArcTolerance = 0.01;
constexpr double kBlockingTolerance = 0.1;
constexpr double kMitreLimit = 4.0;
// Areas (cm²) the two libraries may differ by through Clipper's grid.
constexpr double kSameArea = 1e-3;

std::vector<GeoPolygon2D> pieces(benchmark::State& state)
{
    const TrousersMarker* instance = TrousersMarker::shared(state, state.range(0) ? "shirts" : "trousers");
    return instance ? instance->outlines() : std::vector<GeoPolygon2D>();
}

void reportPerPiece(benchmark::State& state, size_t count)
{
    state.counters["per piece"] =
        benchmark::Counter(static_cast<double>(count),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BgMultiPolygon boostOffset(const GeoPolygon2D& outline, double distance, GeoRegion::Join join)
{
    namespace buffer = bg::strategy::buffer;
    // Boost's round join takes points per full circle: as many as keep chords within the tolerance.
    const auto perCircle =
        static_cast<int>(std::ceil(M_PI / std::acos(1.0 - kArcTolerance / std::fabs(distance))));
    BgMultiPolygon out;
    const buffer::distance_symmetric<double> by(distance);
    if (join == GeoRegion::Join::Round)
        bg::buffer(toBgPolygon(outline), out, by, buffer::side_straight(), buffer::join_round(perCircle),
                   buffer::end_flat(), buffer::point_circle());
    else
        bg::buffer(toBgPolygon(outline), out, by, buffer::side_straight(), buffer::join_miter(kMitreLimit),
                   buffer::end_flat(), buffer::point_circle());
    return out;
}

GeoRegion::Join joinOf(const benchmark::State& state)
{
    return state.range(1) ? GeoRegion::Join::Round : GeoRegion::Join::Mitre;
}

void BM_Offset_Clipper(benchmark::State& state)
{
    const std::vector<GeoPolygon2D> outlines = pieces(state);
    const GeoRegion::Join join = joinOf(state);
    for (auto _ : state) {
        for (const GeoPolygon2D& outline : outlines)
            benchmark::DoNotOptimize(GeoRegion(outline).offset(
                kMargin, join, join == GeoRegion::Join::Round ? kArcTolerance : kMitreLimit));
    }
    reportPerPiece(state, outlines.size());
}
BENCHMARK(BM_Offset_Clipper)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"shirts", "round"});

void BM_Offset_Boost(benchmark::State& state)
{
    const std::vector<GeoPolygon2D> outlines = pieces(state);
    const GeoRegion::Join join = joinOf(state);
    int differ = 0;
    for (const GeoPolygon2D& outline : outlines) {
        const GeoRegion grown = GeoRegion(outline).offset(
            kMargin, join, join == GeoRegion::Join::Round ? kArcTolerance : kMitreLimit);
        // Chords of an arc may lie inside or outside it, as each library places them.
        const double allowed =
            join == GeoRegion::Join::Round ? kArcTolerance * grown.outline().perimeter() : kSameArea;
        differ += std::fabs(bg::area(boostOffset(outline, kMargin, join)) - grown.area()) > allowed;
    }
    for (auto _ : state) {
        for (const GeoPolygon2D& outline : outlines)
            benchmark::DoNotOptimize(boostOffset(outline, kMargin, join));
    }
    reportPerPiece(state, outlines.size());
    state.counters["areas differ"] = differ;
}
BENCHMARK(BM_Offset_Boost)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"shirts", "round"});

using Pair = std::pair<GeoPolygon2D, GeoPolygon2D>;

// Cut-down pairs: each piece with a copy of itself laid over it a third of its size away, or
// (`touching`) turned and then laid edge to edge with its copy turned a half turn about the middle
// of its longest edge, so that the two share that edge.
std::vector<Pair> pairsOf(const std::vector<GeoPolygon2D>& outlines, bool touching)
{
    std::vector<Pair> pairs;
    for (GeoPolygon2D outline : outlines) {
        GeoPolygon2D copy = outline;
        if (touching) {
            outline.rotate(17.0, {0.0, 0.0});
            int longest = 0;
            for (int i = 0; i < outline.size(); ++i) {
                if (outline[i].distance(outline[(i + 1) % outline.size()]) >
                    outline[longest].distance(outline[(longest + 1) % outline.size()]))
                    longest = i;
            }
            copy = outline;
            copy.rotate(180.0, (outline[longest] + outline[(longest + 1) % outline.size()]) / 2.0);
        } else {
            const GeoRectangle r = outline.boundingRect();
            copy.translate({r.width() / 3.0, r.height() / 3.0});
        }
        pairs.emplace_back(outline, copy);
    }
    return pairs;
}

// One library's union of a pair: its area and how many parts it has.
using Unite = void (*)(const Pair& pair, double& area, int& parts);

void clipperUnion(const Pair& pair, double& area, int& parts)
{
    const GeoRegion together = GeoRegion::unite({pair.first, pair.second});
    area = together.area();
    parts = static_cast<int>(together.parts().size());
}

void boostUnion(const Pair& pair, double& area, int& parts)
{
    BgMultiPolygon together;
    bg::union_(toBgPolygon(pair.first), toBgPolygon(pair.second), together);
    area = bg::area(together);
    parts = static_cast<int>(together.size());
}

// For touching pairs: how many unions are not twice the piece in one part.
int wrongUnionsOfTouchingPairs(const std::vector<Pair>& pairs, Unite unite)
{
    int wrong = 0;
    for (const Pair& pair : pairs) {
        if (pair.first.overlaps(pair.second))
            continue; // a concave piece can reach round its own edge into the copy
        double area = 0.0;
        int parts = 0;
        unite(pair, area, parts);
        wrong += parts != 1 || std::fabs(area - 2.0 * pair.first.area()) > kSameArea;
    }
    return wrong;
}

void unionOfPairs(benchmark::State& state, Unite unite)
{
    const std::vector<Pair> pairs = pairsOf(pieces(state), state.range(1));
    double area = 0.0;
    int parts = 0;
    for (auto _ : state) {
        for (const Pair& pair : pairs)
            unite(pair, area, parts);
    }
    reportPerPiece(state, pairs.size());
    if (state.range(1))
        state.counters["wrong"] = wrongUnionsOfTouchingPairs(pairs, unite);
}

void BM_UnionOfPairs_Clipper(benchmark::State& state)
{
    unionOfPairs(state, clipperUnion);
}
BENCHMARK(BM_UnionOfPairs_Clipper)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"shirts", "touching"});

void BM_UnionOfPairs_Boost(benchmark::State& state)
{
    unionOfPairs(state, boostUnion);
}
BENCHMARK(BM_UnionOfPairs_Boost)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"shirts", "touching"});

// The whole marker in one row, each piece touching the next where their boxes meet: the
// union's area is the pieces' total unless touching outlines confuse the union.
std::vector<GeoPolygon2D> touchingRow(const std::vector<GeoPolygon2D>& outlines)
{
    std::vector<GeoPolygon2D> row;
    double x = 0.0;
    for (GeoPolygon2D outline : outlines) {
        outline.translate({x, 0.0});
        x = outline.boundingRect().xmax;
        row.push_back(std::move(outline));
    }
    return row;
}

double totalArea(const std::vector<GeoPolygon2D>& outlines)
{
    double total = 0.0;
    for (const GeoPolygon2D& outline : outlines)
        total += outline.area();
    return total;
}

void BM_UnionOfTouchingRow_Clipper(benchmark::State& state)
{
    const std::vector<GeoPolygon2D> row = touchingRow(pieces(state));
    double area = 0.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(area = GeoRegion::unite(row).area());
    reportPerPiece(state, row.size());
    state.counters["area lost"] = totalArea(row) - area;
}
BENCHMARK(BM_UnionOfTouchingRow_Clipper)->DenseRange(0, 1)->ArgName("shirts");

void BM_UnionOfTouchingRow_Boost(benchmark::State& state)
{
    const std::vector<GeoPolygon2D> row = touchingRow(pieces(state));
    double area = 0.0;
    for (auto _ : state) {
        BgMultiPolygon together;
        for (const GeoPolygon2D& outline : row) {
            BgMultiPolygon grown;
            bg::union_(together, toBgPolygon(outline), grown);
            together = std::move(grown);
        }
        benchmark::DoNotOptimize(area = bg::area(together));
    }
    reportPerPiece(state, row.size());
    state.counters["area lost"] = totalArea(row) - area;
}
BENCHMARK(BM_UnionOfTouchingRow_Boost)->DenseRange(0, 1)->ArgName("shirts");

// A blocking of each piece in turn: the margin, then the few control points.
void BM_Blocking_Clipper(benchmark::State& state)
{
    const std::vector<GeoPolygon2D> outlines = pieces(state);
    size_t points = 0;
    for (auto _ : state) {
        points = 0;
        for (const GeoPolygon2D& outline : outlines) {
            const GeoRegion margin =
                GeoRegion(outline).offset(kMargin, GeoRegion::Join::Round, kArcTolerance);
            const GeoPolygon2D::Simplified blocking = margin.outline().simplified(kBlockingTolerance);
            points += blocking.sources.size();
            benchmark::DoNotOptimize(blocking);
        }
    }
    reportPerPiece(state, outlines.size());
    state.counters["points per piece"] = static_cast<double>(points) / static_cast<double>(outlines.size());
}
BENCHMARK(BM_Blocking_Clipper)->DenseRange(0, 1)->ArgName("shirts");

void BM_Blocking_Boost(benchmark::State& state)
{
    const std::vector<GeoPolygon2D> outlines = pieces(state);
    for (auto _ : state) {
        for (const GeoPolygon2D& outline : outlines) {
            const BgMultiPolygon margin = boostOffset(outline, kMargin, GeoRegion::Join::Round);
            BgPolygon blocking;
            bg::simplify(margin.front(), blocking, kBlockingTolerance);
            benchmark::DoNotOptimize(blocking);
        }
    }
    reportPerPiece(state, outlines.size());
}
BENCHMARK(BM_Blocking_Boost)->DenseRange(0, 1)->ArgName("shirts");

// Each piece cut through its centre at 30 degrees.
void BM_Split_Clipper(benchmark::State& state)
{
    const std::vector<GeoPolygon2D> outlines = pieces(state);
    for (auto _ : state) {
        for (const GeoPolygon2D& outline : outlines)
            benchmark::DoNotOptimize(outline.splitAlong(outline.boundingRect().center(), 30.0));
    }
    reportPerPiece(state, outlines.size());
}
BENCHMARK(BM_Split_Clipper)->DenseRange(0, 1)->ArgName("shirts");

// The same cut as the intersections with the half-planes on either side of the line: the left
// part first.
std::array<BgMultiPolygon, 2> boostSplit(const GeoPolygon2D& outline)
{
    const GeoPoint2D centre = outline.boundingRect().center();
    const GeoPoint2D along = GeoPoint2D(1.0, 0.0).rotated(30.0) * 1e3;
    const GeoPoint2D across = along.rotated(90.0);
    const BgPolygon piece = toBgPolygon(outline);
    std::array<BgMultiPolygon, 2> parts;
    for (int side = 0; side < 2; ++side) {
        const GeoPoint2D reach = side == 0 ? across : -across;
        bg::intersection(piece,
                         toBgPolygon(GeoPolygon2D({centre - along, centre + along, centre + along + reach,
                                                   centre - along + reach})),
                         parts[static_cast<size_t>(side)]);
    }
    return parts;
}

void BM_Split_Boost(benchmark::State& state)
{
    const std::vector<GeoPolygon2D> outlines = pieces(state);
    int differ = 0;
    for (const GeoPolygon2D& outline : outlines) {
        double expected = 0.0;
        for (const GeoPolygon2D::Derived& part :
             outline.splitAlong(outline.boundingRect().center(), 30.0).left)
            expected += part.outline.area();
        differ += std::fabs(bg::area(boostSplit(outline)[0]) - expected) > kSameArea;
    }
    for (auto _ : state) {
        for (const GeoPolygon2D& outline : outlines)
            benchmark::DoNotOptimize(boostSplit(outline));
    }
    reportPerPiece(state, outlines.size());
    state.counters["areas differ"] = differ;
}
BENCHMARK(BM_Split_Boost)->DenseRange(0, 1)->ArgName("shirts");

} // namespace

BENCHMARK_MAIN();
