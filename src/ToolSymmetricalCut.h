#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Marks where a symmetrical cut starts and ends.
class ToolSymmetricalCut : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolSymmetricalCut(const QString& icon);
    ~ToolSymmetricalCut() override;

    QString name() const override;
};

} // namespace VelSystem
