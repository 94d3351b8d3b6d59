#include "ToolBlock.h"

#include "CurrentLayer.h"
#include "FatalError.h"
#include "ThrowSite.h"
#include "ToolRegistration.h"

#include "VelCore/KeyboardMonitor.h"
#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbBlockHelper.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace VelSystem {

namespace {

const ToolRegistration<ToolBlock> registration("block", QStringLiteral(":/images/tool_block.png"));

FatalError blockingError()
{
    return FatalError(QCoreApplication::translate("ToolBlock", "Error during blocking."));
}

void showUnsuccessful()
{
    VelCoreApplication::instance()->showMessage(
        QCoreApplication::translate("ToolBlock", "The operation was unsuccessful."), QString(), 0);
}

} // namespace

ToolBlock::ToolBlock(const QString& icon) : ToolBase(icon) {}

ToolBlock::~ToolBlock() = default;

QString ToolBlock::name() const
{
    return QCoreApplication::translate("ToolBlock", "Block a Piece");
}

void ToolBlock::cursor(QCursor& cursor) const
{
    addOrRemoveCursor(cursor, blockCursor());
}

bool ToolBlock::isBusy() const
{
    return mBusy;
}

void ToolBlock::mouseReleaseEvent(DocumentView* /*view*/, QMouseEvent* /*event*/)
{
    mBusy = false;
}

void ToolBlock::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if ((event->button() != Qt::LeftButton && event->button() != Qt::RightButton) || mBusy)
        return;
    const CurrentLayer current(view);
    if (!current)
        return;
    const boost::shared_ptr<DocumentMak>& document = current.document;
    CDbMarkerDrawing* drawing = document->drawing();
    CDbFabricObject* fabric = current.fabric;
    const short layer = current.layer;
    short code = 0;
    fabric->resetWorkFields();
    document->deselectAll(false, false);

    const auto picked = boost::dynamic_pointer_cast<CMarkerSelection>(view->pick(event->pos()));
    if (!picked || picked->kind() != CMarkerSelection::KindPieces)
        return;
    picked->setSelected(true);
    view->scene()->emitSelectionChanged();
    auto* group =
        picked->objects().isEmpty() ? nullptr : qobject_cast<CDbGrPolysObject*>(picked->objects().first());
    if (!group)
        return;
    group->setSelected(true);
    // Also the layer's current group.
    fabric->putFirstGroupOfLayer(layer, group);

    if (group->needsIdCheck()) {
        group->removeInvalidGrPolysID(drawing, fabric, &code);
        if (code != 0)
            VEL_THROW(130, blockingError());
    }
    CDbBlockingObject::BlockingType type = CDbBlockingObject::None;
    group->isBlockingSimulationSlave(fabric, &code, &type);
    if (code != 0)
        VEL_THROW(135, blockingError());
    // Alt turns blocking into taking out of the blocking, as it turns adding into removing in
    // the other tools; a piece without a blocking is left alone.
    if (KeyboardMonitor::instance().keyPressed(Qt::Key_Alt)) {
        if (type != CDbBlockingObject::None)
            takeOut(current, group, view->scenePoint(event->pos()));
        return;
    }
    if (type != CDbBlockingObject::None) {
        VelCoreApplication::instance()->showMessage(
            QCoreApplication::translate("ToolBlock", "Selection is already blocked. "), QString(), 0);
        return;
    }
    if (fabric->isSelectionBlockingInvalid(group))
        return;

    mBusy = true;
    CDbBlockHelper::blockingInFabric(document, group->section(), fabric, layer, group, &code);
    document->emitModified();
    mBusy = false;
    if (code == CDbBlockHelper::kCannotPlace)
        showUnsuccessful();
    else if (code != 0)
        VEL_THROW(159, blockingError());
}

void ToolBlock::takeOut(const CurrentLayer& current, CDbGrPolysObject* group, const GeoPoint2D& at)
{
    short code = 0;
    mBusy = true;
    CDbBlockHelper::takeOutOfBlocking(current.document, current.fabric, current.layer, group, at, &code);
    current.document->emitModified();
    mBusy = false;
    if (code != 0)
        showUnsuccessful();
}

} // namespace VelSystem
