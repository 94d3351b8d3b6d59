#include "ToolEditBlock.h"

#include "CurrentLayer.h"
#include "ToolRegistration.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "VelCore/InfoBox.h"
#include "VelCore/KeyboardMonitor.h"
#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/DocumentWindow.h"
#include "VelGui/MainWindow.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbBlockHelper.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QUndoStack>
#include <algorithm>

namespace VelSystem {

namespace {

const ToolRegistration<ToolEditBlock> registration("editblock",
                                                   QStringLiteral(":/images/tool_editblock.png"));

// A press reaches a group's blocking this far outside the group's box.
constexpr double kBoxMargin = 2.0;
// Pixels within which a press grabs a control point, and a side (a little more, so that a
// press beside a point that missed it still takes the side).
constexpr double kPointPixels = 5.0;
constexpr double kSidePixels = 5.0 + 1.4;
// The side tolerance in centimetres when no document window tells its scale.
constexpr double kSideFallback = 6.4;

bool altHeld()
{
    return KeyboardMonitor::instance().keyPressed(Qt::Key_Alt);
}

bool isControl(const CDbMarkerPointObject& p)
{
    return p.type() != CDbMarkerPointObject::Curve;
}

// 1-based index of the first control point within `tolerance` of `p`; 0 for none.
short pointHit(const CDbVectorsObjectTable& contour, const GeoPoint2D& p, double tolerance)
{
    for (int i = 0; i < contour.size(); ++i) {
        if (isControl(contour[i]) && contour[i].equals(p, tolerance))
            return t_1_Based::fromZeroBased(static_cast<short>(i)).value();
    }
    return 0;
}

// 1-based index of the first point of the first side within the side tolerance of `p`; 0 for none.
short sideHit(const CDbVectorsObjectTable& contour, const GeoPoint2D& p)
{
    double tolerance = kSideFallback;
    const auto* window = qobject_cast<MainWindow*>(VelCoreApplication::instance()->mainWindow());
    if (window && window->activeMdiChild() && window->activeMdiChild()->view())
        tolerance = kSidePixels / window->activeMdiChild()->view()->getScale();
    for (int i = 0; i < contour.size(); ++i) {
        const GeoPoint2D& next = contour[(i + 1) % contour.size()];
        if (contour[i].betweenDelta(&p, &next, tolerance))
            return t_1_Based::fromZeroBased(static_cast<short>(i)).value();
    }
    return 0;
}

// The nearest control point from `index` (0-based) going `step` along the contour.
int controlFrom(const CDbVectorsObjectTable& contour, int index, int step)
{
    const int n = contour.size();
    for (int k = 0; k < n && !isControl(contour[index]); ++k)
        index = (index + step + n) % n;
    return index;
}

// Before a hand edit: the marker keeps blockings as drawn from now on (see
// CDbMarkerDrawing::manualDocumentFuseState), and the contour starts at a control point.
void prepareForHandEdit(CDbGrPolysObject& group)
{
    CDbMarkerDrawing* drawing = group.drawing();
    if (!drawing->manualDocumentIsFuse())
        drawing->setManualDocumentFuseState(1);
    CDbBlockHelper::normalizeContour(*group.editableBlockingContour());
}

// Points added or removed by hand.
void markPointsChangedByHand(CDbGrPolysObject& group)
{
    group.drawing()->setManualDocumentFuseState(2);
}

GeoRectangle reach(const CDbGrPolysObject& group)
{
    GeoRectangle box = group.boundingRect();
    box.expand(kBoxMargin, kBoxMargin);
    return box;
}

} // namespace

ToolEditBlock::ToolEditBlock(const QString& icon) : ToolBase(icon) {}

ToolEditBlock::~ToolEditBlock()
{
    delete groupCopy;
}

QString ToolEditBlock::name() const
{
    return QCoreApplication::translate("ToolEditBlock", "Edit Blocking Contour");
}

void ToolEditBlock::cursor(QCursor& cursor) const
{
    cursor = altHeld() ? convertMinusCursor() : editBlockCursor();
}

void ToolEditBlock::stop()
{
    if (!idle)
        return;
    group = nullptr;
    // A copy no command took is the tool's to delete.
    delete groupCopy;
    groupCopy = nullptr;
    pressed = false;
    GetInfoBox()->clear(0x1C);
    scene = nullptr;
    captured = false;
    pointIndex = 0;
    sideEnd = 0;
}

void ToolEditBlock::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    dragged = false;
    const CurrentLayer current(view);
    if (!current)
        return;
    CDbMarkerDrawing* drawing = current.document->drawing();
    CDbFabricObject* fabric = current.fabric;
    const short layer = current.layer;
    short code = 0;
    fabric->resetWorkFields();
    pressed = true;
    if (scene && scene != view->scene())
        stop();
    scene = view->scene();
    pressPos = event->pos();
    dragPoint = view->scenePoint(pressPos);

    const auto picked = boost::dynamic_pointer_cast<CMarkerSelection>(view->pick(pressPos));
    if (picked && picked->kind() == CMarkerSelection::KindPieces) {
        bool selectionChanged = picked->setSelected(true);
        group = fabric->layerSelectsGrPolys(layer);
        if (!group)
            return;
        delete groupCopy;
        groupCopy = group->clone(drawing, true);
        const bool another = fabric->layerNextSelectsGrPolys(layer, &code) != nullptr;
        if (code != 0)
            return;
        if (!another && group->editableBlockingContour()) {
            prepareForHandEdit(*group);
            if (reach(*group).contains(dragPoint))
                pressOnBlocking(fabric, layer, altHeld());
            else
                selectionChanged = fabric->cancelSelectionLayer(layer) || selectionChanged;
        } else {
            // The piece the user clicked is the one to select, whatever was selected before.
            group = qobject_cast<CDbGrPolysObject*>(picked->objects().first());
            selectionChanged = true;
            if (!selectionPress(fabric, layer, group != nullptr))
                return;
        }
        if (selectionChanged)
            scene->emitSelectionChanged();
    }
    event->accept();
    idle = false;
}

void ToolEditBlock::pressOnBlocking(CDbFabricObject* fabric, short layer, bool alt)
{
    if (alt) {
        captured = removePoint(fabric, layer);
        // The blocking changed at the press: the release records it whatever the keys.
        dragged = captured;
        return;
    }
    const CDbVectorsObjectTable& contour = *group->editableBlockingContour();
    pointIndex = pointHit(contour, dragPoint, group->drawing()->pixelToCmInX(kPointPixels));
    captured = true;
    if (pointIndex == 0) {
        pointIndex = sideHit(contour, dragPoint);
        sideEnd = pointIndex == 0 ? 0 : static_cast<short>(pointIndex % contour.size() + 1);
    }
}

bool ToolEditBlock::selectionPress(CDbFabricObject* fabric, short layer, bool picked)
{
    fabric->cancelSelectionLayer(layer);
    if (!picked)
        return true;
    if (group->contourEditFlag() && group->editableBlockingContour())
        prepareForHandEdit(*group);
    group->setSelected(true);
    fabric->putFirstGroupOfLayer(layer, group);
    delete groupCopy;
    groupCopy = group->clone(group->drawing(), true);
    if (group->needsIdCheck()) {
        short code = 0;
        group->removeInvalidGrPolysID(group->drawing(), fabric, &code);
        return code == 0;
    }
    return true;
}

bool ToolEditBlock::removePoint(CDbFabricObject* fabric, short layer)
{
    const CDbVectorsObjectTable& contour = *group->editableBlockingContour();
    const bool polygonBlocking = !group->blockingFusion();
    const auto onEdge = [&](int i) {
        return polygonBlocking && CDbBlockHelper::isOnFabricEdge(*group, *fabric, layer, contour[i]);
    };
    std::vector<int> removed;
    if (const short point = pointHit(contour, dragPoint, group->drawing()->pixelToCmInX(kPointPixels))) {
        removed = {t_1_Based(point).zeroBased()};
    } else if (const short side = sideHit(contour, dragPoint)) {
        const int first = t_1_Based(side).zeroBased();
        removed = {controlFrom(contour, first, -1), controlFrom(contour, (first + 1) % contour.size(), 1)};
    }
    if (removed.empty() || std::any_of(removed.begin(), removed.end(), onEdge))
        return false;
    markPointsChangedByHand(*group);
    const short code = CDbBlockHelper::removeControlPoints(group, fabric, removed);
    if (code != 0)
        refuse(code);
    return code == 0;
}

std::vector<int> ToolEditBlock::grabbedControlPoints(const CDbVectorsObjectTable& contour) const
{
    const int first = t_1_Based(pointIndex).zeroBased();
    if (sideEnd == 0)
        return {first};
    const int a = controlFrom(contour, first, -1);
    const int b = controlFrom(contour, t_1_Based(sideEnd).zeroBased(), 1);
    return a == b ? std::vector<int>{a} : std::vector<int>{a, b};
}

void ToolEditBlock::mouseMoveEvent(DocumentView* view, QMouseEvent* event)
{
    if (!pressed)
        return;
    const CurrentLayer edited(view);
    if (!edited)
        return;
    CDbFabricObject* fabric = edited.fabric;
    const short layer = edited.layer;
    GeoPoint2D current = view->scenePoint(event->pos());
    current.y = std::min(current.y, fabric->getFabricLayerWidth(layer));
    GeoPoint2D delta = current - dragPoint;
    if (scene && scene != view->scene())
        stop();
    scene = view->scene();

    const boost::shared_ptr<Selection> selection = scene->selection();
    if (selection && selection->kind() == CMarkerSelection::KindPieces && captured && group) {
        dragged = true;
        CDbVectorsObjectTable* contour = group->editableBlockingContour();
        if (contour && pointIndex != 0 && reach(*group).contains(dragPoint)) {
            CDbBlockHelper::normalizeContour(*contour);
            if (CDbBlockHelper::dragControlPoints(group, fabric, layer, grabbedControlPoints(*contour),
                                                  delta) != 0)
                return;
        }
    }
    dragPoint += delta;
    edited.document->emitModified();
    event->accept();
}

void ToolEditBlock::mouseReleaseEvent(DocumentView* view, QMouseEvent* event)
{
    if (!pressed || !group)
        return;
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    if (captured && document) {
        if (dragged || altHeld()) {
            std::unique_ptr<AbstractCmd> command =
                CmdsManager::instance()->createCommand(QStringLiteral("EditBlock"));
            const short code = command
                                   ? command->setDocument(document, {QVariant::fromValue<void*>(groupCopy),
                                                                     QVariant::fromValue<void*>(group)})
                                   : short(1);
            if (code == 0) {
                groupCopy = nullptr;
                document->undoStack()->push(command.release());
            } else if (code == CDbBlockHelper::kInvalidBlocking) {
                refuse(code);
            }
        } else if (pointIndex != 0 && sideEnd != 0) {
            const CurrentLayer edited(view);
            if (!edited)
                return;
            document->pushReplaceCmdUndo({group}, {groupCopy}, edited.fabric, edited.layer,
                                         QCoreApplication::translate("ToolEditBlock", "Modification"));
            groupCopy = nullptr;
            markPointsChangedByHand(*group);
            CDbBlockHelper::insertControlPoint(group, t_1_Based(pointIndex).zeroBased(), dragPoint);
        }
        document->emitModified();
    }
    idle = true;
    stop();
    event->accept();
}

void ToolEditBlock::refuse(short code)
{
    if (groupCopy && group)
        group->exchangeInfos(groupCopy);
    const QString text =
        code == CDbBlockHelper::kTooFewPoints
            ? QCoreApplication::translate("ToolEditBlock", "A blocking keeps at least three control points.")
            : QCoreApplication::translate(
                  "ToolEditBlock",
                  "The blocking must enclose its piece, stay on the fabric and not cross itself.");
    VelCoreApplication::instance()->showMessage(text, QString(), 0);
}

} // namespace VelSystem
