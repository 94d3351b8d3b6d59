#include "ToolCutAngle.h"

#include "CLineItem.h"
#include "Dialog/PieceCutDialog.h"
#include "Dialog/SeamValueDialog.h"
#include "ThrowSite.h"
#include "ToolRegistration.h"

#include "VelCore/KeyboardMonitor.h"
#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelApplication.h"
#include "VelGui/VelCursor.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerShareGlobales.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPen>
#include <boost/pointer_cast.hpp>
#include <cmath>

namespace VelSystem {

namespace {

const ToolRegistration<ToolCutAngle> registration("cutangle", QStringLiteral(":/images/tool_cutangle.png"));

constexpr double kRadiansPerDegree = 0.017453292519943295;
// A line this close to a quarter turn is measured across, along y.
constexpr double kQuarterTurnTolerance = 6e-05;

// The piece's knife outline as a path that the shown line is clipped to.
QPainterPath clipPathOf(const CDbPolygon& polygon)
{
    QPainterPath path;
    const CDbVectorsObjectTable& outline = polygon.cutOutline();
    if (outline.size() < 2)
        return path;
    path.moveTo(outline[0].x, outline[0].y);
    for (int i = 1; i <= outline.size(); ++i)
        path.lineTo(outline[i % outline.size()].x, outline[i % outline.size()].y);
    return path;
}

QVariant pointer(const void* p)
{
    return QVariant::fromValue(const_cast<void*>(p));
}

// Pushes "CutWithAngle" and tells the user why a cut the library refuses was not made.
void pushCut(DocumentMak& document, const QList<QVariant>& parameters)
{
    const short code = ToolBase::pushCommand(document, QStringLiteral("CutWithAngle"), parameters);
    if (code > 0)
        VelCoreApplication::instance()->showMessage(
            QCoreApplication::translate(
                "ToolCutAngle", "The cut must cross the piece once and leave each part wider than its seam."),
            QString(), 0);
}

} // namespace

ToolCutAngle::ToolCutAngle(const QString& icon) : ToolBase(icon) {}

ToolCutAngle::~ToolCutAngle() = default;

QString ToolCutAngle::name() const
{
    return QCoreApplication::translate("ToolCutAngle", "Cut with Angle");
}

void ToolCutAngle::cursor(QCursor& cursor) const
{
    cursor = KeyboardMonitor::instance().keyPressed(Qt::Key_Alt) ? VelCursor::option() : VelCursor::ufo();
}

bool ToolCutAngle::isBusy() const
{
    return mBusy;
}

void ToolCutAngle::stop()
{
    mRotationIndex = 0;
    mDragging = false;
    mBusy = false;
    mBaseAngle = 0.0;
    mLineAngle = 0.0;
    mLineItem.reset();
    mScene = nullptr;
}

void ToolCutAngle::layOutLine()
{
    const double w = mPieceRect.width();
    const double c = std::cos(mLineAngle * kRadiansPerDegree), s = std::sin(mLineAngle * kRadiansPerDegree);
    const double px = mCutPoint.x, py = mCutPoint.y;
    mLineItem->setLine(px - c * w, py - s * w, px + c * w, py + s * w);
}

void ToolCutAngle::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if (mDragging || (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)) {
        event->ignore();
        return;
    }
    if (mScene && mScene != view->scene())
        stop();
    mBusy = true;
    mScene = view->scene();
    const bool alt = event->modifiers() & Qt::AltModifier;
    bool changed = mScene->deselectAll(false, false);
    mPressPos = event->pos();
    const auto pick = boost::dynamic_pointer_cast<CMarkerSelection>(view->pick(mPressPos));
    if (!pick)
        return;
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    if (!document || !document->drawing())
        return;
    CDbFabricObject* fabric = document->drawing()->getCurrentFabric();
    fabric->resetWorkFields();

    if (pick->kind() == 1) {
        mCutPoint = view->scenePoint(event->pos());
        changed = pick->setSelected(true) || changed;
        mPieceRect = pick->boundingRect();
        if (!mLineItem) {
            VEL_ASSERT(203, pick->objects().size() == 1);
            auto* group = qobject_cast<CDbGrPolysObject*>(pick->objects().first());
            if (!group)
                return;
            const CDbPolygon& polygon = group->polygon(0);
            if (!alt) {
                mDragging = true;
                mLineItem = std::make_unique<CLineItem>(clipPathOf(polygon), mScene);
                QPen pen(QBrush(Qt::gray, Qt::SolidPattern), 0, Qt::CustomDashLine, Qt::SquareCap,
                         Qt::BevelJoin);
                pen.setDashPattern({6.0, 4.0});
                pen.setCosmetic(true);
                mLineItem->setPen(pen);
                layOutLine();
            } else {
                short code = 0;
                if (!fabric->isSelectionCuttingValid(group, &code))
                    return;
                PieceCutDialog dialog(polygon.boundingRect(), VelCoreApplication::instance()->mainWindow());
                if (dialog.exec() == QDialog::Accepted) {
                    const GeoRectangle r = polygon.boundingRect();
                    const GeoPoint2D centre = r.center();
                    const double d = dialog.distance();
                    const short position = dialog.position();
                    // The point passed lies on the cut line, so the library needs no other.
                    GeoPoint2D through = centre;
                    double coordinate = 0.0;
                    if (dialog.isHorizontal()) {
                        coordinate = position == 1 ? r.ymin + d : position == 2 ? r.ymax - d : centre.y;
                        through.y = coordinate;
                    } else {
                        coordinate = position == 1 ? r.xmin + d : position == 2 ? r.xmax - d : centre.x;
                        through.x = coordinate;
                    }
                    pushCut(*document, {pointer(group), pointer(&through), dialog.seamValue(), coordinate,
                                        mBaseAngle, dialog.isHorizontal() ? 0 : 2});
                }
            }
        }
    }
    if (changed && mScene)
        mScene->emitSelectionChanged();
    if (alt)
        stop();
    event->accept();
}

void ToolCutAngle::mouseMoveEvent(DocumentView* view, QMouseEvent* event)
{
    if (mLineItem) {
        mCutPoint = view->scenePoint(event->pos());
        mCutPoint.x = std::max(std::min(mCutPoint.x, mPieceRect.xmax), mPieceRect.xmin);
        layOutLine();
    }
    event->accept();
}

bool ToolCutAngle::keyStateChanged(bool pressed, int key)
{
    if (!mDragging || !pressed)
        return mBusy;
    const auto document =
        boost::dynamic_pointer_cast<DocumentMak>(VelApplication::instance()->activeDocument());
    const double fineStep = CDbMarkerShareGlobales::instance()->getRotFineStep();
    switch (key) {
    case Qt::Key_Plus:
        mBaseAngle -= fineStep;
        mLineAngle -= fineStep;
        break;
    case Qt::Key_Minus:
        mBaseAngle += fineStep;
        mLineAngle += fineStep;
        break;
    case Qt::Key_5:
        mLineAngle += 45.0;
        mRotationIndex = static_cast<short>((mRotationIndex + 1) % 8);
        break;
    default:
        layOutLine();
        return false;
    }
    layOutLine();
    if (document)
        document->emitRotModified(qRound(mLineAngle - mBaseAngle) % 180, std::fmod(mBaseAngle, 180.0));
    return true;
}

void ToolCutAngle::mouseReleaseEvent(DocumentView* view, QMouseEvent* event)
{
    if (!mDragging) {
        mBusy = false;
        return;
    }
    mDragging = false;
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    if (!document || !document->drawing())
        return;
    CDbFabricObject* fabric = document->drawing()->getCurrentFabric();
    const QListEx<CDbAbstractObject*> objects = document->markerSelection()->objects();
    for (CDbAbstractObject* object : objects) {
        auto* group = qobject_cast<CDbGrPolysObject*>(object);
        if (!group)
            continue;
        const GeoRectangle r = group->polygon(0).boundingRect();
        short code = 0;
        const bool ok = fabric->isSelectionCuttingValid(group, &code);
        VEL_ASSERT(351, code == 0);
        if (!ok)
            break;
        const bool quarterTurn = std::fabs(45.0 * mRotationIndex + mBaseAngle - 90.0) < kQuarterTurnTolerance;
        const double p = quarterTurn ? mCutPoint.y : mCutPoint.x;
        const double lower = quarterTurn ? r.ymin : r.xmin, upper = quarterTurn ? r.ymax : r.xmax;
        if (!(lower < p && p < upper))
            break;
        SeamValueDialog dialog(VelCoreApplication::instance()->mainWindow(), std::min(p - lower, upper - p));
        if (dialog.exec() != QDialog::Accepted)
            break;
        pushCut(*document, {pointer(group), pointer(&mCutPoint), dialog.seamValue(), p, mBaseAngle,
                            int(mRotationIndex)});
        break; // the cut replaced the piece: the selection is gone
    }
    stop();
    event->accept();
}

} // namespace VelSystem
