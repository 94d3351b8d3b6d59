#include "ToolCutDown.h"

#include "Dialog/CutdownPositionDialog.h"
#include "FatalError.h"
#include "ThrowSite.h"
#include "ToolRegistration.h"

#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "VelCore/VelCoreApplication.h"
#include "VelCore/t_1_Based.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/MainWindow.h"
#include "VelGui/VelApplication.h"
#include "VelGui/VelCursor.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbChartCutDownHelper.h"
#include "laystore/ops/CDbCutDownHelper.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QUndoStack>
#include <boost/pointer_cast.hpp>
#include <memory>
#include <optional>

namespace VelSystem {

namespace {

const ToolRegistration<ToolCutDown> registration("cutdown", QStringLiteral(":/images/tool_cutdown.png"));

FatalError cutDownError()
{
    return FatalError(QCoreApplication::translate("Velsystem::ToolCutDown", "Cutdown piece error!"));
}

QVariant pointer(const void* p)
{
    return QVariant::fromValue(const_cast<void*>(p));
}

void showMessage(const char* text)
{
    VelCoreApplication::instance()->showMessage(QCoreApplication::translate("ToolCutDown", text), QString(),
                                                0);
}

// The pair commands of the pieces' chart push their change themselves: the command handed
// over is only asked, never pushed.
void send(DocumentMak& document, const QList<QVariant>& parameters)
{
    if (std::unique_ptr<AbstractCmd> command =
            CmdsManager::instance()->createCommand(QStringLiteral("CutDownTable")))
        command->setDocument(document.shared_from_this(), parameters);
}

// The position a user sets in the editable dialog between the pieces boxed by `first` and
// `second`, starting from `start`; nothing when the dialog is cancelled.
std::optional<CDbCutDownObject> askPosition(const GeoRectangle& first, const GeoRectangle& second,
                                            const CDbCutDownObject& start)
{
    CutdownPositionDialog dialog(false, first, second, start.verticalAxis, start.offsetX,
                                 start.horizontalAxis, start.offsetY,
                                 VelCoreApplication::instance()->mainWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return CDbCutDownObject(dialog.verticalAxis(), dialog.offsetX(), dialog.horizontalAxis(),
                            dialog.offsetY());
}

// A size pair made or taken apart cannot be undone: the history before it goes, and the
// marker stays changed until it is saved.
void forgetHistory(DocumentMak& document)
{
    document.undoStack()->clear();
    document.undoStack()->resetClean();
}

GeoRectangle sizeBounds(const CDbPieceObject& piece, short size)
{
    const CDbPieceSizeObject* found = piece.getPieceSize(size);
    return found ? found->outline().boundingRect() : GeoRectangle();
}

// The polygon of a group the tool works on: the first of a pair, else the group's first.
int workPolygon(const CDbGrPolysObject& group)
{
    const int first = CDbCutDownHelper::firstOfPair(group);
    return first < 0 ? 0 : first;
}

} // namespace

ToolCutDown::ToolCutDown(const QString& icon) : ToolBase(icon) {}

ToolCutDown::~ToolCutDown() = default;

QString ToolCutDown::name() const
{
    return QCoreApplication::translate("ToolCutDown", "Cut-Down Two Pieces");
}

void ToolCutDown::cursor(QCursor& cursor) const
{
    const auto document =
        boost::dynamic_pointer_cast<DocumentMak>(VelApplication::instance()->activeDocument());
    if (!document || !document->drawing())
        return;
    cursor = document->drawing()->isFirstClick() ? VelCursor::ufo() : VelCursor::target();
}

bool ToolCutDown::isBusy() const
{
    return mBusy;
}

void ToolCutDown::mouseReleaseEvent(DocumentView*, QMouseEvent*)
{
    mBusy = false;
}

void ToolCutDown::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if (mBusy)
        return;
    mBusy = true;
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    if (!document || !document->drawing())
        return;
    CDbMarkerDrawing* drawing = document->drawing();
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short code = 1;
    drawing->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (code != 0)
        return;
    fabric->resetWorkFields();
    CDbGrPolysObject* first = drawing->isFirstClick() ? nullptr : fabric->selectsGrPolysCD(layer);
    bool changed = document->deselectAll(false, false);
    const auto pick = boost::dynamic_pointer_cast<CMarkerSelection>(view->pick(event->pos()));
    if (!pick)
        return;
    const bool alt = event->modifiers() & Qt::AltModifier;

    if (pick->kind() == 1) {
        changed = pick->setSelected(true) || changed;
        VEL_ASSERT(650, pick->objects().size() == 1);
        if (changed)
            view->scene()->emitSelectionChanged();
        auto* group = qobject_cast<CDbGrPolysObject*>(pick->objects().first());
        if (!group)
            return;
        fabric->putFirstGroupOfLayer(layer, group);
        if (group->needsIdCheck()) {
            group->removeInvalidGrPolysID(drawing, fabric, &code);
            if (code != 0)
                return;
        }
        if (!pressOnGroup(*document, fabric, layer, group, first, alt)) {
            group->setSelected(true);
            fabric->putFirstGroupOfLayer(layer, group);
        }
    }
    mBusy = false;
    if (const auto active =
            boost::dynamic_pointer_cast<DocumentMak>(VelApplication::instance()->activeDocument()))
        active->emitModified();
}

bool ToolCutDown::pressOnGroup(DocumentMak& document, CDbFabricObject* fabric, short layer,
                               CDbGrPolysObject* group, CDbGrPolysObject* first, bool alt)
{
    CDbMarkerDrawing* drawing = document.drawing();
    if (drawing->isFirstClick() && pressOnChartPair(fabric, *group, alt))
        return false;
    short code = 0;
    const bool valid = fabric->isSelectionCutDownValid(layer, first, &code);
    if (code != 0)
        VEL_THROW(777, cutDownError());
    if (!valid)
        return false;
    const CDbPolygon& polygon = group->polygon(workPolygon(*group));
    if (drawing->isFirstClick()) {
        if (polygon.cutDownPartner() < 0) {
            group->setCutDownMark(true);
            drawing->setFirstClick(false);
            return false;
        }
        if (!alt)
            return pushCommand(document, QStringLiteral("UnCutDown"),
                               {int(group->section()), pointer(group), pointer(&polygon)}) == 0;
        return polygon.cutDownPosition() && changePosition(document, fabric, layer, group);
    }
    if (!first)
        return false;
    const std::optional<CDbCutDownObject> position =
        askPosition(first->polygon(0).pieceOutline().boundingRect(),
                    group->polygon(0).pieceOutline().boundingRect(), CDbCutDownObject());
    if (!position)
        return false;
    // The mark belongs to the waiting piece only: the group the pair replaces keeps none
    // that undo could bring back.
    first->setCutDownMark(false);
    if (pushCommand(document, QStringLiteral("CutDown"),
                    {int(group->section()), pointer(first), pointer(group), int(position->verticalAxis),
                     position->offsetX, int(position->horizontalAxis), position->offsetY}) == 0) {
        drawing->setFirstClick(true);
        return true;
    }
    first->setCutDownMark(true);
    return false;
}

bool ToolCutDown::pressOnChartPair(const CDbFabricObject* fabric, const CDbGrPolysObject& group, bool alt)
{
    CDbCutDownObject position;
    const CDbSizePlan::ChartPair made = fabric->sizePlan().chartPairOf(group, &position);
    if (made == CDbSizePlan::NotInChart)
        return false;
    if (!alt) {
        showMessage("Selection is already cut down in the chart.");
        return true;
    }
    // A pair of pieces shows its position, which only the chart changes; a pair of sizes has
    // no offsets to show.
    if (made == CDbSizePlan::ByPiece) {
        const CDbPolygon& polygon = group.polygon(workPolygon(group));
        const CDbPolygon& partner = group.polygon(polygon.cutDownPartner());
        CutdownPositionDialog(true, polygon.pieceOutline().boundingRect(),
                              partner.pieceOutline().boundingRect(), position.verticalAxis, position.offsetX,
                              position.horizontalAxis, position.offsetY,
                              VelCoreApplication::instance()->mainWindow())
            .exec();
    }
    return true;
}

bool ToolCutDown::chartClicked(short sizeNumber, short pieceIndex, QMouseEvent* event)
{
    const auto document =
        boost::dynamic_pointer_cast<DocumentMak>(VelApplication::instance()->activeDocument());
    if (!document || !document->drawing())
        return false;
    CDbMarkerDrawing* drawing = document->drawing();
    if (drawing->isChartDisabled())
        return false;
    const bool alt = event->modifiers() & Qt::AltModifier;
    short fabricIndex = 0;
    short layer = 0;
    const bool single = drawing->isSetToSingleLayer(&fabricIndex, &layer);
    CDbFabricObject* fabric = drawing->fabric(fabricIndex);
    if (sizeNumber != 0) {
        if (single && !drawing->isCutView())
            chartSizeCutDown(*document, fabric, t_1_Based(sizeNumber), alt);
        return true;
    }
    // Control belongs to the pointer, which it calls up.
    if (!single || (event->modifiers() & Qt::ControlModifier) || drawing->isCutView())
        return true;
    short code = 0;
    const short piece = t_1_Based(pieceIndex).zeroBased();
    if (!fabric->findPieceAccordingIndex(piece, &code) || code != 0)
        return false;
    if (fabric->isPieceBlocked(piece)) {
        showMessage("Selection is already blocked. ");
        return false;
    }
    chartPieceCutDown(*document, fabric, layer, piece, alt);
    return true;
}

void ToolCutDown::chartPieceCutDown(DocumentMak& document, CDbFabricObject* fabric, short layer, short piece,
                                    bool alt)
{
    CDbMarkerDrawing* drawing = document.drawing();
    const CDbSizePlan& plan = fabric->sizePlan();
    if (plan.hasSizePair()) {
        showMessage("Selection is already cut down in the chart.");
        return;
    }
    const CDbPieceObject* clicked = fabric->piece(piece);
    const short number = t_1_Based::fromZeroBased(piece).value();
    const QVariant none = QVariant::fromValue(static_cast<void*>(nullptr));
    if (drawing->chartFirstPiece() != 0) {
        if (drawing->chartFirstPiece() == number) {
            showMessage("Cannot Cut Down over same piece.");
            return;
        }
        if (plan.piecePairOf(piece)) {
            showMessage("Selection is already cut down.");
            return;
        }
        const short first = t_1_Based(drawing->chartFirstPiece()).zeroBased();
        const CDbPieceObject* waiting = fabric->piece(first);
        CDbChartCutDownHelper::Change trial;
        if (!waiting || plan.piecePairOf(first) ||
            CDbChartCutDownHelper::pairPieces(document, fabric, layer, first, piece, CDbCutDownObject(),
                                              &trial) != CDbCutDownHelper::Success)
            return;
        const std::optional<CDbCutDownObject> position =
            askPosition(sizeBounds(*waiting, short(waiting->getNumberOfSizes() - 1)), sizeBounds(*clicked, 0),
                        CDbCutDownObject());
        if (!position)
            return;
        drawing->setChartFirstPiece(0);
        send(document, {pointer(waiting), int(first + 1), pointer(clicked), int(number), none, 0,
                        int(position->verticalAxis), position->offsetX, int(position->horizontalAxis),
                        position->offsetY, true, false, 0, 0.0, 0, 0.0});
        return;
    }
    const CDbSizePlan::PiecePair* pair = plan.piecePairOf(piece);
    if (!pair) {
        drawing->setChartFirstPiece(number);
        return;
    }
    if (!alt) {
        send(document,
             {none, 0, none, 0, pointer(clicked), int(number), 0, 0.0, 0, 0.0, false, false, 0, 0.0, 0, 0.0});
        return;
    }
    const CDbCutDownObject old = pair->position;
    const CDbPieceObject* one = fabric->piece(pair->first);
    const CDbPieceObject* two = fabric->piece(pair->second);
    const std::optional<CDbCutDownObject> position =
        askPosition(sizeBounds(*one, short(one->getNumberOfSizes() - 1)), sizeBounds(*two, 0), old);
    if (!position || *position == old)
        return;
    send(document, {none, 0, none, 0, pointer(clicked), int(number), int(position->verticalAxis),
                    position->offsetX, int(position->horizontalAxis), position->offsetY, false, true,
                    int(old.verticalAxis), old.offsetX, int(old.horizontalAxis), old.offsetY});
}

void ToolCutDown::chartSizeCutDown(DocumentMak& document, CDbFabricObject* fabric, t_1_Based size, bool alt)
{
    CDbMarkerDrawing* drawing = document.drawing();
    const CDbSizePlan& plan = fabric->sizePlan();
    const std::vector<CDbDisplaySizeObject> columns = plan.columns(*fabric);
    if (!size.isValid() || size.value() > short(columns.size()))
        return;
    const CDbDisplaySizeObject& column = columns[size_t(size.zeroBased())];
    if (!plan.piecePairs().empty()) {
        showMessage("Selection is already cut down in the chart.");
        return;
    }
    QWidget* parent = VelCoreApplication::instance()->mainWindow();
    if (drawing->chartFirstSize() != 0) {
        if (column.displaySizeIsInCutDown()) {
            QApplication::beep();
            return;
        }
        const short firstNumber = drawing->chartFirstSize();
        const CDbDisplaySizeObject& first = columns[size_t(t_1_Based(firstNumber).zeroBased())];
        const bool same = first.columnIndex == column.columnIndex;
        if (first.sizeId != column.sizeId ||
            (same ? column.quantity <= 1 : first.quantity <= 0 || column.quantity <= 0))
            return;
        // A column pair taken apart keeps no alignment: each new pair starts centred.
        const CDbCutDownObject start;
        CutdownPositionDialog dialog(start.verticalAxis, start.horizontalAxis, parent);
        if (dialog.exec() != QDialog::Accepted)
            return;
        drawing->setChartFirstSize(0);
        pushCommand(document, QStringLiteral("CutDownTableLayer"),
                    {int(firstNumber), int(size.value()), 0, int(column.sizeId), int(column.columnIndex),
                     int(column.partnerIndex), int(dialog.verticalAxis()), start.offsetX,
                     int(dialog.horizontalAxis()), start.offsetY, true, false, 0, 0});
        forgetHistory(document);
        return;
    }
    if (!column.displaySizeIsInCutDown()) {
        if (column.quantity > 0)
            drawing->setChartFirstSize(size.value());
        else
            QApplication::beep();
        return;
    }
    if (!alt) {
        pushCommand(document, QStringLiteral("CutDownTableLayer"),
                    {0, 0, int(size.value()), int(column.sizeId), 0, 0, 0, 0.0, 0, 0.0, false, false, 0, 0});
        forgetHistory(document);
        document.deselectAll(false, false);
        if (auto* window = qobject_cast<MainWindow*>(VelCoreApplication::instance()->mainWindow()))
            window->refresh();
        return;
    }
    const CDbCutDownObject old = column.position;
    CutdownPositionDialog dialog(old.verticalAxis, old.horizontalAxis, parent);
    if (dialog.exec() != QDialog::Accepted ||
        (dialog.verticalAxis() == old.verticalAxis && dialog.horizontalAxis() == old.horizontalAxis))
        return;
    pushCommand(document, QStringLiteral("CutDownTableLayer"),
                {0, 0, int(size.value()), int(column.sizeId), int(column.columnIndex),
                 int(column.partnerIndex), int(dialog.verticalAxis()), old.offsetX,
                 int(dialog.horizontalAxis()), old.offsetY, false, true, int(old.verticalAxis),
                 int(old.horizontalAxis)});
}

bool ToolCutDown::changePosition(DocumentMak& document, CDbFabricObject* fabric, short layer,
                                 CDbGrPolysObject* group)
{
    const CDbPolygon& polygon = group->polygon(workPolygon(*group));
    const CDbCutDownObject old = *polygon.cutDownPosition();
    const CDbPolygon& partner = group->polygon(polygon.cutDownPartner());
    const std::optional<CDbCutDownObject> position =
        askPosition(polygon.pieceOutline().boundingRect(), partner.pieceOutline().boundingRect(), old);
    if (!position || *position == old)
        return false;
    if (modifyCutDownPosition(document, fabric, layer, group, *position) != 0)
        VEL_THROW(843, cutDownError());
    return true;
}

short ToolCutDown::modifyCutDownPosition(DocumentMak& document, CDbFabricObject* fabric, short layer,
                                         CDbGrPolysObject* group, const CDbCutDownObject& position)
{
    std::unique_ptr<CDbGrPolysObject> before(static_cast<CDbGrPolysObject*>(group->clone()));
    const CDbCutDownHelper::Code code =
        CDbCutDownHelper::cutDownPolys(*group, position, fabric->getFabricLayerWidth(layer));
    // The partner stays where it was: nothing to record, and not an error.
    if (code == CDbCutDownHelper::LeavesFabric)
        return 0;
    if (code != CDbCutDownHelper::Success)
        return code;
    document.pushReplaceCmdUndo({before.release()}, {group}, fabric, layer,
                                QCoreApplication::translate("ToolCutDown", "Cut-Down Position"));
    fabric->putFirstGroupOfLayer(layer, group);
    return 0;
}

void ToolCutDown::stop()
{
    const auto document =
        boost::dynamic_pointer_cast<DocumentMak>(VelApplication::instance()->activeDocument());
    if (!document || !document->drawing())
        return;
    CDbMarkerDrawing* drawing = document->drawing();
    const bool chartWaiting = drawing->chartFirstPiece() > 0 || drawing->chartFirstSize() > 0;
    drawing->setChartFirstPiece(0);
    drawing->setChartFirstSize(0);
    if (drawing->isFirstClick()) {
        if (chartWaiting)
            document->emitModified();
        return;
    }
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short code = 1;
    drawing->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (code != 0)
        VEL_THROW(989, cutDownError());
    if (CDbGrPolysObject* pending = fabric->selectsGrPolysCD(layer))
        pending->setCutDownMark(false);
    drawing->setFirstClick(true);
    document->emitModified();
}

} // namespace VelSystem
