#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Edits the control points of a blocking contour.
class ToolEditBlock : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolEditBlock(const QString& icon);
    ~ToolEditBlock() override;

    QString name() const override;
};

} // namespace VelSystem
