#include "ToolMagnetic.h"

#include "Commands/InteractiveTransformer.h"
#include "SelectRubberBand.h"
#include "ToolRegistration.h"

#include "VelConjoin/Selection.h"
#include "VelCore/AbstractCmd.h"
#include "VelCore/InfoBox.h"
#include "VelCore/KeyboardMonitor.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPolygonF>
#include <QScopedValueRollback>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>

namespace VelSystem {

namespace {

const ToolRegistration<ToolMagnetic> registration("magnetic", QStringLiteral(":/images/tool_magnetic.png"));

constexpr int kPressTimerMilliseconds = 100;
// The live values of a drag: its displacement and its length.
constexpr int kDragFields = InfoBox::Dx | InfoBox::Dy | InfoBox::Distance;

// A key transformation may run commands that end up in another key event (a dialog, a
// refresh); one transformation at a time, whichever magnetic tool started it.
bool sTransformingByKey = false;

boost::shared_ptr<DocumentMak> markerDocument(const DocumentScene* scene)
{
    return boost::dynamic_pointer_cast<DocumentMak>(scene ? scene->document() : nullptr);
}

template <class T> bool containsA(const QListEx<CDbAbstractObject*>& objects)
{
    return std::any_of(objects.begin(), objects.end(),
                       [](CDbAbstractObject* object) { return qobject_cast<T*>(object) != nullptr; });
}

} // namespace

ToolMagnetic::ToolMagnetic(const QString& icon) : ToolBase(icon) {}

// The transformer abandons an unfinished drag and the timer goes with its owner; the rubber
// band belongs to the view unless taken away here.
ToolMagnetic::~ToolMagnetic()
{
    delete mRubberBand;
}

QString ToolMagnetic::name() const
{
    return QCoreApplication::translate("ToolMagnetic", "Magnetic Cursor");
}

void ToolMagnetic::showInstructions(DocumentView* view)
{
    const DocumentScene* scene = view ? view->scene() : nullptr;
    instructionPage = scene && scene->hasSelection() ? 1 : 0;
    ToolBase::showInstructions(view);
}

void ToolMagnetic::stop()
{
    mPressed = false;
    mBusy = false;
    // A band's pick announced its own change; a drag or a press pick may have changed the
    // selection on its way.
    if (mRubberBand)
        delete mRubberBand;
    else if (mScene)
        mScene->emitSelectionChanged();
    mTransformer.reset();
    GetInfoBox()->clear(kDragFields);
    mScene = nullptr;
}

void ToolMagnetic::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        event->ignore();
        return;
    }
    if (mPressed || (mScene && mScene != view->scene()))
        stop();
    mTimer.reset();
    const boost::shared_ptr<DocumentMak> document = markerDocument(view->scene());
    if (!document) {
        event->ignore();
        return;
    }
    mPressed = true;
    mScene = view->scene();
    mView = view;
    mPressPos = event->pos();
    const GeoPoint2D pressPoint = view->scenePoint(mPressPos);

    const bool hasSelection = mScene->hasSelection();
    CMarkerSelection& selection = *document->markerSelection();
    const QListEx<CDbAbstractObject*> selected = selection.objects();
    if (CDbFabricObject* fabric = document->drawing()->getCurrentFabric())
        fabric->setWorkFields(0, 0.0);

    bool pick = !hasSelection;
    if (hasSelection) {
        // A lone line is only dragged from on it; pressed elsewhere it lets go of the line.
        if (selected.size() == 1 && qobject_cast<CDbLineObject*>(selected.first()) &&
            !selected.first()->boundingRect().contains(pressPoint))
            selection.removeLine();
        // Objects the view hides cannot be dragged: the press picks afresh instead.
        const ViewFilter& filter = mScene->filter();
        pick = std::any_of(selected.begin(), selected.end(), [&filter](CDbAbstractObject* object) {
            return !filter.isVisible(object->kind());
        });
        mTimer = std::make_unique<QTimer>();
        // The host's tool base may offer a slot that follows the held mouse; ours do not.
        if (metaObject()->indexOfSlot("moveMouse()") >= 0)
            connect(mTimer.get(), SIGNAL(timeout()), this, SLOT(moveMouse()));
        mTimer->setInterval(kPressTimerMilliseconds);
        mTimer->start();
    }
    if (pick)
        pickAtPress();

    // The anchor is the centre of what the drag takes along: a piece picked by this press
    // jumps under the cursor like a selected one (an empty rectangle's centre would throw
    // it by the cursor's coordinates).
    mAnchor = mOrigin = selection.boundingRect().center();
    event->accept();
}

void ToolMagnetic::mouseMoveEvent(DocumentView* view, QMouseEvent* event)
{
    if (!mPressed)
        return;
    if (view != mView && !mRubberBand) {
        // The drag went over to another view: it starts again there, from the press anchor.
        const boost::shared_ptr<Document> previous = mView ? mView->document() : nullptr;
        mScene = view->scene();
        mAnchor = mOrigin;
        if (previous)
            previous->emitModified();
        mView = view;
        mTransformer.reset();
    }
    autoScroll(view, event);
    mTimer.reset();

    if (mRubberBand) {
        if (view == mView)
            mRubberBand->setGeometry(QRect(mPressPos, event->pos()).normalized());
        event->accept();
        return;
    }
    const boost::shared_ptr<DocumentMak> document = markerDocument(mScene);
    if (!document) {
        event->accept();
        return;
    }
    // Lines do not travel with pieces.
    CMarkerSelection& selection = *document->markerSelection();
    if (containsA<CDbLineObject>(selection.objects()) && containsA<CDbGrPolysObject>(selection.objects()))
        selection.removeLine();

    // Shift lets the cursor go without taking the selection along.
    if (!event->modifiers().testFlag(Qt::ShiftModifier) && !document->drawing()->isMoveLocked()) {
        if (!mTransformer) {
            mTransformer = std::make_unique<InteractiveTransformer>(mScene);
            mBusy = true;
        }
        const GeoPoint2D cursor = view->scenePoint(event->pos());
        const GeoPoint2D delta = cursor - mAnchor;
        const GeoPoint2D total = cursor - mOrigin;
        mTransformer->translate(delta);
        mAnchor += delta;
        InfoBox* infoBox = GetInfoBox();
        infoBox->setValue(InfoBox::Distance, total.module(), true);
        infoBox->setValue(InfoBox::Dx, total.x, true);
        infoBox->setValue(InfoBox::Dy, total.y, true);
    }
    event->accept();
}

void ToolMagnetic::mouseReleaseEvent(DocumentView* /*view*/, QMouseEvent* event)
{
    if (!mPressed)
        return;
    if (mRubberBand) {
        selectInRubberBand(event->pos());
    } else if (mTransformer && mScene) {
        // Enter held at the release asks for the overlap search as well.
        if (commitDrag(KeyboardMonitor::instance().keyPressed(Qt::Key_Enter)) && mView)
            mView->postMouseEventToRulers(event);
    }
    stop();
    event->accept();
}

void ToolMagnetic::cursor(QCursor& cursor) const
{
    cursor = magneticCursor();
}

bool ToolMagnetic::keyStateChanged(bool pressed, int key)
{
    if (!mPressed || !pressed)
        return mBusy;
    // Space would otherwise select the hand grip in the middle of the gesture.
    if (key == Qt::Key_Space)
        return true;
    if (key == Qt::Key_Enter && mTransformer && mScene) {
        commitDrag(true);
        stop();
    }
    if (mTransformer && !sTransformingByKey) {
        const QScopedValueRollback<bool> guard(sTransformingByKey, true);
        if (!mTransformer->transformByKey(key)) {
            stop();
            if (const boost::shared_ptr<Document> document = mView ? mView->document() : nullptr)
                document->emitModified();
        }
    }
    return mBusy;
}

bool ToolMagnetic::isBusy() const
{
    return mBusy;
}

void ToolMagnetic::pickAtPress()
{
    mScene->deselectAll(false, false);
    const boost::shared_ptr<Selection> picked = mView->pick(mPressPos);
    if (!picked || picked->isEmpty()) {
        mRubberBand = new SelectRubberBand(mView->viewport());
        mRubberBand->setBackgroundRole(QPalette::Light);
        mRubberBand->setGeometry(QRect(mPressPos, QSize()));
        mRubberBand->show();
    } else if (picked->apply()) {
        mScene->emitSelectionChanged();
    }
}

void ToolMagnetic::selectInRubberBand(const QPoint& releasePos)
{
    // Released where it was pressed: a click on empty space, which selects nothing.
    if (releasePos == mPressPos || !mView || !mScene)
        return;
    const boost::shared_ptr<Selection> picked = mView->pick(QPolygonF(QRectF(mRubberBand->geometry())));
    if (picked && !picked->isEmpty() && picked->apply())
        mScene->emitSelectionChanged();
}

bool ToolMagnetic::commitDrag(bool searchOverlaps)
{
    AbstractCmd* command = mTransformer->end();
    const boost::shared_ptr<DocumentMak> document = markerDocument(mScene);
    if (!command || !document) {
        delete command;
        return false;
    }
    document->undoStack()->push(command);
    if (searchOverlaps)
        document->findOverlaps();
    return true;
}

} // namespace VelSystem
