#pragma once

#include "ToolBase.h"

#include "VelGeo/GeoPoint2D.h"

#include <QPointer>

class QGraphicsLineItem;
class QLineF;

namespace VelSystem {

class DocumentScene;

// Measures the distance between two points of the scene: a first click fixes one end, a
// dashed line follows the mouse, and a second click (or the release of a drag) leaves a
// dimension mark with its own non-modal distance dialog, which owns the mark. With Shift an
// end snaps to the nearest outline point of a piece, so that gaps are measured exactly.
class ToolRuler : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolRuler(const QString& icon);
    ~ToolRuler() override;

    QString name() const override;
    // Page 0 before the first point, page 1 while the second is awaited.
    void showInstructions(DocumentView* view) override;
    // Abandons a measurement in progress and removes its dashed line.
    void stop() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;

private:
    // The measured end under the event: the mouse position, or with Shift the nearest outline
    // point of a piece within the click tolerance.
    static GeoPoint2D endPoint(DocumentView* view, const QMouseEvent* event);
    // Moves the line's second end under the mouse, when the line belongs to the view's scene.
    bool followMouse(DocumentView* view, const QMouseEvent* event);
    // Leaves the dimension mark of `line` in the scene and opens its distance dialog.
    void completeMeasurement(DocumentView* view, const QLineF& line);
    // The cursor and instruction page follow the measurement's step.
    void refresh(DocumentView* view);

    // The rubber line is owned here; the scene deletes it first if it goes away mid-measure.
    QPointer<DocumentScene> mScene;
    QGraphicsLineItem* mRubberLine = nullptr;
};

} // namespace VelSystem
