#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Adds and removes start points on a piece's internal segments.
class ToolInternalStartPoint : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolInternalStartPoint(const QString& icon);
    ~ToolInternalStartPoint() override;

    QString name() const override;
    // Hands the clicked position to the host command, which finds what it aims at.
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
};

} // namespace VelSystem
