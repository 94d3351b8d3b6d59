// The cutter's path of a 1,000-piece trouser marker: building it, against looking up each
// piece's rank on its own; and the optimised cut order, with the air travel of the placement
// order and of a hand-made order (the orders without optimising) next to the optimised one's.

#include "TrousersMarker.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CutOrderOptimiser.h"
#include "laystore/ops/KnifePath.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

using namespace VelSystem;

namespace {

constexpr int kPieces = 1000;

boost::shared_ptr<DocumentMak> marker(benchmark::State& state)
{
    static boost::shared_ptr<DocumentMak> built;
    const TrousersMarker* trousers = TrousersMarker::shared(state);
    if (!trousers)
        return nullptr;
    if (!built)
        built = trousers->build(kPieces, 0);
    return built;
}

CDbFabricObject& fabricOf(const DocumentMak& document)
{
    return *document.drawing()->fabric(0);
}

void BM_KnifePath_Build(benchmark::State& state)
{
    const auto document = marker(state);
    if (!document)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(KnifePath::build(fabricOf(*document), 0));
    state.counters["cut_cm"] = KnifePath::build(fabricOf(*document), 0).cutLength();
}
BENCHMARK(BM_KnifePath_Build)->Unit(benchmark::kMillisecond);

// Each piece's place asked of the piece, which sorts its layer every time.
void BM_KnifePath_RankPerPiece_Naive(benchmark::State& state)
{
    const auto document = marker(state);
    if (!document)
        return;
    for (auto _ : state) {
        int total = 0;
        for (CDbGrPolysObject* group : document->groups(&fabricOf(*document), 0))
            total += group->getPolygonCutRank();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_KnifePath_RankPerPiece_Naive)->Unit(benchmark::kMillisecond);

// Optimises a fresh copy of the ranks each time: `before` gives the order it starts from.
void optimiseFrom(benchmark::State& state, bool handMade)
{
    const auto document = marker(state);
    if (!document)
        return;
    CDbFabricObject& fabric = fabricOf(*document);
    const QListEx<CDbGrPolysObject*> groups = document->groups(&fabric, 0);
    const auto resetRanks = [&] {
        for (CDbGrPolysObject* group : groups)
            group->setCutRankKey(0);
    };
    resetRanks();
    const double placement = KnifePath::build(fabric, 0).airLength();
    // A hand-made order: the pieces clicked in no particular order.
    std::vector<CDbGrPolysObject*> shuffled(groups.begin(), groups.end());
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(12));
    for (size_t i = 0; handMade && i < shuffled.size(); ++i)
        shuffled[i]->setCutRankKey(static_cast<short>(i + 1));
    const double before = KnifePath::build(fabric, 0).airLength();
    double after = 0.0;
    for (auto _ : state) {
        const std::vector<CutOrderOptimiser::Choice> choices = CutOrderOptimiser::optimise(fabric, 0);
        state.PauseTiming();
        for (size_t i = 0; i < choices.size(); ++i)
            choices[i].group->setCutRankKey(static_cast<short>(i + 1));
        after = KnifePath::build(fabric, 0).airLength();
        resetRanks();
        for (size_t i = 0; handMade && i < shuffled.size(); ++i)
            shuffled[i]->setCutRankKey(static_cast<short>(i + 1));
        state.ResumeTiming();
    }
    resetRanks();
    state.counters["air_placement_cm"] = placement;
    state.counters["air_before_cm"] = before;
    state.counters["air_optimised_cm"] = after;
    state.counters["less_than_placement_pct"] = 100.0 * (1.0 - after / placement);
    state.counters["less_than_before_pct"] = 100.0 * (1.0 - after / before);
}

void BM_OptimiseCutOrder_FromPlacement(benchmark::State& state)
{
    optimiseFrom(state, false);
}
BENCHMARK(BM_OptimiseCutOrder_FromPlacement)->Unit(benchmark::kMillisecond);

void BM_OptimiseCutOrder_FromHandMadeOrder(benchmark::State& state)
{
    optimiseFrom(state, true);
}
BENCHMARK(BM_OptimiseCutOrder_FromHandMadeOrder)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
