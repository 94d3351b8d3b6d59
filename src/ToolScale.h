#pragma once

#include "ToolBase.h"

namespace VelSystem {

// The scale tool: takes the mouse presses while it is current and changes nothing.
class ToolScale : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolScale(const QString& icon);
    ~ToolScale() override;

    QString name() const override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
};

} // namespace VelSystem
