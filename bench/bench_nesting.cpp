// Lays every copy of every piece of the datasets' nesting instances on a strip as short as
// it can in a minute on two threads, and reports the utilization reached (area of the laid
// pieces over the strip's width times the marker's length) next to the best published one;
// the naive baseline is the bottom-left placement alone. Every layout is checked with the
// exact overlap test, apart from the engine's own bookkeeping.
//
//   bench_nesting [--benchmark_filter=trousers]      NEST_SECONDS=10 for shorter runs

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/EsicupImport.h"
#include "laystore/ops/CDbNestingHelper.h"
#include "laystore/ops/NestEngine.h"

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

void lay(benchmark::State& state, const Instance& instance, double seconds)
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
        options.seconds = seconds;
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

BENCHMARK_MAIN();
