#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Cuts two pieces down together, on the marker or in the size chart.
class ToolCutDown : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolCutDown(const QString& icon);
    ~ToolCutDown() override;

    QString name() const override;
};

} // namespace VelSystem
