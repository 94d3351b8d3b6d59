#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Sets the order in which the cutter cuts the pieces: each piece clicked takes the next place
// in its layer's cut order ("Sequence"). While the drawing's first-click flag is set (the tool
// sets it on activation in the cut view), a click instead picks the piece the order goes on
// from.
class ToolSequence : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolSequence(const QString& icon);
    ~ToolSequence() override;

    QString name() const override;
    void start() override;
    void stop() override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    // Only remembers the view, for start() and the cursor.
    void mouseMoveEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;

private:
    // The view that last sent a move; not owned.
    DocumentView* mView = nullptr;
};

} // namespace VelSystem
