#include "ToolSelect.h"

#include "Commands/InteractiveTransformer.h"
#include "Dialog/LinkPieceIdentificationDialog.h"
#include "Dialog/LinkPropertiesDialog.h"
#include "Dialog/TextDialog.h"
#include "SelectRubberBand.h"
#include "ToolRegistration.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/InfoBox.h"
#include "VelCore/KeyboardMonitor.h"
#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbDocumentLinkObject.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTwainLinkPiecesObjectTable.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"
#include "laystore/commands/EditLinkCmd.h"
#include "laystore/ops/LinkMatching.h"
#include "laystore/ops/SemiAutomatic.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGraphicsLineItem>
#include <QMouseEvent>
#include <QPen>
#include <QPolygonF>
#include <QScopedValueRollback>
#include <QUndoStack>

namespace VelSystem {

namespace {

const ToolRegistration<ToolSelect> registration("select", QStringLiteral(":/images/tool_arrow.png"));

// How close to a link's line a double click opens its properties, in pixels.
constexpr double kLinkTolerancePixels = 5.0;
// The live values a drag shows: its displacement and the distance the other dragging tools add.
constexpr int kDragFields = InfoBox::Dx | InfoBox::Dy | InfoBox::Distance;

QList<CDbGrPolysObject*> selectedGroups(const CMarkerSelection& selection)
{
    QList<CDbGrPolysObject*> groups;
    for (CDbAbstractObject* object : selection.objects()) {
        if (auto* group = qobject_cast<CDbGrPolysObject*>(object))
            groups.append(group);
    }
    return groups;
}

} // namespace

// The marker document a scene shows, with the fabric and layer being edited; no document
// when the scene shows none or the marker is not set to a single layer.
struct ToolSelect::EditedLayer
{
    explicit EditedLayer(const DocumentScene* scene)
    {
        document = boost::dynamic_pointer_cast<DocumentMak>(scene ? scene->document() : nullptr);
        short fabricIndex = -1;
        if (!document || !document->drawing()->isSetToSingleLayer(&fabricIndex, &layer)) {
            document.reset();
            return;
        }
        drawing = document->drawing();
        fabric = drawing->fabric(fabricIndex);
    }

    boost::shared_ptr<DocumentMak> document;
    CDbMarkerDrawing* drawing = nullptr;
    CDbFabricObject* fabric = nullptr;
    short layer = -1;
};

bool ToolSelect::msTransformingByKey = false;

ToolSelect::ToolSelect(const QString& icon) : ToolBase(icon) {}

ToolSelect::~ToolSelect()
{
    stop();
}

QString ToolSelect::name() const
{
    return QCoreApplication::translate("ToolSelect", "Pointer");
}

std::vector<int> ToolSelect::shortcutKeys() const
{
    return {Qt::Key_Control};
}

bool ToolSelect::isBusy() const
{
    return mMoving;
}

void ToolSelect::stop()
{
    if (!mPressed && !mDirectionMode)
        return;
    mPressed = false;
    mMoving = false;
    mDirectionMode = false;
    // The band's pick announced its own change; any other gesture may have changed the
    // selection on its way.
    if (mRubberBand)
        delete mRubberBand;
    else if (mScene)
        mScene->emitSelectionChanged();
    if (mLineScene)
        delete mDirectionLine;
    mDirectionLine = nullptr;
    mLineScene = nullptr;
    mTransformer.reset();
    GetInfoBox()->clear(kDragFields);
    mScene = nullptr;
}

void ToolSelect::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if (mPressed || mDirectionMode)
        stop();
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    const EditedLayer edited(view->scene());
    if (!edited.document)
        return;
    edited.fabric->resetWorkFields();

    mPressed = true;
    mScene = view->scene();
    mView = view;
    mPressPos = event->pos();
    mLastBandPos = mPressPos;
    mPressScenePos = view->scenePoint(mPressPos);
    mLastScenePos = mPressScenePos;
    if (CMarkerSelection::mSelectionItems)
        pickAtPress(view, event, edited);
    event->accept();
}

void ToolSelect::pickAtPress(DocumentView* view, const QMouseEvent* event, const EditedLayer& edited)
{
    const bool zeroHeld = KeyboardMonitor::instance().keyPressed(Qt::Key_0);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    // Shift adds to or removes from the selection and Alt adds to it, so that several pieces
    // are dragged together; any other press starts a new selection.
    bool changed = !shift && !alt && mScene->deselectAll(false, false);
    const auto picked = boost::dynamic_pointer_cast<CMarkerSelection>(view->pick(mPressPos));
    const CMarkerSelection& selection = *edited.document->markerSelection();
    bool endPress = false;
    if (!picked || picked->isEmpty()) {
        startRubberBand(view);
    } else if (!zeroHeld) {
        if (shift) {
            changed |= picked->toggle();
            startRubberBand(view);
        } else {
            changed |= picked->setSelected(true);
            // Alt+click on a line edits its text; on texts it only selects them.
            if (alt && (picked->kind() == CMarkerSelection::KindLines ||
                        picked->kind() == CMarkerSelection::KindTexts)) {
                if (picked->kind() == CMarkerSelection::KindLines)
                    editLineText(*picked);
                endPress = true;
            }
        }
    } else {
        changed |= picked->setSelected(true);
        if (!edited.drawing->isLinkedDocument()) {
            mDirectionMode = true;
            startDirectionLine(selection.boundingRect().center(), mPressScenePos);
        } else {
            identifySelectedPieces(selection, edited.fabric);
            endPress = true;
        }
    }
    if (picked && !picked->isEmpty()) {
        // Groups read from outside data may name pieces the fabric lost; a group that cannot
        // be repaired keeps its flag for the tools that must refuse it.
        for (CDbGrPolysObject* group : selectedGroups(selection)) {
            short code = 0;
            if (group->needsIdCheck())
                group->removeInvalidGrPolysID(edited.drawing, edited.fabric, &code);
        }
    }
    if (changed)
        mScene->emitSelectionChanged();
    if (endPress)
        stop();
}

void ToolSelect::startRubberBand(DocumentView* view)
{
    // On the viewport, whose pixels the mouse events and the view's picks use.
    mRubberBand = new SelectRubberBand(view->viewport());
    mRubberBand->setGeometry(QRect(mPressPos, QSize()));
    mRubberBand->show();
}

bool ToolSelect::isTremor(const QPoint& pixel) const
{
    return (pixel - mPressPos).manhattanLength() < QApplication::startDragDistance();
}

QPoint ToolSelect::bandCorner(const DocumentView* view, const QMouseEvent* event)
{
    if (view == mView)
        mLastBandPos = event->pos();
    return mLastBandPos;
}

void ToolSelect::startDirectionLine(const GeoPoint2D& from, const GeoPoint2D& to)
{
    mDirectionLine = new QGraphicsLineItem(from.x, from.y, to.x, to.y);
    QPen pen(QBrush(Qt::gray, Qt::SolidPattern), 0, Qt::CustomDashLine, Qt::SquareCap, Qt::BevelJoin);
    // A custom dash without a pattern would draw solid.
    pen.setDashPattern({4.0, 4.0});
    mDirectionLine->setPen(pen);
    mDirectionLine->setZValue(DocumentScene::kTopMostZValue);
    mScene->addItem(mDirectionLine);
    mLineScene = mScene.data();
}

void ToolSelect::mouseMoveEvent(DocumentView* view, QMouseEvent* event)
{
    if (!mPressed)
        return;
    if (isTremor(event->pos()))
        return;
    if (view != mView && !mRubberBand) {
        // The drag went on into another view: it starts afresh there, from the press.
        mView = view;
        mScene = view->scene();
        mLastScenePos = mPressScenePos;
        if (const boost::shared_ptr<Document> document = view->document())
            document->emitModified();
        mTransformer.reset();
        mMoving = false;
    }
    autoScroll(view, event);
    if (mRubberBand) {
        mRubberBand->setGeometry(QRect(mPressPos, bandCorner(view, event)).normalized());
        event->accept();
        return;
    }
    const GeoPoint2D current = view->scenePoint(event->pos());
    if (mDirectionMode) {
        // The line keeps the centre its gesture started from: the slide goes from there.
        if (mLineScene)
            mDirectionLine->setLine(QLineF(mDirectionLine->line().p1(), QPointF(current.x, current.y)));
    } else if (!event->modifiers().testFlag(Qt::ShiftModifier)) {
        // Shift picks, it never drags.
        translateDrag(current);
    }
    event->accept();
}

void ToolSelect::translateDrag(const GeoPoint2D& current)
{
    const EditedLayer edited(mScene);
    // A locked marker keeps its placement, without a word.
    if (!edited.document || edited.drawing->isMoveLocked())
        return;
    if (!mTransformer) {
        mTransformer = std::make_unique<InteractiveTransformer>(mScene);
        mMoving = true;
    }
    mTransformer->translate(current - mLastScenePos);
    mLastScenePos = current;
    const GeoPoint2D displacement = current - mPressScenePos;
    GetInfoBox()->setValue(InfoBox::Dx, displacement.x, true);
    GetInfoBox()->setValue(InfoBox::Dy, displacement.y, true);
}

void ToolSelect::mouseReleaseEvent(DocumentView* view, QMouseEvent* event)
{
    if (!mPressed)
        return;
    const EditedLayer edited(mScene);
    if (mDirectionMode && edited.document && !edited.drawing->isMoveLocked()) {
        // A selection led by another kind of object is left as it is, line included, until
        // the next press.
        if (!slideSelectedGroup(edited, view->scenePoint(event->pos())))
            return;
    } else if (mRubberBand) {
        // A click that trembled is a click: Shift+click must not pick again what it toggled.
        const QPoint corner = bandCorner(view, event);
        if (!isTremor(corner)) {
            const QRectF band = QRectF(QPointF(mPressPos), QPointF(corner)).normalized();
            const auto picked = boost::dynamic_pointer_cast<CMarkerSelection>(mView->pick(QPolygonF(band)));
            if (picked && !picked->isEmpty() && picked->setSelected(true))
                mScene->emitSelectionChanged();
        }
    } else if (mTransformer) {
        if (recordDrag()) {
            if (KeyboardMonitor::instance().keyPressed(Qt::Key_Enter))
                edited.document->findOverlaps();
            view->postMouseEventToRulers(event);
        }
    }
    stop();
    event->accept();
}

bool ToolSelect::slideSelectedGroup(const EditedLayer& edited, const GeoPoint2D& target)
{
    for (CDbAbstractObject* object : edited.document->markerSelection()->objects()) {
        auto* group = qobject_cast<CDbGrPolysObject*>(object);
        if (!group)
            return false;
        const GeoRectangle box = group->boundingRect();
        if (!box.contains(mPressScenePos))
            continue;
        // The group slides where it lies; the copy keeps its old placement for undo.
        std::unique_ptr<CDbGrPolysObject> before(static_cast<CDbGrPolysObject*>(group->clone()));
        short code = 0;
        SemiAutomatic::placementAccordingDirection(edited.drawing, SemiAutomatic::kSlideMode, edited.fabric,
                                                   edited.layer, group, box.center(), target, &code);
        // A linked piece then goes to the nearest free place where its links match.
        GeoPoint2D toMatch;
        if (code == 0 &&
            LinkMatching(*edited.drawing, edited.drawing->fabricIndex(edited.fabric), edited.layer)
                .freeMatchingMove(*edited.document, *group, group, GeoPoint2D(0, 0), &toMatch))
            group->translate(toMatch);
        // Code 2: the line has no direction. A group that could not move changes nothing.
        if (code != 0 || before->sameContent(*group))
            return true;
        edited.document->pushReplaceCmdUndo({before.get()}, {group}, edited.fabric, edited.layer,
                                            QCoreApplication::translate("ToolSelect", "Modification"));
        before.release();
        edited.document->findOverlaps();
        edited.document->emitModified();
        return true;
    }
    return true;
}

bool ToolSelect::recordDrag()
{
    const std::unique_ptr<InteractiveTransformer> transformer = std::move(mTransformer);
    AbstractCmd* command = transformer->end();
    if (!command)
        return false;
    const boost::shared_ptr<Document> document = mScene->document();
    document->undoStack()->push(command);
    return true;
}

void ToolSelect::mouseDoubleClickEvent(DocumentView* view, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    // Shift double clicks are left to the view.
    if (event->modifiers().testFlag(Qt::ShiftModifier)) {
        event->ignore();
        return;
    }
    // A quick move left waiting by its release ends here.
    if (mPressed || mDirectionMode)
        stop();
    mPressPos = event->pos();
    mScene = view->scene();
    mView = view;
    const EditedLayer edited(mScene);
    if (!edited.document) {
        event->accept();
        return;
    }
    const CMarkerSelection& selection = *edited.document->markerSelection();
    const GeoPoint2D point = view->scenePoint(mPressPos);
    if (edited.drawing->isLinkedDocument()) {
        identifySelectedPieces(selection, edited.fabric);
        editLinksAt(*edited.document, edited.fabric, point);
        event->accept();
        return;
    }
    for (CDbGrPolysObject* group : selectedGroups(selection)) {
        const GeoRectangle box = group->boundingRect();
        if (box.contains(point)) {
            // The quick move: the release slides the group the way the line points.
            mPressed = true;
            mDirectionMode = true;
            mPressScenePos = point;
            mLastScenePos = point;
            startDirectionLine(box.center(), point);
            event->accept();
            return;
        }
    }
}

bool ToolSelect::keyStateChanged(bool pressed, int key)
{
    if (!pressed || !mPressed)
        return mMoving;
    // Space would switch to the hand grip in the middle of the gesture.
    if (key == Qt::Key_Space)
        return true;
    if (key == Qt::Key_Enter && mTransformer) {
        // Drops the pieces where they are, without waiting for the release.
        const boost::shared_ptr<DocumentMak> document = EditedLayer(mScene).document;
        recordDrag();
        if (document)
            document->findOverlaps();
        stop();
    } else if (mTransformer && !msTransformingByKey) {
        const QScopedValueRollback<bool> guard(msTransformingByKey, true);
        if (!mTransformer->transformByKey(key)) {
            const boost::shared_ptr<Document> document = mScene->document();
            stop();
            document->emitModified();
        }
    }
    return mMoving;
}

void ToolSelect::editLineText(const CMarkerSelection& picked) const
{
    auto* line = qobject_cast<CDbLineObject*>(picked.objects().first());
    if (!line)
        return;
    TextDialog dialog(line->getText(), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted || dialog.text() == line->getText())
        return;
    // The copy keeps the old text for undo.
    std::unique_ptr<CDbLineObject> before(static_cast<CDbLineObject*>(line->clone()));
    line->setText(dialog.text());
    const EditedLayer layer(mScene);
    layer.document->pushReplaceCmdUndo({line}, {before.get()}, layer.fabric, layer.layer,
                                       QCoreApplication::translate("ToolSelect", "Modification"));
    before.release();
    layer.document->emitModified();
}

void ToolSelect::identifySelectedPieces(const CMarkerSelection& selection, CDbFabricObject* fabric) const
{
    for (CDbGrPolysObject* group : selectedGroups(selection)) {
        if (group->polygonCount() == 0)
            continue;
        short code = 0;
        CDbPieceObject* piece = fabric->findPieceAccordingIndex(group->polygon(0).pieceIndex(), &code);
        if (code != 0)
            return;
        LinkPieceIdentificationDialog dialog(&piece->info(), piece, fabric,
                                             VelCoreApplication::instance()->mainWindow());
        dialog.exec();
    }
}

void ToolSelect::editLinksAt(DocumentMak& document, CDbFabricObject* fabric, const GeoPoint2D& point) const
{
    const CDbMarkerDrawing& drawing = *document.drawing();
    const CDbDocumentLinkObject* linkDoc = drawing.getLinkDoc();
    const CDbTwainLinkPiecesObjectTable* links = linkDoc->getCurrentPiecesLinkListDocumentLink();
    const double tolerance = drawing.pixelToCmInX(kLinkTolerancePixels);
    for (int n = 1; n <= links->size(); ++n) {
        GeoPoint2D first, second;
        if (links->getTwainLinkPiecesVectors(linkDoc->getCurrentPolyListDocumentLink(), n, &first, &second) ==
                0 &&
            first.betweenDelta(&point, &second, tolerance)) {
            // The dialog edits a copy: the link changes through one undoable step, or not at all.
            CDbTwainLinkPiecesObject edited = *links->link(n);
            LinkPropertiesDialog dialog(&edited, fabric, VelCoreApplication::instance()->mainWindow());
            if (dialog.exec() != QDialog::Accepted)
                continue;
            auto command = std::make_unique<EditLinkCmd>(&document, links->fabric(), n, edited);
            if (command->changes())
                document.undoStack()->push(command.release());
        }
    }
}

} // namespace VelSystem
