#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Blocks a piece: a click on a laid or waiting piece asks the library for its blocking, the
// cutting block round it with the fabric's margin, and reports what it answered.
class ToolBlock : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolBlock(const QString& icon);
    ~ToolBlock() override;

    QString name() const override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    // Ends a press's busy state; nothing else.
    void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
    // True while the library computes a blocking: a nested event loop may deliver a press.
    bool isBusy() const override;

private:
    bool mBusy = false;
};

} // namespace VelSystem
