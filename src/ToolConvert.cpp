#include "ToolConvert.h"

#include "FatalError.h"
#include "ThrowSite.h"
#include "ToolRegistration.h"
#include "ToolStartPoint.h"

#include "VelCore/KeyboardMonitor.h"
#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentView.h"
#include "VelGui/DocumentWindow.h"
#include "VelGui/MainWindow.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <boost/pointer_cast.hpp>

namespace VelSystem {

namespace {

const ToolRegistration<ToolConvert> registration("convert", QStringLiteral(":/images/tool_convert.png"));

} // namespace

void PointOnCurrentClickedGrPolys(CDbMarkerDrawing* drawing, CDbFabricObject* fabric, short layer,
                                  const CDbMarkerPointObject& point, CDbGrPolysObject** group,
                                  CDbPolygon** polygon, short* index)
{
    if (!fabric)
        VEL_THROW(191, FatalError(QCoreApplication::translate("Velsystem::ToolConvert", "Parameter error.")));
    ClickCurrentGrPolysPoint(drawing, fabric, layer, point, CDbVectorsObjectTable::eForNotch, group, polygon,
                             index);
}

ToolConvert::ToolConvert(const QString& icon) : ToolBase(icon) {}

ToolConvert::~ToolConvert() = default;

QString ToolConvert::name() const
{
    return QCoreApplication::translate("ToolConvert", "Convert Notch");
}

void ToolConvert::start()
{
    mRemoveMode = KeyboardMonitor::instance().keyPressed(Qt::Key_Alt);
    if (KeyboardMonitor::instance().keyPressed(Qt::Key_Shift))
        convertWholeFabric();
}

void ToolConvert::convertWholeFabric() const
{
    auto* window = qobject_cast<MainWindow*>(VelCoreApplication::instance()->mainWindow());
    DocumentWindow* child = window ? window->activeMdiChild() : nullptr;
    const auto document = child ? boost::dynamic_pointer_cast<DocumentMak>(child->document()) : nullptr;
    CDbFabricObject* fabric =
        document && document->drawing() ? document->drawing()->getCurrentFabric() : nullptr;
    if (!fabric || !fabric->layers())
        return;
    for (short layer = 0; layer < fabric->layers()->size(); ++layer) {
        for (CDbGrPolysObject* group : fabric->getPlaceGroupList(t_1_Based::fromZeroBased(layer)))
            group->setConvertNotch(!mRemoveMode);
    }
    document->emitModified();
    window->refresh();
}

void ToolConvert::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        mBusy = false;
        return;
    }
    // A press before the last one's release (a nested event loop) is not a new click.
    if (mBusy)
        return;
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    const CDbMarkerPointObject point(view->scenePoint(event->pos()));
    MarkerPress press;
    if (!markerPress(view, event, &press))
        return;
    const auto& document = press.document;
    CDbMarkerDrawing* drawing = press.drawing;
    CDbFabricObject* fabric = press.fabric;
    const short layer = press.layer;
    mBusy = true;

    CDbGrPolysObject* group = nullptr;
    CDbPolygon* polygon = nullptr;
    short index = 0;
    bool wasSelected = false;
    if (shift) {
        const auto picked = boost::dynamic_pointer_cast<CMarkerSelection>(view->pick(event->pos()));
        if (!picked)
            return;
        if (picked->objects().size() == 1)
            group = qobject_cast<CDbGrPolysObject*>(picked->objects().first());
        if (group)
            wasSelected = group->isSelected();
    } else {
        PointOnCurrentClickedGrPolys(drawing, fabric, layer, point, &group, &polygon, &index);
    }
    if (!group || (!shift && index == 0))
        return;

    CDbGrPolysObject* before = group->clone(drawing, true);
    if (shift) {
        if (!group->hasNotches())
            VelCoreApplication::instance()->showMessage(
                QCoreApplication::translate("ToolConvert", "The piece has no notch to convert."));
        group->setConvertNotch(!alt);
    } else {
        // The notch lies where the search found it: on the piece's own outline, or on the
        // blocking's outline of a blocked group (no polygon).
        CDbVectorsObjectTable& outline =
            polygon ? polygon->contours().pieceContour()
                    : group->polygon(group->knifePolygonIndex()).contours().lastContour();
        if (outline[t_1_Based(index).zeroBased()].setStatusNotch(!alt))
            group->emitChanged();
    }
    group->setSelected(wasSelected);
    document->pushReplaceCmdUndo({before}, {group}, fabric, layer,
                                 QCoreApplication::translate("ToolConvert", "Convert Notch"));
    document->emitModified();
}

void ToolConvert::mouseReleaseEvent(DocumentView* /*view*/, QMouseEvent* /*event*/)
{
    mBusy = false;
}

void ToolConvert::cursor(QCursor& cursor) const
{
    cursor = mRemoveMode ? convertMinusCursor() : convertPlusCursor();
}

bool ToolConvert::keyStateChanged(bool pressed, int key)
{
    if (key != Qt::Key_Alt)
        return false;
    mRemoveMode = pressed;
    return true;
}

bool ToolConvert::isBusy() const
{
    return mBusy;
}

} // namespace VelSystem
