#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Sets the order in which the cutter cuts the pieces.
class ToolSequence : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolSequence(const QString& icon);
    ~ToolSequence() override;

    QString name() const override;
};

} // namespace VelSystem
