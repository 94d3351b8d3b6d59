// Overlap search and point picks on trouser markers, each against the naive way of doing it.

#include "TrousersMarker.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"

#include <benchmark/benchmark.h>
#include <map>
#include <random>

using namespace VelSystem;

namespace {

constexpr int kOverlapPieces = 1000;
constexpr int kPickPieces = 10000;
// One piece in ten is pushed into its neighbour.
constexpr int kOverlapEvery = 10;

// The markers are built once per size and shared by the benchmarks.
boost::shared_ptr<DocumentMak> marker(int count, benchmark::State& state)
{
    static std::map<int, boost::shared_ptr<DocumentMak>> built;
    const TrousersMarker* trousers = TrousersMarker::shared(state);
    if (!trousers)
        return nullptr;
    auto& document = built[count];
    if (!document)
        document = trousers->build(count, kOverlapEvery);
    return document;
}

QListEx<CDbGrPolysObject*> pieces(const DocumentMak& document)
{
    return document.groups(document.drawing()->fabric(0), 0);
}

// Every pair through the exact polygon test, as it would be done without an index.
int allPairsOverlaps(const QListEx<CDbGrPolysObject*>& groups)
{
    int pairs = 0;
    for (int i = 0; i < groups.size(); ++i) {
        for (int j = i + 1; j < groups.size(); ++j) {
            if (groups[i]->overlaps(*groups[j]))
                ++pairs;
        }
    }
    return pairs;
}

void BM_FindOverlaps_Indexed(benchmark::State& state)
{
    const auto document = marker(kOverlapPieces, state);
    if (!document)
        return;
    const int expected = allPairsOverlaps(pieces(*document));
    int pairs = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pairs = document->findOverlaps());
    if (pairs != expected)
        state.SkipWithError("the indexed search disagrees with the all-pairs check");
    state.counters["pieces"] = kOverlapPieces;
    state.counters["pairs"] = pairs;
}
BENCHMARK(BM_FindOverlaps_Indexed)->Unit(benchmark::kMillisecond);

void BM_FindOverlaps_AllPairs(benchmark::State& state)
{
    const auto document = marker(kOverlapPieces, state);
    if (!document)
        return;
    const QListEx<CDbGrPolysObject*> groups = pieces(*document);
    int pairs = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(pairs = allPairsOverlaps(groups));
    state.counters["pieces"] = kOverlapPieces;
    state.counters["pairs"] = pairs;
}
BENCHMARK(BM_FindOverlaps_AllPairs)->Unit(benchmark::kMillisecond);

// Points over the whole marker, on pieces and between them.
std::vector<GeoPoint2D> pickPoints(const DocumentMak& document)
{
    const GeoRectangle r = document.extent();
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(r.xmin, r.xmax),
        y(0.0, document.drawing()->fabric(0)->getFabricLayerWidth(0));
    std::vector<GeoPoint2D> points(1024);
    for (GeoPoint2D& p : points)
        p = GeoPoint2D(x(random), y(random));
    return points;
}

void BM_Pick_Indexed(benchmark::State& state)
{
    const auto document = marker(kPickPieces, state);
    if (!document)
        return;
    const std::vector<GeoPoint2D> points = pickPoints(*document);
    const double tolerance = document->drawing()->pixelToCmInX(5.0);
    size_t i = 0;
    int hits = 0;
    for (auto _ : state) {
        const auto picked = document->pick(points[i++ % points.size()], tolerance, nullptr);
        hits += picked->count();
        benchmark::DoNotOptimize(picked);
    }
    state.counters["pieces"] = kPickPieces;
    state.counters["hit share"] = static_cast<double>(hits) / state.iterations();
}
BENCHMARK(BM_Pick_Indexed)->Unit(benchmark::kMicrosecond);

// The topmost hit found by testing every object from the top down.
void BM_Pick_Scan(benchmark::State& state)
{
    const auto document = marker(kPickPieces, state);
    if (!document)
        return;
    const std::vector<GeoPoint2D> points = pickPoints(*document);
    const double tolerance = document->drawing()->pixelToCmInX(5.0);
    const QListEx<CDbAbstractObject*> objects = document->objects(document->drawing()->fabric(0), 0);
    size_t i = 0;
    for (auto _ : state) {
        const GeoPoint2D& p = points[i++ % points.size()];
        const CDbAbstractObject* top = nullptr;
        for (int k = objects.size() - 1; k >= 0 && !top; --k) {
            if (objects[k]->hitTest(p, tolerance))
                top = objects[k];
        }
        benchmark::DoNotOptimize(top);
    }
    state.counters["pieces"] = kPickPieces;
}
BENCHMARK(BM_Pick_Scan)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
