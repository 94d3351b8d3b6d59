// The free-position search after a drop and the translation of a drag's previews, on
// trouser markers, each against the naive way of doing it.

#include "TrousersMarker.h"

#include "Commands/InteractiveTransformer.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbPackPiece.h"
#include "laystore/view/MarkerScene.h"

#include <benchmark/benchmark.h>
#include <cmath>

using namespace VelSystem;

namespace {

constexpr int kDensePieces = 1000;
constexpr int kDragPieces = 1000;

// Pieces of the trousers instance laid row by row, 1 cm apart; null (the benchmark skipped)
// without the dataset.
boost::shared_ptr<DocumentMak> trousers(int count, benchmark::State& state)
{
    const TrousersMarker* shapes = TrousersMarker::shared(state);
    return shapes ? shapes->build(count, 0) : nullptr;
}

CDbFabricObject* fabricOf(const DocumentMak& document)
{
    return document.drawing()->fabric(0);
}

// A dense marker with one hole: the piece that stood there is dropped back a third of its
// width to the right and a fifth of its height up, onto its neighbours. Without the hole
// (`withHole` false), a copy of the piece fills it and no free position is near.
struct Drop
{
    boost::shared_ptr<DocumentMak> document;
    CDbGrPolysObject* piece = nullptr;
    GeoRectangle region; // as the transformer asks at the end of a drag
    double snapDistance = 0;
};

Drop dropOntoDenseMarker(benchmark::State& state, bool withHole)
{
    Drop drop;
    drop.document = trousers(kDensePieces, state);
    if (!drop.document)
        return drop;
    CDbFabricObject* fabric = fabricOf(*drop.document);
    const QListEx<CDbGrPolysObject*> groups = drop.document->groups(fabric, 0);
    // A long piece in the middle of the marker, with neighbours on every side.
    drop.piece = groups[groups.size() / 2];
    for (int i = groups.size() / 2; drop.piece->boundingRect().width() < 40.0; ++i)
        drop.piece = groups[i];
    const GeoRectangle box = drop.piece->boundingRect();
    if (!withHole)
        drop.document->addPiece(drop.piece->clone(nullptr, false), fabric, 0);
    GeoPoint2D onto(box.width() / 3.0, box.height() / 5.0);
    drop.piece->translate(onto);
    drop.snapDistance = std::max(box.width(), box.height()) / 2.0;
    drop.region = drop.piece->boundingRect();
    drop.region.expand(drop.snapDistance, drop.snapDistance);
    return drop;
}

// True when `piece` moved to `corner` meets no other piece of its layer, tried against all.
bool freeAgainstAll(const DocumentMak& document, const CDbGrPolysObject* piece, const GeoPoint2D& corner)
{
    std::unique_ptr<CDbGrPolysObject> trial(piece->clone(nullptr, false));
    GeoPoint2D move = corner - trial->boundingRect().leftBottom();
    trial->translate(move);
    const QListEx<CDbGrPolysObject*> groups = document.groups(fabricOf(document), 0);
    return std::none_of(groups.begin(), groups.end(),
                        [&](const CDbGrPolysObject* g) { return g != piece && trial->overlaps(*g); });
}

void BM_FreePosition_Packer(benchmark::State& state)
{
    const bool withHole = state.range(0) != 0;
    const Drop drop = dropOntoDenseMarker(state, withHole);
    if (!drop.document)
        return;
    CDbPackPiece packer;
    for (auto _ : state) {
        packer.init(drop.document.get(), fabricOf(*drop.document), 0, drop.piece, drop.region);
        packer.search();
        benchmark::DoNotOptimize(packer.getAvailablePosition());
    }
    const QList<GeoPoint2D> positions = packer.getAvailablePosition();
    if (withHole && positions.isEmpty())
        state.SkipWithError("no free position found next to the hole");
    for (const GeoPoint2D& p : positions) {
        if (!freeAgainstAll(*drop.document, drop.piece, p))
            state.SkipWithError("a position found is not free");
    }
    state.counters["positions"] = positions.size();
    if (!positions.isEmpty())
        state.counters["nearest"] = positions[0].distance(drop.piece->boundingRect().leftBottom());
    state.counters["snap within"] = drop.snapDistance;
    state.counters["pieces"] = kDensePieces;
}
BENCHMARK(BM_FreePosition_Packer)->ArgName("hole")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Every position of a 1 cm grid over the region, nearest first, tried against every piece of
// the layer until one is free.
void BM_FreePosition_GridScan(benchmark::State& state)
{
    const Drop drop = dropOntoDenseMarker(state, true);
    if (!drop.document)
        return;
    const GeoRectangle box = drop.piece->boundingRect();
    const double fabricWidth = fabricOf(*drop.document)->getFabricLayerWidth(0);
    std::vector<GeoPoint2D> grid;
    for (double x = std::max(drop.region.xmin, 0.0); x + box.width() <= drop.region.xmax; x += 1.0) {
        for (double y = std::max(drop.region.ymin, 0.0);
             y + box.height() <= std::min(drop.region.ymax, fabricWidth); y += 1.0)
            grid.emplace_back(x, y);
    }
    const GeoPoint2D corner = box.leftBottom();
    std::sort(grid.begin(), grid.end(), [&corner](const GeoPoint2D& a, const GeoPoint2D& b) {
        return a.distance(corner) < b.distance(corner);
    });
    GeoPoint2D found;
    for (auto _ : state) {
        const auto free = std::find_if(grid.begin(), grid.end(), [&drop](const GeoPoint2D& p) {
            return freeAgainstAll(*drop.document, drop.piece, p);
        });
        found = free != grid.end() ? *free : GeoPoint2D();
        benchmark::DoNotOptimize(found);
    }
    state.counters["nearest"] = found.distance(corner);
    state.counters["pieces"] = kDensePieces;
}
BENCHMARK(BM_FreePosition_GridScan)->Unit(benchmark::kMillisecond);

// A drag of `state.range(0)` selected pieces on a marker shown in a scene.
struct Drag
{
    boost::shared_ptr<DocumentMak> document;
    std::unique_ptr<MarkerScene> scene;
    QListEx<CDbAbstractObject*> selected;
};

Drag startDrag(benchmark::State& state)
{
    Drag drag;
    drag.document = trousers(kDragPieces, state);
    if (!drag.document)
        return drag;
    drag.scene = std::make_unique<MarkerScene>(drag.document);
    const QListEx<CDbAbstractObject*> objects = drag.document->objects(fabricOf(*drag.document), 0);
    drag.selected = objects.mid(objects.size() / 2, static_cast<int>(state.range(0)));
    CMarkerSelection(drag.document.get(), drag.selected).setSelected(true);
    return drag;
}

void BM_DragTranslate_Previews(benchmark::State& state)
{
    const Drag drag = startDrag(state);
    if (!drag.document)
        return;
    InteractiveTransformer transformer(drag.scene.get());
    double step = 0.5;
    for (auto _ : state) {
        transformer.translate({step, step});
        step = -step;
    }
    state.counters["pieces"] = kDragPieces;
}
BENCHMARK(BM_DragTranslate_Previews)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

// The previews made anew from their sources at every move.
void BM_DragTranslate_Reclone(benchmark::State& state)
{
    const Drag drag = startDrag(state);
    if (!drag.document)
        return;
    CDbFabricObject* fabric = fabricOf(*drag.document);
    QListEx<CDbAbstractObject*> previews;
    for (const CDbAbstractObject* source : drag.selected) {
        previews.append(source->clone(drag.document->drawing(), true));
        drag.document->addPiece(previews.last(), fabric, 0);
    }
    GeoPoint2D offset;
    double step = 0.5;
    for (auto _ : state) {
        offset += GeoPoint2D(step, step);
        step = -step;
        for (int i = 0; i < previews.size(); ++i) {
            drag.document->removePiece(previews[i], fabric, 0);
            delete previews[i];
            previews[i] = drag.selected[i]->clone(drag.document->drawing(), true);
            GeoPoint2D move = offset;
            previews[i]->translate(move);
            drag.document->addPiece(previews[i], fabric, 0);
        }
    }
    state.counters["pieces"] = kDragPieces;
}
BENCHMARK(BM_DragTranslate_Reclone)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

} // namespace
