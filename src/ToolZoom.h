#pragma once

#include "ToolBase.h"

#include "VelGeo/GeoPoint2D.h"

#include <QPointer>
#include <QtGlobal>
#include <functional>

class QGraphicsRectItem;
class QGraphicsScene;

namespace VelSystem {

// Zooms the view: a quick click steps in around the clicked point (the right button steps
// out), a double click steps twice as far, and a drag fits the view to the dragged rectangle.
// Holding Alt swaps zooming in and out.
class ToolZoom : public ToolBase
{
    Q_OBJECT
public:
    // Milliseconds from a fixed origin.
    using Clock = std::function<qint64()>;

    explicit ToolZoom(const QString& icon);
    ~ToolZoom() override;

    QString name() const override;
    std::vector<int> shortcutKeys() const override;
    void start() override;
    // Ends a press or drag in progress and removes its rubber band; Alt's state survives.
    void stop() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseDoubleClickEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
    bool keyStateChanged(bool pressed, int key) override;

    // Replaces the clock that times a click, so that tests need not wait.
    void setClock(Clock clock);

private:
    // Scales `view` around the event position: `in` for the left button, `out` for the
    // right one, the other way round while Alt is held.
    void zoomByButton(DocumentView* view, const QMouseEvent* event, double in, double out) const;
    void fitToRubberBand(DocumentView* view) const;

    Clock mClock;
    qint64 mPressTime = 0;
    QPointer<DocumentView> mPressView;
    bool mPressed = false;
    bool mZoomOut = false;
    bool mDragged = false;
    GeoPoint2D mPressPoint;
    // The rubber band is owned here; the scene deletes it first if it goes away mid-drag.
    QGraphicsRectItem* mRectItem = nullptr;
    QPointer<QGraphicsScene> mRectScene;
};

} // namespace VelSystem
