// Lays every copy of every piece of the datasets' nesting instances on a strip as short as
// it can in a minute on two threads, and reports the utilization reached (area of the laid
// pieces over the strip's width times the marker's length) next to the best published one;
// the naive baseline is the bottom-left placement alone. Every layout is checked with the
// exact overlap test, apart from the engine's own bookkeeping.
// Then the fill-hole tool's work: a hole 100 cm long across the fabric of the bundled sample
// marker filled from its waiting pieces (target: 0.5 s at most), next to the same fill by
// bottom-left placement alone.
//
//   bench_nesting [--benchmark_filter=trousers]      NEST_SECONDS=10 for shorter runs

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/EsicupImport.h"
#include "laystore/file/MarkerFile.h"
#include "laystore/ops/CDbFillHoleHelper.h"
#include "laystore/ops/CDbNestingHelper.h"
#include "laystore/ops/NestEngine.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <limits>
#include <string>

using namespace VelSystem;

namespace {

struct Instance
{
    const char* name;
    // albano and mao are given in tenths of millimetres or so: brought to centimetres.
    double scale;
    // The best published utilization, in percent.
    double record;
};

const Instance kAlbano{"albano", 0.1, 89.82};
const Instance kDagli{"dagli", 1.0, 90.17};
const Instance kMao{"mao", 0.1, 86.87};
const Instance kShirts{"shirts", 1.0, 90.92};
const Instance kTrousers{"trousers", 1.0, 92.61};

double secondsAllowed()
{
    const char* text = std::getenv("NEST_SECONDS");
    const double seconds = text ? std::atof(text) : 0.0;
    return seconds > 0.0 ? seconds : 60.0;
}

// Pairs of laid pieces whose outlines share area, and pieces outside the strip.
int faults(const NestProblem& problem, const NestResult& result)
{
    std::vector<std::vector<GeoPolygon2D>> laid;
    int count = 0;
    for (size_t i = 0; i < problem.pieces.size(); ++i) {
        laid.push_back(result.placements[i].apply(problem.pieces[i].outlines));
        for (const GeoPolygon2D& outline : laid.back()) {
            const GeoRectangle box = outline.boundingRect();
            if (box.xmin < problem.area.xmin || box.ymin < problem.area.ymin || box.ymax > problem.area.ymax)
                ++count;
        }
    }
    for (size_t i = 0; i < laid.size(); ++i) {
        for (size_t j = i + 1; j < laid.size(); ++j) {
            for (const GeoPolygon2D& a : laid[i]) {
                for (const GeoPolygon2D& b : laid[j])
                    count += a.overlaps(b) ? 1 : 0;
            }
        }
    }
    return count;
}

// Lays the instance with the engine; `moves` 0 runs for `seconds` on two threads, else the
// given number of moves on one thread, with no time limit, to measure the search's speed.
void lay(benchmark::State& state, const Instance& instance, double seconds, long moves = 0)
{
    QString error;
    const QString path =
        QStringLiteral(MARKER_DATASETS_DIR "/esicup/%1.json").arg(QLatin1String(instance.name));
    const boost::shared_ptr<DocumentMak> document = EsicupImport::load(path, instance.scale, &error);
    if (!document) {
        state.SkipWithError(("skipped: the instance is not available (" + error.toStdString() + ")").c_str());
        return;
    }
    CDbFabricObject* fabric = document->drawing()->fabric(0);
    const CDbNestingHelper helper(
        *document, fabric, 0,
        GeoRectangle(0.0, 0.0, std::numeric_limits<double>::infinity(), fabric->getFabricLayerWidth(0)),
        NestProblem::ShortestLength);
    NestResult result;
    for (auto _ : state) {
        NestEngine engine(helper.problem());
        NestEngine::Options options;
        options.seconds = moves > 0 ? 1e6 : seconds;
        if (moves > 0) {
            options.moves = moves;
            options.threads = 1;
        }
        result = engine.run(options);
    }
    if (result.placedCount != static_cast<int>(helper.problem().pieces.size()))
        state.SkipWithError("some pieces were not laid");
    else if (const int found = faults(helper.problem(), result))
        state.SkipWithError(
            ("the layout has " + std::to_string(found) + " overlaps or pieces outside").c_str());
    state.counters["utilization_%"] = 100.0 * result.utilization;
    state.counters["record_%"] = instance.record;
    state.counters["below_record"] = instance.record - 100.0 * result.utilization;
    state.counters["length"] = result.length;
}

void BM_Nest(benchmark::State& state, const Instance& instance)
{
    lay(state, instance, secondsAllowed());
}

void BM_BottomLeft(benchmark::State& state, const Instance& instance)
{
    lay(state, instance, 0.0);
}

// What the search's quality mostly depends on: how many moves (one piece searched for where
// it overlaps least, and moved) it makes in a second.
void BM_NestMoves(benchmark::State& state, const Instance& instance)
{
    constexpr long kMoves = 20000;
    lay(state, instance, 0.0, kMoves);
    state.counters["moves_per_s"] = benchmark::Counter(static_cast<double>(kMoves), benchmark::Counter::kIsRate);
}

// The hole: 100 cm from the sample marker's end, across its fabric.
GeoRectangle sampleHole(const DocumentMak& sample)
{
    const double end = sample.markerLength();
    return GeoRectangle(end, 0.0, end + 100.0, sample.drawing()->getCurrentFabric()->getFabricLayerWidth(0));
}

boost::shared_ptr<DocumentMak> loadSample(benchmark::State& state)
{
    QString error;
    const boost::shared_ptr<DocumentMak> sample =
        MarkerFile::load(QStringLiteral(MARKER_SOURCE_DIR "/samples/trousers-sample.mak"), &error);
    if (!sample)
        state.SkipWithError(("the sample marker does not open: " + error.toStdString()).c_str());
    return sample;
}

void reportFill(benchmark::State& state, DocumentMak& marker, int laid)
{
    double area = 0.0;
    for (const CDbGrPolysObject* group : marker.groups(marker.drawing()->getCurrentFabric(), 0)) {
        if (group->isSelected())
            area += group->area();
    }
    if (marker.findOverlaps() != 0)
        state.SkipWithError("the filled marker has overlaps");
    state.counters["pieces_laid"] = laid;
    state.counters["area_laid_cm2"] = area;
}

void BM_FillHole(benchmark::State& state)
{
    boost::shared_ptr<DocumentMak> marker;
    short count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        marker = loadSample(state);
        if (!marker)
            return;
        state.ResumeTiming();
        short code = 0;
        CDbGrPolysObject* largest = nullptr;
        CDbFillHoleHelper::fillHoleSemiAutomatization(marker->drawing(), CDbFillHoleHelper::kFromStandby, 0,
                                                      sampleHole(*marker), &code, &largest, &count);
    }
    reportFill(state, *marker, count);
    state.counters["target_s"] = 0.5;
}
BENCHMARK(BM_FillHole)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FillHole_BottomLeft(benchmark::State& state)
{
    boost::shared_ptr<DocumentMak> marker;
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        marker = loadSample(state);
        if (!marker)
            return;
        state.ResumeTiming();
        CDbFabricObject* fabric = marker->drawing()->getCurrentFabric();
        const CDbNestingHelper nesting(*marker, fabric, 0, sampleHole(*marker), NestProblem::FillArea);
        NestEngine engine(nesting.problem());
        NestEngine::Options options;
        options.seconds = 0.0;
        options.threads = 1;
        const NestResult result = engine.run(options);
        count = 0;
        for (int i = 0; i < nesting.waiting().size(); ++i) {
            if (!result.placements[static_cast<size_t>(i)].placed)
                continue;
            std::unique_ptr<CDbGrPolysObject> copy =
                nesting.laidCopy(i, result.placements[static_cast<size_t>(i)]);
            copy->setSelected(true);
            marker->addPiece(copy.release(), fabric, 0);
            ++count;
        }
    }
    reportFill(state, *marker, count);
}
BENCHMARK(BM_FillHole_BottomLeft)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_CAPTURE(BM_Nest, albano, kAlbano)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Nest, dagli, kDagli)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Nest, mao, kMao)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Nest, shirts, kShirts)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_Nest, trousers, kTrousers)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_BottomLeft, albano, kAlbano)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BottomLeft, dagli, kDagli)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BottomLeft, mao, kMao)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BottomLeft, shirts, kShirts)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BottomLeft, trousers, kTrousers)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestMoves, mao, kMao)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_NestMoves, shirts, kShirts)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char** argv)
{
    // The fill waits for its worker threads in an event loop, as it does in the host.
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
