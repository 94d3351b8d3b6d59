#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Adds and removes the points where the knife lifts and plunges.
class ToolLiftPlunge : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolLiftPlunge(const QString& icon);
    ~ToolLiftPlunge() override;

    QString name() const override;
    // Hands the clicked position to the host command, which finds what it aims at.
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
};

} // namespace VelSystem
