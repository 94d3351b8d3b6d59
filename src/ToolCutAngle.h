#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Cuts a piece in two along an angled line with a seam allowance.
class ToolCutAngle : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolCutAngle(const QString& icon);
    ~ToolCutAngle() override;

    QString name() const override;
};

} // namespace VelSystem
