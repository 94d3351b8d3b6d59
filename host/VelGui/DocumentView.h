#pragma once

#include "VelGeo/GeoRectangle.h"

#include <QGraphicsView>
#include <QPolygonF>
#include <boost/shared_ptr.hpp>
#include <functional>

namespace VelSystem {

class AbstractTool;
class Document;
class DocumentScene;
class Selection;
class ViewFilter;

// A view of a document scene, with y upward. Routes its mouse, key and wheel events to the
// current tool and is the boundary where exceptions leaving a tool are reported.
class DocumentView : public QGraphicsView
{
    Q_OBJECT
public:
    // The click tolerance, in pixels.
    static constexpr int kPickTolerance = 5;

    explicit DocumentView(DocumentScene* scene, QWidget* parent = nullptr);
    ~DocumentView() override;

    boost::shared_ptr<Document> document() const;
    DocumentScene* scene() const;
    const ViewFilter& filter() const;

    // The objects under a view pixel, within kPickTolerance pixels.
    boost::shared_ptr<Selection> pick(const QPoint& pixel) const;
    // The objects inside or crossing a polygon given in view pixels.
    boost::shared_ptr<Selection> pick(const QPolygonF& pixels) const;

    // The document point a viewport pixel shows.
    GeoPoint2D scenePoint(const QPoint& pixel) const;

    // Pixels per centimetre.
    double getScale() const;
    // Multiplies the scale by `factor`, keeping the document point under `centre`
    // (view pixels) where it is.
    void scale(double factor, const QPoint& centre);
    void setScale(double pixelsPerCm);
    // Shows `rect` (scene coordinates) as large as fits, centred.
    virtual void fitToRect(const GeoRectangle& rect);
    void fitToDocument();

    // Makes `tool` the tool receiving this view's events (null: none). The caller starts and
    // stops tools; the view only routes events and follows the tool's cursor.
    void setTool(const boost::shared_ptr<AbstractTool>& tool);
    boost::shared_ptr<AbstractTool> tool() const { return mTool; }
    // Asks `tool` for the cursor and shows it.
    void updateCursor(const AbstractTool& tool);
    // Lets rulers and coordinate displays follow the mouse during a tool's drag.
    void postMouseEventToRulers(QMouseEvent* event);

signals:
    void mousePositionChanged(double x, double y);
    void scaleChanged(double pixelsPerCm);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Around every call into the tool: a view showing the document in another mode tells the
    // document while the tool handles its event. Nothing by default.
    virtual void toolEventBegins(Document& /*document*/) {}
    virtual void toolEventEnds(Document& /*document*/) {}

private:
    // Runs `call` on the current tool behind the exception boundary, then refreshes the
    // cursor; a tool that threw is stopped. False when there is no tool or it threw.
    bool callTool(const QString& where, const std::function<void(AbstractTool&)>& call);
    QPointF toScene(const QPointF& pixel) const;
    // Sets the scale and puts the scene point `centre` in the middle of the viewport.
    void showSceneArea(const QPointF& centre, double pixelsPerCm);
    QPointF viewportCentreInScene() const;
    void onSceneRectChanged();

    boost::shared_ptr<AbstractTool> mTool;
    QMetaObject::Connection mCursorConnection;
    // The rectangle last fitted, kept while no zoom changed it, so that a resize refits it.
    GeoRectangle mFittedRect;
};

} // namespace VelSystem
