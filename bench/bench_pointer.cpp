// One mouse move of the pointer tool while it drags a piece: from the move event reaching the
// view to the view showing the piece at its new place, on a 1,000-piece trouser marker beside
// the same move on the 64 pieces of the trousers instance, and beside the naive way of
// showing it: the whole view redrawn at every move.

#include "TrousersMarker.h"

#include "VelToolFactory.h"

#include "VelConjoin/Selection.h"
#include "VelGui/AbstractTool.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/view/MarkerScene.h"

#include <QApplication>
#include <QMouseEvent>
#include <QUndoStack>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

using namespace VelSystem;

namespace {

// The working zoom of the view, in pixels per centimetre: both markers show the same kind
// of neighbourhood around the dragged piece and differ only in how many pieces they hold.
constexpr double kViewScale = 4.0;
// A host window's marker view.
constexpr int kViewWidth = 1000;
constexpr int kViewHeight = 650;
// The moves alternate between two points this many pixels apart, far enough from the press
// that the tool takes them as a drag.
constexpr int kDragOffset = 20;
constexpr int kStep = 4;
// More rounds of event processing than a move needs before its paint; reaching it means the
// move drew nothing.
constexpr int kMaxRounds = 10;

// Counts the paint events of the view's viewport.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A marker shown in a view whose tool is the pointer, with a press on one of its pieces.
class PointerDrag
{
public:
    // Not ready (the benchmark skipped) without the dataset, the pointer tool or a piece to
    // press, or when the drag's first move shows nothing.
    PointerDrag(int pieces, QGraphicsView::ViewportUpdateMode updates, benchmark::State& state);
    ~PointerDrag();

    bool isReady() const { return mPressed; }
    // Sends one move to the viewport and processes events until the viewport has painted
    // what changed; false when it never did.
    bool move(const QPoint& pixel);
    // Ends the drag; true when it left one command on the undo stack.
    bool release(const QPoint& pixel);
    QPoint pressPixel() const { return mPressPixel; }

private:
    void send(QEvent::Type type, const QPoint& pixel, Qt::MouseButton button);
    // The centre of the first piece from the middle of the marker on whose centre a click
    // picks it alone.
    bool findPiece(QPoint* pixel);

    boost::shared_ptr<DocumentMak> mDocument;
    std::unique_ptr<MarkerScene> mScene;
    std::unique_ptr<DocumentView> mView;
    boost::shared_ptr<AbstractTool> mTool;
    PaintCounter mPaints;
    QPoint mPressPixel;
    bool mPressed = false;
};

PointerDrag::PointerDrag(int pieces, QGraphicsView::ViewportUpdateMode updates, benchmark::State& state)
{
    const TrousersMarker* shapes = TrousersMarker::shared(state);
    if (!shapes)
        return;
    mTool = VelToolFactory::instance().createTool("select");
    if (!mTool) {
        state.SkipWithError("the plug-in has no pointer tool \"select\"");
        return;
    }
    mDocument = shapes->build(pieces, 0);
    mScene = std::make_unique<MarkerScene>(mDocument);
    mView = std::make_unique<DocumentView>(mScene.get());
    mView->setViewportUpdateMode(updates);
    mView->resize(kViewWidth, kViewHeight);
    mView->show();
    mView->setScale(kViewScale);
    if (!findPiece(&mPressPixel)) {
        state.SkipWithError("no piece of the marker can be picked alone at its centre");
        return;
    }
    mTool->start();
    mView->setTool(mTool);
    mView->viewport()->installEventFilter(&mPaints);
    QCoreApplication::processEvents();
    send(QEvent::MouseButtonPress, mPressPixel, Qt::LeftButton);
    // The first move starts the drag: the previews are made here, outside the measured moves.
    mPressed = move(mPressPixel + QPoint(kDragOffset, 0));
    if (!mPressed)
        state.SkipWithError("the first move of the drag changed nothing in the view");
}

PointerDrag::~PointerDrag()
{
    if (mTool) {
        mTool->stop();
        if (mView)
            mView->setTool(nullptr);
    }
}

bool PointerDrag::findPiece(QPoint* pixel)
{
    const QListEx<CDbGrPolysObject*> groups = mDocument->groups(mDocument->drawing()->fabric(0), 0);
    for (int i = groups.size() / 2; i < groups.size(); ++i) {
        const GeoPoint2D centre = groups[i]->boundingRect().center();
        mView->centerOn(centre.x, centre.y);
        *pixel = mView->mapFromScene(QPointF(centre.x, centre.y));
        const boost::shared_ptr<Selection> picked = mView->pick(*pixel);
        if (picked && picked->count() == 1 && groups[i]->hitTest(centre, 0.0))
            return true;
    }
    return false;
}

void PointerDrag::send(QEvent::Type type, const QPoint& pixel, Qt::MouseButton button)
{
    QWidget* viewport = mView->viewport();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pixel, viewport->mapTo(viewport->window(), pixel), viewport->mapToGlobal(pixel),
                      button, held, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

// The tool moves the preview at once; the scene then collects its changed items on a queued
// call and asks the viewport to repaint the region they cover, which the next round of event
// processing paints. A move is over when that paint is done, as it is for a user.
bool PointerDrag::move(const QPoint& pixel)
{
    const int paintsBefore = mPaints.paints;
    send(QEvent::MouseMove, pixel, Qt::NoButton);
    for (int round = 0; round < kMaxRounds && mPaints.paints == paintsBefore; ++round)
        QCoreApplication::processEvents();
    return mPaints.paints != paintsBefore;
}

bool PointerDrag::release(const QPoint& pixel)
{
    send(QEvent::MouseButtonRelease, pixel, Qt::LeftButton);
    QCoreApplication::processEvents();
    return mDocument->undoStack()->index() == 1;
}

void BM_PointerDragMove(benchmark::State& state)
{
    const bool wholeView = state.range(1) != 0;
    PointerDrag drag(static_cast<int>(state.range(0)),
                     wholeView ? QGraphicsView::FullViewportUpdate : QGraphicsView::MinimalViewportUpdate,
                     state);
    if (!drag.isReady())
        return;
    const QPoint left = drag.pressPixel() + QPoint(kDragOffset, 0);
    const QPoint right = left + QPoint(kStep, 0);
    std::vector<double> seconds;
    bool toRight = true;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const bool painted = drag.move(toRight ? right : left);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        seconds.push_back(elapsed.count());
        if (!painted) {
            state.SkipWithError("a move of the drag changed nothing in the view");
            break;
        }
        toRight = !toRight;
    }
    if (!drag.release(toRight ? left : right)) {
        state.SkipWithError("the drag did not end in one command");
        return;
    }
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_ms"] = seconds[seconds.size() / 2] * 1e3;
    state.counters["p90_ms"] = seconds[seconds.size() * 9 / 10] * 1e3;
    state.counters["pieces"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_PointerDragMove)
    ->ArgNames({"pieces", "whole view"})
    ->Args({64, 0})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
