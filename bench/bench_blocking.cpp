// Blocking on trouser pieces: one piece blocked by the library (offset, simplification, the
// fabric and neighbour checks, one undoable command), beside the bare offset of the same
// piece; and one move of a dragged control point on a 1,000-piece marker, beside the naive
// way of answering it: the blocking rebuilt from the piece at every move.

#include "TrousersMarker.h"

#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbBlockHelper.h"

#include "VelGeo/GeoRegion.h"

#include <QUndoStack>
#include <benchmark/benchmark.h>

using namespace VelSystem;

namespace {

// Less than half the instance's 1 cm gaps, so that no block meets its neighbours'.
constexpr double kMargin = 0.4;

// A marker of `count` trouser pieces whose middle piece names a pattern piece and may be
// blocked; null (the benchmark skipped) without the dataset.
struct BlockableMarker
{
    BlockableMarker(benchmark::State& state, int count)
    {
        const TrousersMarker* trousers = TrousersMarker::shared(state);
        if (!trousers)
            return;
        document = trousers->build(count, 0);
        fabric = document->drawing()->fabric(0);
        fabric->setBlockMargin(kMargin);
        CDbPieceObject pattern;
        pattern.addSize(CDbPieceSizeObject());
        fabric->addPiece(pattern);
        const QListEx<CDbGrPolysObject*> groups = document->groups(fabric, 0);
        // Past the first row, which lies on the fabric's edge.
        piece = groups.at(groups.size() / 2);
        piece->polygon(0).setPieceIndex(0);
    }

    short block()
    {
        short code = 1;
        CDbBlockHelper::blockingInFabric(document, piece->section(), fabric, 0, piece, &code);
        piece = document->groups(fabric, 0).at(document->groups(fabric, 0).size() / 2);
        return code;
    }

    boost::shared_ptr<DocumentMak> document;
    CDbFabricObject* fabric = nullptr;
    CDbGrPolysObject* piece = nullptr;
};

void BM_BlockOnePiece(benchmark::State& state)
{
    BlockableMarker marker(state, 64);
    if (!marker.document)
        return;
    for (auto _ : state) {
        if (marker.block() != 0)
            return state.SkipWithError("the piece could not be blocked");
        state.PauseTiming();
        marker.document->undoStack()->undo();
        marker.piece = marker.document->groups(marker.fabric, 0)
                           .at(marker.document->groups(marker.fabric, 0).size() / 2);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BlockOnePiece)->Unit(benchmark::kMicrosecond);

void BM_BareOffsetOfOnePiece(benchmark::State& state)
{
    BlockableMarker marker(state, 64);
    if (!marker.document)
        return;
    const GeoPolygon2D outline = marker.piece->pieceOutlines().front();
    for (auto _ : state)
        benchmark::DoNotOptimize(GeoRegion(outline).offset(kMargin, GeoRegion::Join::Mitre, 2.0));
}
BENCHMARK(BM_BareOffsetOfOnePiece)->Unit(benchmark::kMicrosecond);

// A control point dragged back and forth by 1 mm, as the edit tool's moves do.
void BM_DragControlPoint(benchmark::State& state)
{
    BlockableMarker marker(state, 1000);
    if (!marker.document || marker.block() != 0)
        return state.SkipWithError("the piece could not be blocked");
    // Outward from the piece's middle and back, 1 mm each way.
    GeoPoint2D out = (*marker.piece->editableBlockingContour())[0] - marker.piece->boundingRect().center();
    out = out / out.module() * 0.1;
    for (auto _ : state) {
        GeoPoint2D delta = out;
        if (CDbBlockHelper::dragControlPoints(marker.piece, marker.fabric, 0, {0}, delta) != 0)
            return state.SkipWithError("the drag was refused");
        marker.document->emitModified();
        out = GeoPoint2D() - out;
    }
}
BENCHMARK(BM_DragControlPoint)->Unit(benchmark::kMicrosecond);

void BM_DragControlPoint_RebuiltEachMove(benchmark::State& state)
{
    BlockableMarker marker(state, 1000);
    if (!marker.document || marker.block() != 0)
        return state.SkipWithError("the piece could not be blocked");
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CDbBlockHelper::blockingOutline(marker.piece->pieceOutlines(), marker.fabric->blockMargin()));
}
BENCHMARK(BM_DragControlPoint_RebuiltEachMove)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
