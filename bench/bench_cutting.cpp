// Making one cut-down pair on a 1,000-piece trousers marker, and one angle cut of a trousers
// piece, each next to the naive way of doing the same work.

#include "TrousersMarker.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "VelGeo/GeoBoost.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbAngleCutHelper.h"

#include <QUndoStack>
#include <algorithm>
#include <benchmark/benchmark.h>

using namespace VelSystem;

namespace {

constexpr int kPieces = 1000;
constexpr double kSeam = 1.0;
constexpr double kCutDegrees = 30.0;

boost::shared_ptr<DocumentMak> marker(benchmark::State& state)
{
    static boost::shared_ptr<DocumentMak> built;
    const TrousersMarker* trousers = TrousersMarker::shared(state);
    if (trousers && !built)
        built = trousers->build(kPieces, 0);
    return trousers ? built : nullptr;
}

// A pair of two neighbours in the middle of the marker, pushed and undone so that every
// iteration starts from the same marker.
void BM_CutDownPair(benchmark::State& state)
{
    const auto document = marker(state);
    if (!document)
        return;
    const QListEx<CDbGrPolysObject*> groups = document->groups(document->drawing()->fabric(0), 0);
    CDbGrPolysObject* first = groups[kPieces / 2];
    CDbGrPolysObject* second = groups[kPieces / 2 + 1];
    for (auto _ : state) {
        std::unique_ptr<AbstractCmd> command =
            CmdsManager::instance()->createCommand(QStringLiteral("CutDown"));
        const short code =
            command->setDocument(document, {1, QVariant::fromValue<void*>(first),
                                            QVariant::fromValue<void*>(second), 1, 0.0, 1, 0.0});
        if (code != 0) {
            state.SkipWithError("the pair was refused");
            return;
        }
        document->undoStack()->push(command.release());
        state.PauseTiming();
        document->undoStack()->undo();
        document->undoStack()->clear();
        state.ResumeTiming();
    }
    state.counters["pieces"] = kPieces;
}
BENCHMARK(BM_CutDownPair)->Unit(benchmark::kMillisecond);

// The naive way: the same pair's union by Boost.Geometry, then every overlap of the marker
// searched again, as a change without the index's local update would need.
void BM_CutDownPair_UnionAndFullOverlapSearch(benchmark::State& state)
{
    const auto document = marker(state);
    if (!document)
        return;
    const QListEx<CDbGrPolysObject*> groups = document->groups(document->drawing()->fabric(0), 0);
    const BgPolygon a = toBgPolygon(groups[kPieces / 2]->cutOutlines().front());
    const BgPolygon b = toBgPolygon(groups[kPieces / 2 + 1]->cutOutlines().front());
    for (auto _ : state) {
        BgMultiPolygon united;
        bg::union_(a, b, united);
        benchmark::DoNotOptimize(united);
        benchmark::DoNotOptimize(document->findOverlaps());
    }
}
BENCHMARK(BM_CutDownPair_UnionAndFullOverlapSearch)->Unit(benchmark::kMillisecond);

// The instance's largest piece, a trousers leg, as a placed group.
std::unique_ptr<CDbGrPolysObject> largestPiece(benchmark::State& state)
{
    const TrousersMarker* trousers = TrousersMarker::shared(state);
    if (!trousers)
        return nullptr;
    const std::vector<GeoPolygon2D> outlines = trousers->outlines();
    const GeoPolygon2D& largest =
        *std::max_element(outlines.begin(), outlines.end(),
                          [](const GeoPolygon2D& a, const GeoPolygon2D& b) { return a.area() < b.area(); });
    CDbVectorsObjectTable contour;
    for (const GeoPoint2D& p : largest.points())
        contour.append(CDbMarkerPointObject(p));
    CDbPolygon polygon;
    polygon.setPieceIndex(0);
    polygon.contours().addContour(contour);
    auto group = std::make_unique<CDbGrPolysObject>();
    group->addPolygon(polygon);
    return group;
}

void BM_AngleCut(benchmark::State& state)
{
    const std::unique_ptr<CDbGrPolysObject> piece = largestPiece(state);
    if (!piece)
        return;
    const GeoPoint2D centre = piece->boundingRect().center();
    for (auto _ : state) {
        CDbAngleCutHelper::Code code = CDbAngleCutHelper::Success;
        auto parts = CDbAngleCutHelper::cutWithAngle(*piece, centre, kCutDegrees, kSeam, &code);
        if (!parts.first) {
            state.SkipWithError("the cut was refused");
            return;
        }
        benchmark::DoNotOptimize(parts);
    }
    state.counters["vertices"] = piece->polygon(0).pieceOutline().size();
}
BENCHMARK(BM_AngleCut)->Unit(benchmark::kMicrosecond);

// The naive way: each part with its seam as the piece's intersection with a half-plane (a
// large rectangle) by Boost.Geometry, which loses which vertex came from where.
void BM_AngleCut_BoostHalfPlanes(benchmark::State& state)
{
    const std::unique_ptr<CDbGrPolysObject> piece = largestPiece(state);
    if (!piece)
        return;
    const BgPolygon shape = toBgPolygon(piece->cutOutlines().front());
    const GeoPoint2D centre = piece->boundingRect().center();
    const GeoPoint2D along = GeoPoint2D(1, 0).rotated(kCutDegrees) * 1000.0;
    const GeoPoint2D across = GeoPoint2D(0, 1).rotated(kCutDegrees) * 1000.0;
    const GeoPoint2D seam = GeoPoint2D(0, 1).rotated(kCutDegrees) * kSeam;
    const auto halfPlane = [&](double side) {
        const GeoPoint2D base = centre - seam * side;
        BgPolygon plane = toBgPolygon(GeoPolygon2D(
            {base - along, base + along, base + along + across * side, base - along + across * side}));
        bg::correct(plane);
        return plane;
    };
    const BgPolygon left = halfPlane(1.0), right = halfPlane(-1.0);
    for (auto _ : state) {
        BgMultiPolygon a, b;
        bg::intersection(shape, left, a);
        bg::intersection(shape, right, b);
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(BM_AngleCut_BoostHalfPlanes)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
