#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Marks where a symmetrical cut starts and ends on a piece's outline ("SymmetricalCut"): the
// first click a start point, the next its end point; an Alt-click removes a pair. The
// alternation lives in the drawing's first-click flag, set again when the tool stops.
class ToolSymmetricalCut : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolSymmetricalCut(const QString& icon);
    ~ToolSymmetricalCut() override;

    QString name() const override;
    void start() override;
    void stop() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
    // Alt switches to removal.
    bool keyStateChanged(bool pressed, int key) override;

private:
    bool mAltDown = false;
    // The drawing's first-click flag after the last press: the next point is a start point.
    bool mAwaitingStart = false;
};

} // namespace VelSystem
