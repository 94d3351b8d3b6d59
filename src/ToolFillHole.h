#pragma once

#include "ToolBase.h"

#include <QPoint>
#include <QPointer>

namespace VelSystem {

class DocumentScene;
class SelectRubberBand;

// Fills an empty place with waiting pieces: the user drags a rectangle round it on the
// current layer; on release the library lays what fits there, and the tool records the
// newly laid groups as one "Add" command and selects them.
class ToolFillHole : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolFillHole(const QString& icon);
    ~ToolFillHole() override;

    QString name() const override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
    // Ends the gesture and removes the rubber band; the press's scene is not touched.
    void stop() override;
    // True while a release is being processed.
    bool isBusy() const override;

private:
    // Owned; null when none.
    SelectRubberBand* mRubberBand = nullptr;
    QPoint mPressPos;
    // The scene of the press; not owned.
    QPointer<DocumentScene> mScene;
    bool mPressed = false;
    bool mBusy = false;
};

} // namespace VelSystem
