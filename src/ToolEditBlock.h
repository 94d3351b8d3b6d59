#pragma once

#include "ToolBase.h"

#include "VelGeo/GeoPoint2D.h"

#include <QPoint>
#include <vector>

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;
class CDbVectorsObjectTable;
class DocumentScene;
class DocumentView;

// Reshapes a blocking: a press selects a blocked piece; on a selected one it grabs a control
// point or a side of the blocking, which the moves drag, or with Alt removes a control point.
// A click on a side adds a control point there. Each change is one undo step.
class ToolEditBlock : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolEditBlock(const QString& icon);
    // Deletes a pre-edit copy no command took; never the group.
    ~ToolEditBlock() override;

    QString name() const override;
    // Forgets the group and the grab; acts only between gestures.
    void stop() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    // The removal cursor while Alt is held.
    void cursor(QCursor& cursor) const override;

private:
    // Edit press on the selected, editable group: grabs a point or side, or removes with Alt.
    void pressOnBlocking(CDbFabricObject* fabric, short layer, bool alt);
    // Press that only selects (or deselects) what was picked; false when a library code ends it.
    bool selectionPress(CDbFabricObject* fabric, short layer, bool picked);
    // Alt-press: removes the control point (or the side's ends) under dragPoint; true when done.
    bool removePoint(CDbFabricObject* fabric, short layer);
    // The grabbed point, or the grabbed side's ends moved to their nearest control points,
    // 0-based.
    std::vector<int> grabbedControlPoints(const CDbVectorsObjectTable& contour) const;
    // Records the finished change; returns the pre-edit copy when nothing took it.
    void record(DocumentView* view, CDbFabricObject* fabric, short layer, bool alt);
    // Gives the group its pre-edit state back after a refused change and says why.
    void refuse(short code);

    bool pressed = false;
    bool idle = true;
    QPoint pressPos;
    GeoPoint2D dragPoint;
    DocumentScene* scene = nullptr;
    CDbGrPolysObject* group = nullptr;
    CDbGrPolysObject* groupCopy = nullptr;
    // 1-based: the grabbed point, or the grabbed side's first end (0: none); the side's second end.
    short pointIndex = 0;
    short sideEnd = 0;
    bool captured = false;
    bool dragged = false;
};

} // namespace VelSystem
