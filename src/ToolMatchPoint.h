#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Adds and removes match points for plaid and stripe fabrics.
class ToolMatchPoint : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolMatchPoint(const QString& icon);
    ~ToolMatchPoint() override;

    QString name() const override;
};

} // namespace VelSystem
