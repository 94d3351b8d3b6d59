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
};

} // namespace VelSystem
