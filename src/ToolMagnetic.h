#pragma once

#include "ToolBase.h"

#include "VelGeo/GeoPoint2D.h"

#include <QPoint>
#include <QPointer>
#include <memory>

class QTimer;

namespace VelSystem {

class DocumentScene;
class InteractiveTransformer;
class SelectRubberBand;

// Moves the selected objects so that they stick to the mouse: at the first drag movement
// the selection jumps to centre its common bounding rectangle under the cursor, then
// follows it, and the release records the whole move as one undo command. Without a
// selection a press picks what is under the cursor, or stretches a rubber band over empty
// space to select by area.
class ToolMagnetic : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolMagnetic(const QString& icon);
    ~ToolMagnetic() override;

    QString name() const override;
    // The first page while nothing is selected in the view's scene, the second once
    // something is.
    void showInstructions(DocumentView* view) override;
    // Ends the gesture: removes the rubber band or the drag's previews (the document stays as
    // it was) and clears the values shown in the information box.
    void stop() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
    // During a gesture Enter drops the selection where it is and searches for overlaps,
    // Space is swallowed, and the transformation keys turn or mirror the dragged pieces.
    bool keyStateChanged(bool pressed, int key) override;
    // From the first drag movement until the gesture ends.
    bool isBusy() const override;

private:
    // Picks at the press position: selects what is there, or starts a rubber band.
    void pickAtPress();
    void selectInRubberBand(const QPoint& releasePos);
    // Ends the drag and pushes its command, if it moved anything; searches for overlaps too
    // when `searchOverlaps` is set. True when a command was pushed.
    bool commitDrag(bool searchOverlaps);

    bool mPressed = false;
    bool mBusy = false;
    // Where the press happened, in viewport pixels.
    QPoint mPressPos;
    // The point of the selection under the cursor now, and where it was at the press.
    GeoPoint2D mAnchor;
    GeoPoint2D mOrigin;
    QPointer<SelectRubberBand> mRubberBand;
    QPointer<DocumentScene> mScene;
    QPointer<DocumentView> mView;
    std::unique_ptr<QTimer> mTimer;
    std::unique_ptr<InteractiveTransformer> mTransformer;
};

} // namespace VelSystem
