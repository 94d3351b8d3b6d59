#include "ToolCutDown.h"

#include "Dialog/CutdownPositionDialog.h"
#include "FatalError.h"
#include "ThrowSite.h"
#include "ToolRegistration.h"

#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelApplication.h"
#include "VelGui/VelCursor.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbCutDownHelper.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QUndoStack>
#include <boost/pointer_cast.hpp>
#include <memory>

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
    const CDbCutDownObject start;
    CutdownPositionDialog dialog(false, first->polygon(0).pieceOutline().boundingRect(),
                                 group->polygon(0).pieceOutline().boundingRect(), start.verticalAxis,
                                 start.offsetX, start.horizontalAxis, start.offsetY,
                                 VelCoreApplication::instance()->mainWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The mark belongs to the waiting piece only: the group the pair replaces keeps none
    // that undo could bring back.
    first->setCutDownMark(false);
    if (pushCommand(document, QStringLiteral("CutDown"),
                    {int(group->section()), pointer(first), pointer(group), int(dialog.verticalAxis()),
                     dialog.offsetX(), int(dialog.horizontalAxis()), dialog.offsetY()}) == 0) {
        drawing->setFirstClick(true);
        return true;
    }
    first->setCutDownMark(true);
    return false;
}

bool ToolCutDown::changePosition(DocumentMak& document, CDbFabricObject* fabric, short layer,
                                 CDbGrPolysObject* group)
{
    const CDbPolygon& polygon = group->polygon(workPolygon(*group));
    const CDbCutDownObject old = *polygon.cutDownPosition();
    const CDbPolygon& partner = group->polygon(polygon.cutDownPartner());
    CutdownPositionDialog dialog(
        false, polygon.pieceOutline().boundingRect(), partner.pieceOutline().boundingRect(), old.verticalAxis,
        old.offsetX, old.horizontalAxis, old.offsetY, VelCoreApplication::instance()->mainWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const CDbCutDownObject position(dialog.verticalAxis(), dialog.offsetX(), dialog.horizontalAxis(),
                                    dialog.offsetY());
    if (position == old)
        return false;
    if (modifyCutDownPosition(document, fabric, layer, group, position) != 0)
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
    if (drawing->isFirstClick())
        return;
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
