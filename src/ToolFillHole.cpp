#include "ToolFillHole.h"

#include "AssertionError.h"
#include "SelectRubberBand.h"
#include "ThrowSite.h"
#include "ToolRegistration.h"

#include "VelCore/t_1_Based.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelCursor.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbGrPolysObjectIter.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbFillHoleHelper.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <algorithm>

namespace VelSystem {

namespace {

const ToolRegistration<ToolFillHole> registration("fillhole", QStringLiteral(":/images/tool_fillhole.png"));

// Where the drag ends, in view pixels: one point for the whole program, shared by every
// fill-hole tool. A move from a view other than the press's only moves its x.
QPoint& dragEnd()
{
    static QPoint end(0, 0);
    return end;
}

} // namespace

ToolFillHole::ToolFillHole(const QString& icon) : ToolBase(icon) {}

ToolFillHole::~ToolFillHole()
{
    delete mRubberBand;
}

QString ToolFillHole::name() const
{
    return QCoreApplication::translate("ToolFillHole", "Fill a Hole");
}

void ToolFillHole::cursor(QCursor& cursor) const
{
    cursor = VelCursor::ufo();
}

bool ToolFillHole::isBusy() const
{
    return mBusy;
}

void ToolFillHole::stop()
{
    mPressed = false;
    mBusy = false;
    delete mRubberBand;
    mRubberBand = nullptr;
}

void ToolFillHole::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if (mPressed)
        stop();
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    mScene = view->scene();
    if (!mScene || !mScene->filter().isVisible(CDbAbstractObject::KindGroup))
        return;
    mPressPos = event->pos();
    mPressed = true;
    const bool deselected = mScene->deselectAll(false, false);
    // On the viewport, whose pixels the mouse events use.
    mRubberBand = new SelectRubberBand(view->viewport());
    mRubberBand->setGeometry(QRect(mPressPos, QSize()));
    mRubberBand->show();
    if (deselected)
        mScene->emitSelectionChanged();
    event->accept();
}

void ToolFillHole::mouseMoveEvent(DocumentView* view, QMouseEvent* event)
{
    if (!mPressed)
        return;
    if (mRubberBand) {
        if (view->scene() == mScene)
            dragEnd() = event->pos();
        else
            dragEnd().setX(event->pos().x());
        mRubberBand->setGeometry(QRect(mPressPos, dragEnd()).normalized());
    }
    event->accept();
}

void ToolFillHole::mouseReleaseEvent(DocumentView* view, QMouseEvent* event)
{
    if (!mPressed)
        return;
    const GeoPoint2D p1 = view->scenePoint(mPressPos);
    const GeoPoint2D p2 = view->scenePoint(event->pos());
    GeoRectangle hole;
    hole.setRect(std::min(p1.x, p2.x), std::min(p1.y, p2.y), std::max(p1.x, p2.x), std::max(p1.y, p2.y));
    mBusy = true;

    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    CDbMarkerDrawing* drawing = document ? document->drawing() : nullptr;
    if (!drawing)
        VEL_THROW(159, AssertionError::invalidOperation());
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    short ignored = 0;
    drawing->getCurrentFabricsAndLayer(fabric, layer, &ignored);
    if (fabric) {
        fabric->resetWorkFields();
        // The marker's length is open: only the fabric's edges bound the hole.
        hole.xmin = std::max(0.0, hole.xmin);
        hole.ymin = std::max(0.0, hole.ymin);
        hole.ymax = std::min(hole.ymax, fabric->getFabricLayerWidth(layer));
        short code = 0;
        CDbGrPolysObject* group = nullptr;
        short count = 0;
        CDbFillHoleHelper::fillHoleSemiAutomatization(drawing, CDbFillHoleHelper::kFromStandby, layer, hole,
                                                      &code, &group, &count);
        if (code == 0 && fabric->layerSelectsGrPolys(layer)) {
            QListEx<CDbAbstractObject*> laid;
            CDbGrPolysObjectIter groups(fabric->getPlaceGroupList(t_1_Based::fromZeroBased(layer)));
            while (CDbGrPolysObject* next = groups.next()) {
                if (next->isSelected())
                    laid.append(next);
            }
            document->pushAddCmdUndo(laid, fabric, layer, DocumentMak::tr("Add"));
            document->setSelection(laid);
            if (mScene)
                mScene->emitSelectionChanged();
        }
    }
    stop();
    event->accept();
}

} // namespace VelSystem
