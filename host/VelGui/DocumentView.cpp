#include "VelGui/DocumentView.h"

#include "VelConjoin/Document.h"
#include "VelConjoin/Selection.h"
#include "VelGui/AbstractTool.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/ExceptionReport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtMath>

namespace VelSystem {

namespace {

// Beyond these the scene rectangle in pixels would overflow the scroll bars' range.
constexpr double kMinimumScale = 1.0e-3;
constexpr double kMaximumScale = 1.0e4;
// One notch of the wheel (120 units) zooms by this factor.
constexpr double kWheelZoomFactor = 1.25;
// Room left around a fitted rectangle, in pixels.
constexpr int kFitMargin = 8;

} // namespace

DocumentView::DocumentView(DocumentScene* scene, QWidget* parent) : QGraphicsView(scene, parent)
{
    setTransform(QTransform::fromScale(1.0, -1.0));
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    setDragMode(QGraphicsView::NoDrag);
    setRenderHint(QPainter::Antialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    // Tools follow the mouse without a button held (hover highlights, cursors, rulers).
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    if (scene)
        connect(scene, &QGraphicsScene::sceneRectChanged, this, &DocumentView::onSceneRectChanged);
    showSceneArea(QPointF(), 10.0);
}

DocumentView::~DocumentView() = default;

boost::shared_ptr<Document> DocumentView::document() const
{
    const DocumentScene* documentScene = scene();
    return documentScene ? documentScene->document() : boost::shared_ptr<Document>();
}

DocumentScene* DocumentView::scene() const
{
    return static_cast<DocumentScene*>(QGraphicsView::scene());
}

const ViewFilter& DocumentView::filter() const
{
    return scene()->filter();
}

boost::shared_ptr<Selection> DocumentView::pick(const QPoint& pixel) const
{
    const boost::shared_ptr<Document> doc = document();
    if (!doc)
        return {};
    doc->setViewScale(getScale());
    return doc->pick(scenePoint(pixel), kPickTolerance / getScale(), &filter());
}

GeoPoint2D DocumentView::scenePoint(const QPoint& pixel) const
{
    const QPointF point = toScene(QPointF(pixel));
    return {point.x(), point.y()};
}

boost::shared_ptr<Selection> DocumentView::pick(const QPolygonF& pixels) const
{
    const boost::shared_ptr<Document> doc = document();
    if (!doc)
        return {};
    doc->setViewScale(getScale());
    return doc->pick(viewportTransform().inverted().map(pixels), &filter());
}

double DocumentView::getScale() const
{
    return transform().m11();
}

void DocumentView::scale(double factor, const QPoint& centre)
{
    if (!(factor > 0.0))
        return;
    const double newScale = qBound(kMinimumScale, getScale() * factor, kMaximumScale);
    const QPointF fixedPoint = toScene(QPointF(centre));
    // The viewport's centre lies (centre -> middle) pixels away; y runs downward on screen.
    const QPointF offset = QRectF(viewport()->rect()).center() - QPointF(centre);
    mFittedRect.invalidate();
    showSceneArea(fixedPoint + QPointF(offset.x() / newScale, -offset.y() / newScale), newScale);
}

void DocumentView::setScale(double pixelsPerCm)
{
    if (!(pixelsPerCm > 0.0))
        return;
    mFittedRect.invalidate();
    showSceneArea(viewportCentreInScene(), qBound(kMinimumScale, pixelsPerCm, kMaximumScale));
}

void DocumentView::fitToRect(const GeoRectangle& rect)
{
    if (!rect.isValid())
        return;
    const double width = qMax(1, viewport()->width() - 2 * kFitMargin);
    const double height = qMax(1, viewport()->height() - 2 * kFitMargin);
    double newScale = getScale();
    if (rect.width() > 0.0 && rect.height() > 0.0)
        newScale = qMin(width / rect.width(), height / rect.height());
    else if (rect.width() > 0.0)
        newScale = width / rect.width();
    else if (rect.height() > 0.0)
        newScale = height / rect.height();
    const GeoPoint2D centre = rect.center();
    showSceneArea(QPointF(centre.x, centre.y), qBound(kMinimumScale, newScale, kMaximumScale));
    mFittedRect = rect;
}

void DocumentView::fitToDocument()
{
    if (const boost::shared_ptr<Document> doc = document())
        fitToRect(doc->extent());
}

void DocumentView::setTool(const boost::shared_ptr<AbstractTool>& tool)
{
    disconnect(mCursorConnection);
    mTool = tool;
    viewport()->unsetCursor();
    // Items may show more while some tools are current (a blocking's control points).
    viewport()->update();
    if (!mTool)
        return;
    AbstractTool* raw = mTool.get();
    mCursorConnection = connect(raw, &AbstractTool::cursorChanged, this, [this, raw] {
        if (mTool.get() == raw)
            updateCursor(*raw);
    });
    updateCursor(*mTool);
}

void DocumentView::updateCursor(const AbstractTool& tool)
{
    QCursor cursor = viewport()->cursor();
    if (runGuarded(QStringLiteral("AbstractTool::cursor"), [&] { tool.cursor(cursor); }))
        viewport()->setCursor(cursor);
}

void DocumentView::postMouseEventToRulers(QMouseEvent* event)
{
    const QPointF point = toScene(event->localPos());
    emit mousePositionChanged(point.x(), point.y());
}

void DocumentView::mousePressEvent(QMouseEvent* event)
{
    if (!mTool)
        QGraphicsView::mousePressEvent(event);
    callTool(QStringLiteral("mousePressEvent"), [&](AbstractTool& t) { t.mousePressEvent(this, event); });
}

void DocumentView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!mTool)
        QGraphicsView::mouseReleaseEvent(event);
    callTool(QStringLiteral("mouseReleaseEvent"), [&](AbstractTool& t) { t.mouseReleaseEvent(this, event); });
}

void DocumentView::mouseMoveEvent(QMouseEvent* event)
{
    postMouseEventToRulers(event);
    if (!mTool)
        QGraphicsView::mouseMoveEvent(event);
    callTool(QStringLiteral("mouseMoveEvent"), [&](AbstractTool& t) { t.mouseMoveEvent(this, event); });
}

void DocumentView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!mTool)
        QGraphicsView::mouseDoubleClickEvent(event);
    callTool(QStringLiteral("mouseDoubleClickEvent"),
             [&](AbstractTool& t) { t.mouseDoubleClickEvent(this, event); });
}

void DocumentView::keyPressEvent(QKeyEvent* event)
{
    // A held key reaches the tool once: tools care about the key's state, not its repeats.
    bool handled = event->isAutoRepeat();
    if (!handled)
        callTool(QStringLiteral("keyStateChanged"),
                 [&](AbstractTool& t) { handled = t.keyStateChanged(true, event->key()); });
    if (!handled)
        QGraphicsView::keyPressEvent(event);
}

void DocumentView::keyReleaseEvent(QKeyEvent* event)
{
    bool handled = event->isAutoRepeat();
    if (!handled)
        callTool(QStringLiteral("keyStateChanged"),
                 [&](AbstractTool& t) { handled = t.keyStateChanged(false, event->key()); });
    if (!handled)
        QGraphicsView::keyReleaseEvent(event);
}

void DocumentView::wheelEvent(QWheelEvent* event)
{
    bool handled = false;
    const bool called =
        callTool(QStringLiteral("wheelEvent"), [&](AbstractTool& t) { handled = t.wheelEvent(this, event); });
    // After a failure the tool has been stopped; zooming on top of the error would only confuse.
    if (handled || (mTool && !called)) {
        event->accept();
        return;
    }
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0)
        scale(std::pow(kWheelZoomFactor, notches), event->position().toPoint());
    event->accept();
}

void DocumentView::resizeEvent(QResizeEvent* event)
{
    const QPointF centre = viewportCentreInScene();
    QGraphicsView::resizeEvent(event);
    if (mFittedRect.isValid())
        fitToRect(mFittedRect);
    else
        showSceneArea(centre, getScale());
}

bool DocumentView::callTool(const QString& where, const std::function<void(AbstractTool&)>& call)
{
    // A handler may replace the view's tool (or open a dialog that does): keep this one alive.
    const boost::shared_ptr<AbstractTool> tool = mTool;
    if (!tool)
        return false;
    const boost::shared_ptr<Document> doc = document();
    if (doc) {
        doc->setViewScale(getScale());
        toolEventBegins(*doc);
    }
    const bool ok = runGuarded(where, [&] { call(*tool); });
    if (doc)
        toolEventEnds(*doc);
    if (!ok) {
        // Leaves the tool idle, with its previews and temporary items gone.
        runGuarded(QStringLiteral("AbstractTool::stop"), [&] { tool->stop(); });
        scene()->update();
    }
    updateCursor(*tool);
    return ok;
}

QPointF DocumentView::toScene(const QPointF& pixel) const
{
    return viewportTransform().inverted().map(pixel);
}

QPointF DocumentView::viewportCentreInScene() const
{
    return toScene(QRectF(viewport()->rect()).center());
}

void DocumentView::showSceneArea(const QPointF& centre, double pixelsPerCm)
{
    const bool scaleChanging = pixelsPerCm != getScale();
    setTransform(QTransform::fromScale(pixelsPerCm, -pixelsPerCm));

    // The scroll range covers the scene's content and the area shown, with a window's worth
    // of room on every side, so any point can be brought under any pixel.
    const QSizeF visible(viewport()->width() / pixelsPerCm, viewport()->height() / pixelsPerCm);
    QRectF area(centre - QPointF(visible.width(), visible.height()) / 2.0, visible);
    if (const QGraphicsScene* graphicsScene = QGraphicsView::scene())
        area = area.united(graphicsScene->sceneRect());
    area.adjust(-visible.width(), -visible.height(), visible.width(), visible.height());
    if (area != sceneRect())
        setSceneRect(area);
    // Unlike centerOn, which truncates, rounding keeps repeated zooms from drifting.
    const QPointF offset = viewportTransform().map(centre) - QRectF(viewport()->rect()).center();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(offset.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(offset.y()));
    if (scaleChanging) {
        if (DocumentScene* documentScene = scene())
            documentScene->viewScaleChanged(pixelsPerCm);
        emit scaleChanged(pixelsPerCm);
    }
}

void DocumentView::onSceneRectChanged()
{
    showSceneArea(viewportCentreInScene(), getScale());
}

} // namespace VelSystem
