#include "ToolRuler.h"

#include "Dialog/P2PDistanceDialog.h"
#include "ToolRegistration.h"

#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelCursor.h"
#include "laystore/DocumentMak.h"
#include "laystore/view/SceneDrawing.h"

#include <QCoreApplication>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QMouseEvent>
#include <QPen>
#include <boost/pointer_cast.hpp>

namespace VelSystem {

namespace {

const ToolRegistration<ToolRuler> registration("ruler", QStringLiteral(":/images/tool_ruler.png"));

// The ticks and arrows are sized by the measured length: 2 % of it from each end.
constexpr double kMarkFraction = 0.02;
// Degrees each side of the measured line an arrow head opens.
constexpr double kArrowHalfAngle = 20.0;

QPen rubberPen()
{
    return QPen(QBrush(Qt::gray, Qt::SolidPattern), 0, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin);
}

// The tick across the measured line at `end` and the arrow head pointing at it, given the
// point `inner` a little way in from that end.
void addEndMarks(QGraphicsItemGroup* mark, const GeoPoint2D& end, const GeoPoint2D& inner)
{
    new QGraphicsLineItem(QLineF(toQPointF(inner.rotated(90.0, end)), toQPointF(inner.rotated(-90.0, end))),
                          mark);
    auto* arrow =
        new QGraphicsPolygonItem(QPolygonF({toQPointF(end), toQPointF(inner.rotated(-kArrowHalfAngle, end)),
                                            toQPointF(inner.rotated(kArrowHalfAngle, end))}),
                                 mark);
    arrow->setPen(Qt::NoPen);
}

} // namespace

ToolRuler::ToolRuler(const QString& icon) : ToolBase(icon) {}

ToolRuler::~ToolRuler()
{
    stop();
}

QString ToolRuler::name() const
{
    return QCoreApplication::translate("ToolRuler", "Ruler");
}

void ToolRuler::showInstructions(DocumentView* view)
{
    instructionPage = mRubberLine ? 1 : 0;
    ToolBase::showInstructions(view);
}

void ToolRuler::stop()
{
    if (mScene)
        delete mRubberLine;
    mRubberLine = nullptr;
    mScene = nullptr;
}

void ToolRuler::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    if (!mRubberLine && event->modifiers().testFlag(Qt::AltModifier)) {
        stop();
        event->accept();
        refresh(view);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    // A first point set in another scene cannot be measured from here: start afresh.
    if (mRubberLine && view->scene() != mScene)
        stop();
    if (!mRubberLine) {
        mScene = view->scene();
        const QPointF first = toQPointF(endPoint(view, event));
        mRubberLine = new QGraphicsLineItem(QLineF(first, first));
        mRubberLine->setPen(rubberPen());
        mRubberLine->setZValue(DocumentScene::kTopMostZValue);
        mRubberLine->hide();
        mScene->addItem(mRubberLine);
    }
    event->accept();
    refresh(view);
}

// Without a button test: after a click the line follows a mouse that moves freely.
void ToolRuler::mouseMoveEvent(DocumentView* view, QMouseEvent* event)
{
    if (followMouse(view, event))
        event->accept();
}

void ToolRuler::mouseReleaseEvent(DocumentView* view, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (followMouse(view, event)) {
        // A release where the first point was set is a click: the next click ends the measure.
        const QLineF line = mRubberLine->line();
        if (line.p1() != line.p2()) {
            completeMeasurement(view, line);
            stop();
        }
    }
    event->accept();
    refresh(view);
}

void ToolRuler::cursor(QCursor& cursor) const
{
    cursor = mRubberLine ? VelCursor::cross() : VelCursor::ufo();
}

GeoPoint2D ToolRuler::endPoint(DocumentView* view, const QMouseEvent* event)
{
    const GeoPoint2D point = view->scenePoint(event->pos());
    if (!event->modifiers().testFlag(Qt::ShiftModifier))
        return point;
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    if (!document)
        return point;
    return document->snapToOutline(point, DocumentView::kPickTolerance / view->getScale(), &view->filter());
}

bool ToolRuler::followMouse(DocumentView* view, const QMouseEvent* event)
{
    if (!mRubberLine || view->scene() != mScene)
        return false;
    const QLineF line(mRubberLine->line().p1(), toQPointF(endPoint(view, event)));
    mRubberLine->setLine(line);
    // Hidden while it has no length: the first point's own click shows nothing.
    mRubberLine->setVisible(line.p1() != line.p2());
    return true;
}

void ToolRuler::completeMeasurement(DocumentView* view, const QLineF& line)
{
    const GeoPoint2D p1(line.p1().x(), line.p1().y());
    const GeoPoint2D p2(line.p2().x(), line.p2().y());
    auto* mark = new QGraphicsItemGroup;
    mark->setFlag(QGraphicsItem::ItemIsSelectable, false);
    mark->setZValue(DocumentScene::kTopMostZValue);
    auto* measured = new QGraphicsLineItem(line);
    QPen pen = measured->pen();
    pen.setWidth(0);
    measured->setPen(pen);
    mark->addToGroup(measured);
    addEndMarks(mark, p1, p1 + (p2 - p1) * kMarkFraction);
    addEndMarks(mark, p2, p2 + (p1 - p2) * kMarkFraction);
    mScene->addItem(mark);

    auto* dialog = new P2PDistanceDialog(p1, p2, mark, view);
    dialog->show();
    dialog->activateWindow();
    dialog->setFocus(Qt::OtherFocusReason);
}

void ToolRuler::refresh(DocumentView* view)
{
    view->updateCursor(*this);
    showInstructions(view);
}

} // namespace VelSystem
