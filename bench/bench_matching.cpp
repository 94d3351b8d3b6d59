// Plaid matching on a 1,000-piece trousers marker with 500 links (each piece linked to its
// right neighbour, identical on both axes of an 8 cm plaid): checking every link, and the
// drop of a dragged linked piece that snaps it onto its match, each beside the naive way.

#include "TrousersMarker.h"

#include "Commands/InteractiveTransformer.h"
#include "VelCore/AbstractCmd.h"
#include "VelCore/t_1_Based.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/LinkMatching.h"
#include "laystore/view/MarkerScene.h"

#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace VelSystem;

namespace {

constexpr int kPieces = 1000;
constexpr double kRepeat = 8.0;
using Link = CDbTwainLinkPiecesObject;

// The marker with every piece its own pattern piece and, `withLinks`, every even piece linked
// to the next by their first points; null (the benchmark skipped) without the dataset.
boost::shared_ptr<DocumentMak> marker(benchmark::State& state, bool withLinks = true)
{
    const TrousersMarker* trousers = TrousersMarker::shared(state);
    if (!trousers)
        return nullptr;
    const boost::shared_ptr<DocumentMak> built = trousers->build(kPieces, 0);
    CDbFabricObject* fabric = built->drawing()->fabric(0);
    fabric->setPlaidRepeat(kRepeat, kRepeat);
    const QListEx<CDbGrPolysObject*> groups = built->groups(fabric, 0);
    for (int i = 0; i < groups.size(); ++i) {
        groups[i]->polygon(0).setPieceIndex(static_cast<short>(i));
        groups[i]->emitChanged();
    }
    CDbTwainLinkPiecesObjectTable* links = built->drawing()->getLinkDoc()->links(0);
    for (short i = 0; withLinks && i + 1 < kPieces; i += 2) {
        Link link;
        link.setEnds({i, 1, true, 0}, {static_cast<short>(i + 1), 1, true, 0});
        link.setRules(Link::IdenticalX | Link::IdenticalY);
        links->add(link);
    }
    return built;
}

void BM_CheckLinks(benchmark::State& state)
{
    const auto document = marker(state);
    if (!document)
        return;
    int unmatched = 0;
    for (auto _ : state) {
        unmatched = LinkMatching(*document->drawing(), 0, 0).unmatchedCount();
        benchmark::DoNotOptimize(unmatched);
    }
    state.counters["links"] = document->drawing()->getLinkDoc()->links(0)->size();
    state.counters["unmatched"] = unmatched;
}
BENCHMARK(BM_CheckLinks)->Unit(benchmark::kMillisecond);

// The naive way: each link end looked for among all the laid pieces.
void BM_CheckLinks_ScanPerEnd(benchmark::State& state)
{
    const auto document = marker(state);
    if (!document)
        return;
    const CDbFabricObject* fabric = document->drawing()->fabric(0);
    const CDbTwainLinkPiecesObjectTable* links = document->drawing()->getLinkDoc()->links(0);
    const auto pointOf = [fabric](const Link::End& end) {
        for (const CDbGrPolysObject* group : fabric->getPlaceGroupList(t_1_Based(1))) {
            if (group->polygon(0).pieceIndex() == end.pieceIndex)
                return GeoPoint2D(*group->polygon(0).pieceOutline().endPoint(end.pointIndex, end.onContour));
        }
        return GeoPoint2D();
    };
    int unmatched = 0;
    for (auto _ : state) {
        unmatched = 0;
        for (int n = 1; n <= links->size(); ++n) {
            const GeoPoint2D d = pointOf(links->link(n)->secondEnd()) - pointOf(links->link(n)->firstEnd());
            unmatched += std::remainder(d.x, kRepeat) != 0.0 || std::remainder(d.y, kRepeat) != 0.0;
        }
        benchmark::DoNotOptimize(unmatched);
    }
    state.counters["unmatched"] = unmatched;
}
BENCHMARK(BM_CheckLinks_ScanPerEnd)->Unit(benchmark::kMillisecond);

// A piece in the middle of the marker dragged 3 cm right and 2 cm up and dropped: its end,
// with the free-position search and, for a linked piece (`state.range(0)` 1), the snap onto
// its match; the same drop on the marker without links is the baseline.
void BM_Drop(benchmark::State& state)
{
    const bool linked = state.range(0) == 1;
    const auto document = marker(state, linked);
    if (!document)
        return;
    MarkerScene scene(document);
    CDbGrPolysObject* piece = document->groups(document->drawing()->fabric(0), 0)[kPieces / 2 + 1];
    GeoPoint2D moved;
    for (auto _ : state) {
        state.PauseTiming();
        document->deselectAll(false, true);
        CMarkerSelection(document.get(), {piece}).setSelected(true);
        InteractiveTransformer transformer(&scene);
        transformer.translate({3.0, 2.0});
        const GeoPoint2D before = piece->boundingRect().leftBottom();
        state.ResumeTiming();
        AbstractCmd* command = transformer.end();
        state.PauseTiming();
        if (!command) {
            state.SkipWithError("the drop moved nothing");
            return;
        }
        document->undoStack()->push(command);
        // The drop lays a moved copy in the piece's place.
        for (const CDbGrPolysObject* group : document->groups(document->drawing()->fabric(0), 0)) {
            if (group->polygon(0).pieceIndex() == kPieces / 2 + 1)
                moved = group->boundingRect().leftBottom() - before;
        }
        document->undoStack()->undo();
        document->undoStack()->clear();
        state.ResumeTiming();
    }
    state.counters["moved_x"] = moved.x;
    state.counters["moved_y"] = moved.y;
}
BENCHMARK(BM_Drop)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
