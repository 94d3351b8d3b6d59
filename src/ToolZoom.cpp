#include "ToolZoom.h"

#include "ToolRegistration.h"

#include "VelCore/KeyboardMonitor.h"
#include "VelGeo/GeoRectangle.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelCursor.h"

#include <QCoreApplication>
#include <QGraphicsRectItem>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <chrono>
#include <cstdlib>
#include <utility>

namespace VelSystem {

namespace {

const ToolRegistration<ToolZoom> registration("zoom", QStringLiteral(":/images/tool_zoom.png"));

// A click zooms only when released this soon after its press: holding the button is a way
// to change one's mind.
constexpr qint64 kClickMilliseconds = 400;
constexpr double kClickIn = 1.25;
constexpr double kClickOut = 0.8;
// Two click steps: a double click also delivers the first click's step before its own.
constexpr double kDoubleClickIn = 1.5625;
constexpr double kDoubleClickOut = 0.64;
// A rubber band must exceed this many pixels both ways to be fitted; smaller ones are
// taken as a shaky click.
constexpr int kMinimumBandPixels = 10;

// Wall time: the process's processor time hardly advances while the user holds the button.
qint64 steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The dashed rubber band of a zoom drag, one device pixel wide at any scale.
class RectItem : public QGraphicsRectItem
{
public:
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* /*option*/, QWidget* /*widget*/) override
    {
        QPen pen = painter->pen();
        pen.setStyle(Qt::DashLine);
        pen.setWidth(0);
        painter->setPen(pen);
        painter->drawRect(rect());
    }
};

} // namespace

ToolZoom::ToolZoom(const QString& icon) : ToolBase(icon), mClock(steadyMilliseconds), mPressTime(mClock()) {}

ToolZoom::~ToolZoom()
{
    stop();
}

QString ToolZoom::name() const
{
    return QCoreApplication::translate("ToolZoom", "Zoom In/Out");
}

std::vector<int> ToolZoom::shortcutKeys() const
{
    return {Qt::Key_Control, Qt::Key_Space};
}

void ToolZoom::start()
{
    mZoomOut = KeyboardMonitor::instance().keyPressed(Qt::Key_Alt);
}

void ToolZoom::stop()
{
    mPressed = false;
    mDragged = false;
    if (mRectScene)
        delete mRectItem;
    mRectItem = nullptr;
    mRectScene = nullptr;
}

void ToolZoom::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    mPressed = true;
    mPressPoint = view->scenePoint(event->pos());
    event->accept();
    view->updateCursor(*this);
    mPressTime = mClock();
    mPressView = view;
}

void ToolZoom::mouseMoveEvent(DocumentView* view, QMouseEvent* event)
{
    // The drag belongs to the view that got its press; another view's moves are not part of it.
    if (!mPressed || view != mPressView)
        return;
    mDragged = true;
    if (!mRectItem) {
        mRectItem = new RectItem;
        mRectItem->setZValue(DocumentScene::kTopMostZValue);
        view->scene()->addItem(mRectItem);
        mRectScene = view->scene();
    }
    // Normalised, so that a drag in any direction gives a positive width and height.
    const QPointF start(mPressPoint.x, mPressPoint.y);
    mRectItem->setRect(QRectF(start, view->mapToScene(event->pos())).normalized());
    event->accept();
}

void ToolZoom::mouseReleaseEvent(DocumentView* view, QMouseEvent* event)
{
    if (!mPressed)
        return;
    if (!mDragged || mZoomOut) {
        // Alt turns a drag into a click: there is no rectangle to zoom out to.
        if (mClock() - mPressTime < kClickMilliseconds)
            zoomByButton(view, event, kClickIn, kClickOut);
    } else if (mRectItem) {
        fitToRubberBand(view);
    }
    stop();
    event->accept();
}

void ToolZoom::mouseDoubleClickEvent(DocumentView* view, QMouseEvent* event)
{
    zoomByButton(view, event, kDoubleClickIn, kDoubleClickOut);
    event->ignore();
}

void ToolZoom::cursor(QCursor& cursor) const
{
    cursor = mZoomOut ? VelCursor::zoomminus() : VelCursor::zoomplus();
}

bool ToolZoom::keyStateChanged(bool pressed, int key)
{
    if (key != Qt::Key_Alt)
        return false;
    mZoomOut = pressed;
    return true;
}

void ToolZoom::setClock(Clock clock)
{
    mClock = std::move(clock);
}

void ToolZoom::zoomByButton(DocumentView* view, const QMouseEvent* event, double in, double out) const
{
    if (mZoomOut)
        std::swap(in, out);
    if (event->button() == Qt::LeftButton)
        view->scale(in, event->pos());
    else if (event->button() == Qt::RightButton)
        view->scale(out, event->pos());
}

void ToolZoom::fitToRubberBand(DocumentView* view) const
{
    const QRectF band = mRectItem->rect();
    const QRect pixels = view->mapFromScene(band).boundingRect();
    if (std::abs(pixels.width()) > kMinimumBandPixels && std::abs(pixels.height()) > kMinimumBandPixels)
        view->fitToRect(GeoRectangle(band.left(), band.top(), band.right(), band.bottom()));
}

} // namespace VelSystem
